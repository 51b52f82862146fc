// "Keys and Actions": every shortcut and what it does, opened by F1 in any window of the program, so
// that the actions that live in context menus and shortcuts can be found without the manual.
#pragma once

#include "ui/shortcuts.h"

#include <QDialog>
#include <initializer_list>

class QTableWidget;

namespace pumpvale {

class KeysWindow final : public QDialog {
    Q_OBJECT
public:
    explicit KeysWindow(QWidget* parent = nullptr);

    const QTableWidget& table() const { return *table_; }

private:
    QTableWidget* table_ = nullptr;
};

// A group's tooltip that says what a right-click where offers, with each action's keys: "Right-click
// here for Compare Inlet Sizes... (Ctrl+I). F1 lists every key."
QString offeredActions(std::initializer_list<KeyEntry> actions, const QString& where);

// F1 in any window of the application opens the window (one at a time), owned by the active window.
void installKeysHelp();

} // namespace pumpvale
