// Placeholder artwork: plain images of the right sizes until the real drawings exist.
#include "ui/artwork.h"

namespace pumpvale::artwork {
namespace {

QPixmap blank(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::white);
    return pixmap;
}

} // namespace

QPixmap mainBackground() { return blank(670, 558); }
QPixmap rotorStrip() { return blank(98, 405); }
QPixmap largeLogo() { return blank(497, 156); }
QPixmap smallLogo() { return blank(160, 57); }
QIcon windowIcon() { return QIcon(blank(64, 64)); }

} // namespace pumpvale::artwork
