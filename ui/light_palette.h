// The colours every window of the program is drawn in, whatever the desktop's colour scheme.
#pragma once

#include <QPalette>

namespace pumpvale {

// A complete light palette: every role of every colour group is set, so a dark application palette
// reaches no control. The colours are those of Qt's Fusion style, the look the windows were designed in.
QPalette lightPalette();

} // namespace pumpvale
