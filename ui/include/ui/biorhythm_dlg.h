#pragma once

#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/resources.h"
#include "ui/mynew.h"

// Where an icon of `icon` pixels goes in a window `extent` pixels across so
// that it stands in the middle; the division truncates toward zero.
std::int32_t CentredIconOffset(std::int32_t extent, std::int32_t icon);

// The main window: a birth date in three fields, and for each cycle a label
// with the completed cycles and a curve with today's marker.
class CBiorhythmDlg : public platform::Dialog {
public:
    explicit CBiorhythmDlg(platform::Window* parent = nullptr);

protected:
    void BindControls(platform::DataExchange& dx) override;
    bool OnDialogInit() override;
    void OnCommand(int id) override;
    void OnSystemCommand(std::uint32_t nID, std::intptr_t lParam) override;
    void OnPaint() override;
    platform::Icon OnDragIconQuery() override;

private:
    void OnBnClickedOk();
    void NameControlsForScreenReaders();

    platform::Icon m_hAppIcon;
    mynew m_curveIntellect;
    mynew m_curveEmotion;
    mynew m_curvePhysical;
    platform::Edit m_editYear;
    platform::Edit m_editMonth;
    platform::Edit m_editDay;
    platform::Static m_labelIntellect;
    platform::Static m_labelEmotion;
    platform::Static m_labelPhysical;
};
