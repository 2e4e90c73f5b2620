#pragma once

#include "platform/modal_dialog.h"
#include "ui/mynew.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>

// The main window: a birth date in three fields, and for each cycle a label
// with the completed cycles and a curve with today's marker.
class CBiorhythmDlg : public platform::ModalDialog {
    Q_OBJECT

public:
    explicit CBiorhythmDlg(QWidget* parent = nullptr);

protected:
    void BindControls(platform::DataExchange& dx) override;
    bool OnDialogInit() override;
    void OnCommand(int id) override;
    void OnSystemCommand(std::uint32_t nID, std::intptr_t lParam) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnPaint(QPaintEvent* event);
    void OnBnClickedOk();
    void NameControlsForScreenReaders();

    QIcon m_hAppIcon;
    mynew m_curveIntellect;
    mynew m_curveEmotion;
    mynew m_curvePhysical;
    QLineEdit m_editYear;
    QLineEdit m_editMonth;
    QLineEdit m_editDay;
    QLabel m_labelIntellect;
    QLabel m_labelEmotion;
    QLabel m_labelPhysical;
};
