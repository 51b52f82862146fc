// How the program starts, shared by main() and the start-up measurement so that both start alike.
#pragma once

class QWidget;

namespace pumpvale {

class Navigator;

// Gives the application its identity (desktop entry; the icon once the intro has first been drawn),
// lets it end when its last window closes, and shows the intro window, which it returns. Nothing else
// is created.
QWidget* startPumpvale(Navigator& navigator);

} // namespace pumpvale
