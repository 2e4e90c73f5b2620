#include "ui/mynew.h"

#include "calc/cycles.h"
#include "platform/surface.h"

#include <cmath>

namespace {

constexpr platform::ColorRef kFrameColor = 0x00001400;
constexpr platform::ColorRef kBlack = 0x00000000;

// The curve's angle factor: a little less than 2 pi, so the period never
// quite closes at the right edge.
constexpr double kAngleFactor = 6.28318;

void DrawCurve(platform::Surface& dc, const platform::Rect& a) {
    const std::int32_t w = a.right - a.left;
    const std::int32_t h = a.bottom - a.top;
    for (std::int32_t x = a.left; x < a.left + w; ++x) {
        const std::int32_t d = a.left - x;
        const double angle = static_cast<double>(d) * kAngleFactor / static_cast<double>(w);
        const double v = static_cast<double>(h - 4) * std::sin(angle) / 2.0 + a.top;
        const auto y = static_cast<std::int32_t>(static_cast<double>(h / 2) + v);
        dc.SetPixel(x, y, kBlack);
    }
}

} // namespace

mynew::mynew(QWidget* parent) : QLabel(parent) {}

void mynew::SetKind(std::int32_t kind) {
    m_nKind = kind;
}

void mynew::SetIntellectDay(std::int32_t day) {
    m_nIntellectDay = static_cast<std::uint32_t>(day);
}

void mynew::SetEmotionDay(std::int32_t day) {
    m_nEmotionDay = static_cast<std::uint32_t>(day);
}

void mynew::SetPhysicalDay(std::int32_t day) {
    m_nPhysicalDay = static_cast<std::uint32_t>(day);
}

void mynew::DrawDayMarker() {
    repaint();
    setAccessibleDescription(DayDescription());
}

// Days counted as people count them, from 1; the stored day is the
// calculation's signed day in the cycle, kept bit for bit.
QString mynew::DayDescription() const {
    const std::uint32_t days[] = {m_nIntellectDay, m_nEmotionDay, m_nPhysicalDay};
    const std::int32_t periods[] = {calc::kIntellectPeriod, calc::kEmotionPeriod,
                                    calc::kPhysicalPeriod};
    if (m_nKind < calc::kIntellect || m_nKind > calc::kPhysical) {
        return {};
    }
    const auto day = static_cast<std::int32_t>(days[m_nKind - 1]);
    if (day < 0) {
        return QStringLiteral("出生日期晚于今天");
    }
    return QStringLiteral("第%1天，共%2天").arg(qint64{day} + 1).arg(periods[m_nKind - 1]);
}

void mynew::paintEvent(QPaintEvent*) {
    OnPaint();
}

void mynew::OnPaint() {
    platform::PaintSurface dc(this);
    const platform::Rect a = platform::ClientRect(*this);
    const std::int32_t h = a.bottom - a.top;
    dc.Draw3dRect(a, kFrameColor, kFrameColor);
    const std::int32_t cy = a.top + h / 2;
    dc.MoveTo(a.left, cy);
    dc.LineTo(a.right, cy);
    DrawCurve(dc, a);
    DrawMarker(dc, a);
}

// The day fields are unsigned and the sum wraps, so a negative day puts the
// marker far beyond the right edge, where nothing is painted.
void mynew::DrawMarker(platform::Surface& dc, const platform::Rect& a) const {
    std::uint32_t day = 0;
    std::uint32_t period = 0;
    if (m_nKind == calc::kIntellect) {
        day = m_nIntellectDay;
        period = calc::kIntellectPeriod;
    }
    if (m_nKind == calc::kEmotion) {
        day = m_nEmotionDay;
        period = calc::kEmotionPeriod;
    }
    if (m_nKind == calc::kPhysical) {
        day = m_nPhysicalDay;
        period = calc::kPhysicalPeriod;
    }
    if (period == 0) {
        return;
    }
    const auto w = static_cast<std::uint32_t>(a.right - a.left);
    const auto mx =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(a.left) + w * day / period);
    dc.MoveTo(mx, a.top);
    dc.LineTo(mx, a.bottom);
}
