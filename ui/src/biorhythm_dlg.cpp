#include "ui/biorhythm_dlg.h"

#include "calc/cycles.h"
#include "calc/parse_digits.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "platform/resources.h"
#include "platform/surface.h"
#include "platform/window_styles.h"
#include "platform/window_text.h"
#include "res/cycle_names.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "ui/about_dlg.h"

CBiorhythmDlg::CBiorhythmDlg(QWidget* parent)
    : platform::ModalDialog(res::kMainDialog, parent),
      m_hAppIcon(platform::LoadIcon(IDR_MAINFRAME)) {}

void CBiorhythmDlg::BindControls(platform::DataExchange& dx) {
    platform::ModalDialog::BindControls(dx);
    dx.Attach(IDC_CURVE_INTELLECT, m_curveIntellect);
    dx.Attach(IDC_CURVE_EMOTION, m_curveEmotion);
    dx.Attach(IDC_CURVE_PHYSICAL, m_curvePhysical);
    dx.Attach(IDC_EDIT_YEAR, m_editYear);
    dx.Attach(IDC_EDIT_MONTH, m_editMonth);
    dx.Attach(IDC_EDIT_DAY, m_editDay);
    dx.Attach(IDC_LABEL_INTELLECT, m_labelIntellect);
    dx.Attach(IDC_LABEL_EMOTION, m_labelEmotion);
    dx.Attach(IDC_LABEL_PHYSICAL, m_labelPhysical);
}

bool CBiorhythmDlg::OnDialogInit() {
    platform::SetWindowText(*this, QStringLiteral("vidad"));
    platform::ModalDialog::OnDialogInit();

    platform::SetWindowText(m_editYear, QStringLiteral("1983"));
    platform::SetWindowText(m_editMonth, QStringLiteral("12"));
    platform::SetWindowText(m_editDay, QStringLiteral("30"));

    if (platform::SystemMenu* pSysMenu = GetSystemMenu()) {
        const QString strAboutMenu = platform::LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.isEmpty()) {
            pSysMenu->AppendSeparator();
            pSysMenu->AppendItem(IDM_ABOUTBOX, strAboutMenu);
        }
    }

    setWindowIcon(m_hAppIcon);
    NameControlsForScreenReaders();
    return true;
}

namespace {

QString CycleName(calc::CycleKind kind) {
    return platform::ToQString(res::CycleName(kind));
}

// A cycle's label after a calculation: its name, its period and the whole
// cycles completed, such as 智力周期（32天）第490个周期.
QString CycleLabel(calc::CycleKind kind, std::int32_t cycles) {
    return QStringLiteral("%1（%2天）第%3个周期")
        .arg(CycleName(kind))
        .arg(calc::FindCycle(kind)->period)
        .arg(cycles);
}

} // namespace

void CBiorhythmDlg::NameControlsForScreenReaders() {
    m_editYear.setAccessibleName(QStringLiteral("出生年份"));
    m_editMonth.setAccessibleName(QStringLiteral("出生月份"));
    m_editDay.setAccessibleName(QStringLiteral("出生日期"));
    m_curveIntellect.setAccessibleName(CycleName(calc::kIntellect) + QStringLiteral("曲线"));
    m_curveEmotion.setAccessibleName(CycleName(calc::kEmotion) + QStringLiteral("曲线"));
    m_curvePhysical.setAccessibleName(CycleName(calc::kPhysical) + QStringLiteral("曲线"));
}

// OK runs the calculation and never ends the dialog; everything else takes
// the dialog's default handling.
void CBiorhythmDlg::OnCommand(int id) {
    if (id == platform::IDOK) {
        OnBnClickedOk();
        return;
    }
    platform::ModalDialog::OnCommand(id);
}

void CBiorhythmDlg::OnSystemCommand(std::uint32_t nID, std::intptr_t lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    platform::ModalDialog::OnSystemCommand(nID, lParam);
}

void CBiorhythmDlg::paintEvent(QPaintEvent* event) {
    OnPaint(event);
}

// The two header lines, drawn in the application's default font rather
// than the dialog's.
void CBiorhythmDlg::OnPaint(QPaintEvent* event) {
    {
        platform::PaintSurface dc(this);
        dc.SetBkMode(platform::BackgroundMode::Transparent);
        dc.TextOut(0, 0, QStringLiteral("vidad程序可以帮你了解你的生理节律处于什么状态"));
        dc.TextOut(0, 20, QStringLiteral("有助于你安排工作学习休息。"));
    }
    platform::ModalDialog::paintEvent(event);
}

void CBiorhythmDlg::OnBnClickedOk() {
    const platform::LocalDate time = platform::GetLocalTime();
    const std::string year = platform::GetWindowText(m_editYear);
    const std::string month = platform::GetWindowText(m_editMonth);
    const std::string day = platform::GetWindowText(m_editDay);

    std::int32_t nyear = 0;
    std::int32_t nmonth = 0;
    std::int32_t nday = 0;
    const bool parsed = calc::ParseDigits(year, nyear) && calc::ParseDigits(month, nmonth) &&
                        calc::ParseDigits(day, nday);
    const calc::BirthDate birth{nyear, nmonth, nday};
    // A date the day count cannot cover is answered like unparsable text.
    if (!parsed || !calc::IsWithinRule(birth, time.year, time.month, time.day)) {
        platform::MessageBox(this, QStringLiteral("输入有误，请重新输入！"));
        return;
    }
    const calc::CycleResult result = calc::ComputeCycles(birth, time.year, time.month, time.day);

    m_curveIntellect.SetKind(calc::kIntellect);
    m_curveIntellect.SetIntellectDay(result.intellect.day);
    m_curveIntellect.DrawDayMarker();
    const QString statzl = CycleLabel(calc::kIntellect, result.intellect.cycles);
    platform::SetWindowText(m_labelIntellect, statzl);

    m_curveEmotion.SetKind(calc::kEmotion);
    m_curveEmotion.SetEmotionDay(result.emotion.day);
    m_curveEmotion.DrawDayMarker();
    const QString statqx = CycleLabel(calc::kEmotion, result.emotion.cycles);
    platform::SetWindowText(m_labelEmotion, statqx);

    m_curvePhysical.SetKind(calc::kPhysical);
    m_curvePhysical.SetPhysicalDay(result.physical.day);
    m_curvePhysical.DrawDayMarker();
    const QString stattl = CycleLabel(calc::kPhysical, result.physical.cycles);
    platform::SetWindowText(m_labelPhysical, stattl);
}
