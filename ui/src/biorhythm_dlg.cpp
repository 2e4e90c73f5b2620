#include "ui/biorhythm_dlg.h"

#include "calc/cycles.h"
#include "calc/parse_digits.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/surface.h"
#include "platform/system_menu.h"
#include "platform/system_metrics.h"
#include "platform/window_styles.h"
#include "res/cycle_names.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "ui/about_dlg.h"
#include "ui/decimal_text.h"

#include <string>

CBiorhythmDlg::CBiorhythmDlg(platform::Window* parent)
    : platform::Dialog(res::kMainDialog, parent), m_hAppIcon(platform::LoadIcon(IDR_MAINFRAME)) {}

void CBiorhythmDlg::BindControls(platform::DataExchange& dx) {
    platform::Dialog::BindControls(dx);
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
    SetWindowText(u"vidad");
    platform::Dialog::OnDialogInit();

    m_editYear.SetWindowText(u"1983");
    m_editMonth.SetWindowText(u"12");
    m_editDay.SetWindowText(u"30");

    if (platform::SystemMenu* pSysMenu = GetSystemMenu()) {
        const std::u16string strAboutMenu = platform::LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.empty()) {
            pSysMenu->AppendSeparator();
            pSysMenu->AppendItem(IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hAppIcon, true);
    SetIcon(m_hAppIcon, false);
    NameControlsForScreenReaders();
    return true;
}

namespace {

// A cycle's label after a calculation: its name, its period and the whole
// cycles completed, such as 智力周期（32天）第490个周期.
std::u16string CycleLabel(calc::CycleKind kind, std::int32_t cycles) {
    return std::u16string(res::CycleName(kind)) + u"（" +
           DecimalText(calc::FindCycle(kind)->period) + u"天）第" + DecimalText(cycles) + u"个周期";
}

std::u16string CurveName(calc::CycleKind kind) {
    return std::u16string(res::CycleName(kind)) + u"曲线";
}

} // namespace

void CBiorhythmDlg::NameControlsForScreenReaders() {
    m_editYear.SetAccessibleName(u"出生年份");
    m_editMonth.SetAccessibleName(u"出生月份");
    m_editDay.SetAccessibleName(u"出生日期");
    m_curveIntellect.SetAccessibleName(CurveName(calc::kIntellect));
    m_curveEmotion.SetAccessibleName(CurveName(calc::kEmotion));
    m_curvePhysical.SetAccessibleName(CurveName(calc::kPhysical));
}

// OK runs the calculation and never ends the dialog; everything else takes
// the dialog's default handling.
void CBiorhythmDlg::OnCommand(int id) {
    if (id == platform::kIdOk) {
        OnBnClickedOk();
        return;
    }
    platform::Dialog::OnCommand(id);
}

void CBiorhythmDlg::OnSystemCommand(std::uint32_t nID, std::intptr_t lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    platform::Dialog::OnSystemCommand(nID, lParam);
}

std::int32_t CentredIconOffset(std::int32_t extent, std::int32_t icon) {
    return (extent - icon + 1) / 2;
}

// The two header lines, drawn in the surface's default font rather than the
// dialog's; a minimized window that is asked to paint shows the icon.
void CBiorhythmDlg::OnPaint() {
    platform::PaintSurface dc(*this);
    dc.SetBkMode(platform::BackgroundMode::Transparent);
    dc.TextOut(0, 0, u"vidad程序可以帮你了解你的生理节律处于什么状态");
    dc.TextOut(0, 20, u"有助于你安排工作学习休息。");
    if (IsIconic()) {
        SendIconEraseBackground(dc);
        const int cxIcon = platform::GetSystemMetrics(platform::sm::kCxIcon);
        const int cyIcon = platform::GetSystemMetrics(platform::sm::kCyIcon);
        const platform::Rect rect = GetClientRect();
        const std::int32_t x = CentredIconOffset(rect.right - rect.left, cxIcon);
        const std::int32_t y = CentredIconOffset(rect.bottom - rect.top, cyIcon);
        dc.DrawIcon(x, y, m_hAppIcon);
    } else {
        platform::Dialog::OnPaint();
    }
}

platform::Icon CBiorhythmDlg::OnDragIconQuery() {
    return m_hAppIcon;
}

void CBiorhythmDlg::OnBnClickedOk() {
    const platform::LocalDate time = platform::GetLocalTime();
    const std::string year = m_editYear.GetWindowText();
    const std::string month = m_editMonth.GetWindowText();
    const std::string day = m_editDay.GetWindowText();

    std::int32_t nyear = 0;
    std::int32_t nmonth = 0;
    std::int32_t nday = 0;
    const bool parsed = calc::ParseDigits(year, nyear) && calc::ParseDigits(month, nmonth) &&
                        calc::ParseDigits(day, nday);
    const calc::BirthDate birth{nyear, nmonth, nday};
    // A date the day count cannot cover is answered like unparsable text.
    if (!parsed || !calc::IsWithinRule(birth, time.year, time.month, time.day)) {
        platform::MessageBox(*this, u"输入有误，请重新输入！");
        return;
    }
    const calc::CycleResult result = calc::ComputeCycles(birth, time.year, time.month, time.day);

    m_curveIntellect.SetKind(calc::kIntellect);
    m_curveIntellect.SetIntellectDay(result.intellect.day);
    m_curveIntellect.DrawDayMarker();
    const std::u16string statzl = CycleLabel(calc::kIntellect, result.intellect.cycles);
    m_labelIntellect.SetWindowText(statzl);

    m_curveEmotion.SetKind(calc::kEmotion);
    m_curveEmotion.SetEmotionDay(result.emotion.day);
    m_curveEmotion.DrawDayMarker();
    const std::u16string statqx = CycleLabel(calc::kEmotion, result.emotion.cycles);
    m_labelEmotion.SetWindowText(statqx);

    m_curvePhysical.SetKind(calc::kPhysical);
    m_curvePhysical.SetPhysicalDay(result.physical.day);
    m_curvePhysical.DrawDayMarker();
    const std::u16string stattl = CycleLabel(calc::kPhysical, result.physical.cycles);
    m_labelPhysical.SetWindowText(stattl);
}
