#pragma once

#include <QLabel>
#include <cstdint>

namespace platform {
class Surface;
struct Rect;
} // namespace platform

// One cycle drawn as a frame, a centre axis, one period of a sine curve and,
// once a result has been set, a vertical marker at today's day in the cycle.
// It paints the whole control itself, so the label's own text and frame never
// show, and no background, so the dialog's shows behind it.
class mynew : public QLabel {
    Q_OBJECT

public:
    explicit mynew(QWidget* parent = nullptr);

    void SetKind(std::int32_t kind);
    void SetIntellectDay(std::int32_t day);
    void SetEmotionDay(std::int32_t day);
    void SetPhysicalDay(std::int32_t day);

    // Shows the marker for the stored kind and day at once. The control is
    // repainted before this returns, so a marker drawn earlier goes away.
    // Screen readers hear where today stands through the description.
    void DrawDayMarker();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnPaint();
    void DrawMarker(platform::Surface& dc, const platform::Rect& a) const;
    QString DayDescription() const;

    std::uint32_t m_nIntellectDay = 0;
    std::uint32_t m_nEmotionDay = 0;
    std::uint32_t m_nPhysicalDay = 0;
    std::int32_t m_nKind = 0;
};
