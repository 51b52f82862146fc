// What assistive tools see of the program's buttons and windows.
//
// Qt's own interface for a button checks an option on its Toggle action with toggle(), which emits no
// clicked(): an option chosen by voice control or switch access would leave the window half changed,
// since the handlers answer clicks. The interface here runs click() for Press and Toggle alike, so every
// way of choosing runs the same handler. Windows report the role of a window, with a name.
#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

namespace pumpvale {

// Gives button an interface whose Press and Toggle actions click it. Call before any assistive tool
// asks for the button, that is, while its window is being built.
void makeActionsClick(QAbstractButton& button);

// Gives window the role of a window and the accessible name name; its title is left as it is.
void nameWindow(QWidget& window, const QString& name);

} // namespace pumpvale
