// How the program starts, shared by main() and the start-up measurement so that both start alike.
#pragma once

class QString;
class QWidget;

namespace pumpvale {

class Navigator;

// Gives the application its identity (desktop entry; the icon once the intro has first been drawn),
// lets it end when its last window closes, and shows the intro window, which it returns. Nothing else
// is created.
QWidget* startPumpvale(Navigator& navigator);

// The same identity, then the calculator instead of the intro, with the case in file opened as "Open
// Case" opens it once the window is up; returns the calculator.
QWidget* startPumpvaleWithCase(Navigator& navigator, const QString& file);

} // namespace pumpvale
