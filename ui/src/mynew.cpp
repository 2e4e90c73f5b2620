#include "ui/mynew.h"

#include "calc/cycles.h"
#include "platform/surface.h"
#include "ui/decimal_text.h"

#include <cmath>

namespace {

void DrawCurve(platform::Surface& dc, const platform::Rect& a) {
    const std::int32_t w = a.right - a.left;
    const std::int32_t h = a.bottom - a.top;
    for (std::int32_t x = a.left; x < a.left + w; ++x) {
        const std::int32_t d = a.left - x;
        const double angle = static_cast<double>(d) * mynew::kAngleFactor / static_cast<double>(w);
        const double v = static_cast<double>(h - 4) * std::sin(angle) / 2.0 + a.top;
        const auto y = static_cast<std::int32_t>(static_cast<double>(h / 2) + v);
        dc.SetPixel(x, y, mynew::kLineColor);
    }
}

} // namespace

mynew::mynew() : platform::PaintedStatic("mynew") {}

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
    platform::DrawNow(*this, [this](platform::Surface& dc) { DrawMarker(dc, dc.ClientRect()); });
    SetAccessibleDescription(DayDescription());
}

std::optional<mynew::DayInCycle> mynew::CurrentDay() const {
    const calc::CycleFacts* cycle = calc::FindCycle(m_nKind);
    if (!cycle) {
        return std::nullopt;
    }
    const auto period = static_cast<std::uint32_t>(cycle->period);
    switch (cycle->kind) {
    case calc::kIntellect:
        return DayInCycle{m_nIntellectDay, period};
    case calc::kEmotion:
        return DayInCycle{m_nEmotionDay, period};
    case calc::kPhysical:
        return DayInCycle{m_nPhysicalDay, period};
    }
    return std::nullopt;
}

// Days counted as people count them, from 1; the stored day is the
// calculation's signed day in the cycle, kept bit for bit.
std::u16string mynew::DayDescription() const {
    const std::optional<DayInCycle> current = CurrentDay();
    if (!current) {
        return {};
    }
    const auto day = static_cast<std::int32_t>(current->day);
    if (day < 0) {
        return u"出生日期晚于今天";
    }
    return u"第" + DecimalText(std::int64_t{day} + 1) + u"天，共" + DecimalText(current->period) +
           u"天";
}

void mynew::OnPaint() {
    platform::PaintSurface dc(*this);
    const platform::Rect a = dc.ClientRect();
    const std::int32_t h = a.bottom - a.top;
    dc.Draw3dRect(a, kFrameColor, kFrameColor);
    const std::int32_t cy = a.top + h / 2;
    dc.MoveTo(a.left, cy);
    dc.LineTo(a.right, cy, kLineColor);
    DrawCurve(dc, a);
    DrawMarker(dc, a);
}

// The day fields are unsigned and the sum wraps, so a negative day puts the
// marker far beyond the right edge, where nothing is painted.
void mynew::DrawMarker(platform::Surface& dc, const platform::Rect& a) const {
    const std::optional<DayInCycle> current = CurrentDay();
    if (!current) {
        return;
    }
    const auto w = static_cast<std::uint32_t>(a.right - a.left);
    const auto mx = static_cast<std::int32_t>(static_cast<std::uint32_t>(a.left) +
                                              w * current->day / current->period);
    dc.MoveTo(mx, a.top);
    dc.LineTo(mx, a.bottom, kLineColor);
}
