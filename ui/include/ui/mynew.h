#pragma once

#include "platform/color.h"
#include "platform/controls.h"

#include <cstdint>
#include <optional>
#include <string>

namespace platform {
class Surface;
struct Rect;
} // namespace platform

// One cycle drawn as a frame, a centre axis, one period of a sine curve and,
// once a result has been set, a vertical marker at today's day in the cycle.
// It paints the whole control itself and no background, so the dialog's
// shows behind it.
class mynew : public platform::PaintedStatic {
public:
    // A very dark green frame; axis, curve and marker in the default pen's black.
    static constexpr platform::ColorRef kFrameColor = 0x00001400;
    static constexpr platform::ColorRef kLineColor = 0x00000000;
    // The curve's angle factor: a little less than 2 pi, so the period never
    // quite closes at the right edge.
    static constexpr double kAngleFactor = 6.28318;

    mynew();

    void SetKind(std::int32_t kind);
    void SetIntellectDay(std::int32_t day);
    void SetEmotionDay(std::int32_t day);
    void SetPhysicalDay(std::int32_t day);

    // Shows the marker for the stored kind and day at once, over what the
    // control shows: a marker drawn earlier stays beside it until the control
    // is repainted. Screen readers hear where today stands through the
    // description.
    void DrawDayMarker();

protected:
    void OnPaint() override;

private:
    // The stored day of the control's kind and that cycle's period.
    struct DayInCycle {
        std::uint32_t day;
        std::uint32_t period;
    };

    void DrawMarker(platform::Surface& dc, const platform::Rect& a) const;
    std::optional<DayInCycle> CurrentDay() const;
    std::u16string DayDescription() const;

    std::uint32_t m_nIntellectDay = 0;
    std::uint32_t m_nEmotionDay = 0;
    std::uint32_t m_nPhysicalDay = 0;
    std::int32_t m_nKind = 0; // names no cycle until a result is set: no marker
};
