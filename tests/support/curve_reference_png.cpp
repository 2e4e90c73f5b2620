// Writes the curve control's expected picture as a PNG, for the real-window
// tests to compare screenshots with.
// usage: curve_reference_png WIDTH HEIGHT K KIND DAY OUT.png [#RRGGBB]
// WIDTH and HEIGHT are the control's size in device pixels; with a colour,
// the pixels the control leaves alone take it instead of staying transparent.

#include "curve_reference.h"

#include <QColor>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 7 && argc != 8) {
        std::fputs("usage: curve_reference_png WIDTH HEIGHT K KIND DAY OUT.png [#RRGGBB]\n",
                   stderr);
        return 2;
    }
    const int k = std::atoi(argv[3]);
    if (k < 1) {
        std::fputs("curve_reference_png: K must be 1 or more\n", stderr);
        return 2;
    }
    QImage image = test::CurveReference(QSize(std::atoi(argv[1]), std::atoi(argv[2])), k,
                                        std::atoi(argv[4]), std::atoi(argv[5]));
    if (argc == 8) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(QColor::fromString(QString::fromLatin1(argv[7])));
        QPainter(&flat).drawImage(0, 0, image);
        image = flat;
    }
    return image.save(QString::fromLocal8Bit(argv[6]), "PNG") ? 0 : 1;
}
