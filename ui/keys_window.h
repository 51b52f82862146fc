// "Keys and Actions": every shortcut and what it does, opened by F1 in any window of the program, so
// that the actions that live in context menus and shortcuts can be found without the manual.
#pragma once

#include "ui/shortcuts.h"

#include <QDialog>
#include <initializer_list>
#include <span>

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
QString offeredActions(std::span<const KeyEntry> actions, const QString& where);
inline QString offeredActions(std::initializer_list<KeyEntry> actions, const QString& where) {
    return offeredActions(std::span<const KeyEntry>(actions.begin(), actions.size()), where);
}

// Tells a newcomer of F1 without changing what window shows: its tooltip (over any part without one of
// its own), its What's This, its status tip and, where it has none, its accessible description.
void pointToKeysHelp(QWidget& window);

// F1 in any window of the application opens the window (one at a time), owned by the active window.
void installKeysHelp();

} // namespace pumpvale
