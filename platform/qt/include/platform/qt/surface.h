#pragma once

#include "platform/surface.h"

#include <QPainter>
#include <QSize>

namespace platform::qt {

// A surface over any painter whose transform maps `logicalSize` logical
// pixels onto its device: an image, or a widget outside the dialog.
class PainterSurface : public Surface {
public:
    PainterSurface(QPainter& painter, QSize logicalSize);
};

} // namespace platform::qt
