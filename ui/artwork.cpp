// Placeholder artwork: plain images of the right sizes until the real drawings exist.
#include "ui/artwork.h"

namespace pumpvale::artwork {
namespace {

QPixmap blank(int width, int height, double scale = 1) {
    QPixmap pixmap(qRound(width * scale), qRound(height * scale));
    pixmap.fill(Qt::white);
    return pixmap;
}

} // namespace

QPixmap mainBackground(double scale) {
    return blank(670, 558, scale);
}
QPixmap rotorStrip(double scale) {
    return blank(98, 405, scale);
}
QPixmap largeLogo(double scale) {
    return blank(497, 156, scale);
}
QPixmap smallLogo(double scale) {
    return blank(160, 57, scale);
}
QIcon windowIcon() {
    return QIcon(blank(64, 64));
}

} // namespace pumpvale::artwork
