// What a screen reader hears in the main window, and the caption clicks users expect.
#pragma once

class QLabel;
class QWidget;

namespace pumpvale {

struct MainWindowControls;

// Gives every control of the main window (window, its controls as built from its control table) that takes
// the focus or shows a figure an accessible name saying what it is, with its unit; gives the entries their
// accepted range as accessible description; makes each caption the buddy of its entry or option, and lets a
// click on an option's caption choose the option. The names follow the unit system and the currency as
// they change. Touches nothing that is drawn.
void makeMainWindowAccessible(QWidget& window, const MainWindowControls& controls);

// Gives label an interface that a screen reader reads as a read-only text: its words through the text
// interface (characters, words, lines), not only its accessible name. For a label whose words change,
// such as a window's messages. Call while the window is being built.
void makeReadableText(QLabel& label);

} // namespace pumpvale
