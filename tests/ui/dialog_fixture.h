#pragma once

#include "platform/clock.h"
#include "platform/qt/access.h"
#include "platform/qt/modal_run.h"
#include "ui/biorhythm_dlg.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// What a modal box showed while the dialog ran it.
struct QtBox {
    QString title;
    QString text;
    QStringList buttons;
    bool hasIcon = false;
    QWidget* owner = nullptr;
};

// The main dialog shown as at start-up, with today fixed at 2026-12-07. Modal
// boxes are answered by `closeBox` (by default: pressing their default
// button) and recorded in `boxes`, so no test waits on one.
class QtDialogSession {
public:
    void Start();
    void Stop();

    void Answer(QDialog& box);
    void SetToday(int year, int month, int day);
    void Type(int id, const QString& text); // as pasted: nothing is filtered
    void TypeDate(const QString& year, const QString& month, const QString& day);
    void PressEnter();

    // The dialog's widget, and the widget of the control with the id.
    QDialog& Dlg() const { return platform::qt::DialogOf(*dlg); }
    QWidget* Item(int id) const { return platform::qt::GetDlgItem(*dlg, id); }
    QLineEdit& Edit(int id) const;
    QLabel& Label(int id) const;
    QString LabelText(int id) const { return Label(id).text(); }
    void ExpectLabels(const QStringList& intellectEmotionPhysical) const;

    // Full-height black columns of a curve control as it is on screen.
    QList<int> MarkerColumns(int curveId);
    // One marker column each for intellect, emotion and physical.
    void ExpectMarkers(int intellect, int emotion, int physical);

    std::unique_ptr<CBiorhythmDlg> dlg;
    std::vector<QtBox> boxes;
    std::function<void(QDialog&)> closeBox;
    platform::LocalDate today{2026, 12, 7};
};

class DialogTest : public testing::Test, public QtDialogSession {
protected:
    void SetUp() override;
    void TearDown() override { Stop(); }
};
