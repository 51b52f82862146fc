// Pumpvale's own artwork, drawn in code so that no image file has to be found at run time.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace pumpvale::artwork {

// Each picture is drawn at the design size in pixels times scale (see ui/metrics.h), so it stays crisp.

// The main window's background: white, with a wavy pump rotor near its right edge (670 x 558 pixels).
QPixmap mainBackground(double scale);
// The upright rotor picture along the intro window's left edge (98 x 405 pixels).
QPixmap rotorStrip(double scale);
// The maker's logo: large (497 x 156 pixels) on the intro window, small (160 x 57) elsewhere.
QPixmap largeLogo(double scale);
QPixmap smallLogo(double scale);
// The program's icon, for every window and the desktop menu.
QIcon windowIcon();

// One of the pictures above at the layout scale of ui/metrics.h, made for a screen of the given device
// pixel ratio so that it stays sharp there: forScreen(largeLogo, widget.devicePixelRatioF()).
QPixmap forScreen(QPixmap (*draw)(double scale), double devicePixelRatio);

} // namespace pumpvale::artwork
