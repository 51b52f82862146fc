// Pumpvale's own artwork, drawn in code so that no image file has to be found at run time. The pictures
// the windows show at the usual pixel ratios are drawn once, when the program is built
// (ui/artwork_generator.cpp), and shown from those pixels (ui/prebuilt_artwork.cpp): the drawing here
// stays their one source.
#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

namespace pumpvale::artwork {

// Each picture is drawn at the design size in pixels times scale (see ui/metrics.h), so it stays crisp.

// The main window's background: white, with a wavy pump rotor near its right edge (670 x 558 pixels).
QPixmap mainBackground(double scale);
// The upright rotor picture along the intro window's left edge (98 x 405 pixels).
QPixmap rotorStrip(double scale);
// The maker's logo: large (497 x 156 pixels) on the intro window, small (160 x 57) elsewhere.
QPixmap largeLogo(double scale);
QPixmap smallLogo(double scale);
// The program's emblem, as its icon shows it: filling box, or a transparent picture of the given size.
void paintEmblem(QPainter& painter, const QRectF& box);
QPixmap emblem(QSize size);

// What the build draws in advance: these pictures for screens of these pixel ratios, and the icon in
// the sizes a desktop picks from for its menus, title bars and task switchers. The main window's
// background is left out: as raw pixels it would weigh 2.3 to 9.3 MB a ratio, and unpacking it from
// PNG or zlib takes longer than drawing it.
inline constexpr QPixmap (*kPrebuiltPictures[])(double scale) = {rotorStrip, largeLogo, smallLogo};
inline constexpr double kPrebuiltRatios[] = {1.0, 1.25, 1.5, 2.0};
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The program's icon, for every window and the desktop menu.
QIcon windowIcon();

// One of the pictures above at the layout scale of ui/metrics.h, made for a screen of the given device
// pixel ratio so that it stays sharp there: forScreen(largeLogo, widget.devicePixelRatioF()).
QPixmap forScreen(QPixmap (*draw)(double scale), double devicePixelRatio);

} // namespace pumpvale::artwork
