// The keys that work alike in every window of the program.
#pragma once

class QWidget;

namespace pumpvale::keyboard {

// Enter and Return press the focused push button of window, as Space does, whether or not the button
// handles them itself.
void pressFocusedButtonOnEnter(QWidget& window);

// Escape closes window. For the side windows; the main window and the intro stay open.
void closeOnEscape(QWidget& window);

} // namespace pumpvale::keyboard
