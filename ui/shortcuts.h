// Every key the program offers beyond its controls, written once: the actions take their keys from
// here, the "Keys and Actions" window lists them, and a test holds the manual page to them.
#pragma once

#include <QKeySequence>
#include <array>
#include <string_view>

class QAction;
class QWidget;

namespace pumpvale {

struct KeyEntry {
    std::string_view keys;   // as the user reads them; for an action, QKeySequence's portable text
    std::string_view action; // the action's text, as its menu shows it
    std::string_view when;   // where or when it works
};

namespace keys {
// clang-format off
inline constexpr KeyEntry kHelp      {"F1",     "Keys and Actions",       "in every window"};
inline constexpr KeyEntry kOpenCase  {"Ctrl+O", "Open Case...",           "in the calculator"};
inline constexpr KeyEntry kSaveCase  {"Ctrl+S", "Save Case...",           "once the operating data is accepted"};
inline constexpr KeyEntry kCompare   {"Ctrl+I", "Compare Inlet Sizes...", "once the operating data is accepted"};
inline constexpr KeyEntry kDetails   {"Ctrl+D", "Calculation Details...", "while a result is shown"};
inline constexpr KeyEntry kCopy      {"Ctrl+C", "Copy Results",           "while a result is shown"};
inline constexpr KeyEntry kPrint     {"Ctrl+P", "Print Report...",        "while a result is shown"};
inline constexpr KeyEntry kExport    {"Ctrl+E", "Export Report...",       "while a result is shown"};
inline constexpr KeyEntry kSavings   {"Ctrl+T", "Savings Over Time...",   "while a result is shown"};
inline constexpr KeyEntry kPrintPlant {"Ctrl+P", "Print Plant Report...",  "in the plant list"};
inline constexpr KeyEntry kExportPlant{"Ctrl+E", "Export Plant Report...", "in the plant list"};
// clang-format on
} // namespace keys

// The actions, in the order the "Keys and Actions" window lists them.
inline constexpr std::array kActionKeys{keys::kHelp,    keys::kOpenCase, keys::kSaveCase,
                                        keys::kCompare, keys::kDetails,  keys::kCopy,
                                        keys::kPrint,   keys::kExport,   keys::kSavings};

// The actions that act on a result shown, in the list's order: every one but the keys list and Open
// Case, which stand before any result. The results' right-click offers these.
inline constexpr auto kResultKeys = [] {
    std::array<KeyEntry, kActionKeys.size() - 2> out{};
    std::size_t n = 0;
    for (const KeyEntry& entry : kActionKeys)
        if (entry.action != keys::kHelp.action && entry.action != keys::kOpenCase.action)
            out[n++] = entry;
    return out;
}();

// The plant list's actions, listed after the calculator's.
inline constexpr std::array kPlantListKeys{keys::kPrintPlant, keys::kExportPlant};

// The keys that move about the windows, listed after the actions.
// clang-format off
inline constexpr std::array kMovingKeys{
    KeyEntry{"Tab, Shift+Tab",  "Move to the next or the previous control", "in every window"},
    KeyEntry{"Space, Enter",    "Press the focused button",                 "in every window"},
    KeyEntry{"Arrow keys",      "Choose among options, currencies and table cells", "in every window"},
    KeyEntry{"Menu, Shift+F10", "Open a group's or a result's actions",     "in the calculator"},
    KeyEntry{"Enter, double click", "Open the duty point in the calculator", "in the plant list"},
    KeyEntry{"Escape",          "Close the window",                         "in the side windows"},
};
// clang-format on

// The key of an action entry.
QKeySequence keySequence(const KeyEntry& entry);

// The one way an action is made from the table: an action of window, named and keyed as entry says,
// added to the window so that its key works there. standard, when given, adds the desktop's other keys
// for the same command (Ctrl+Insert for Copy, say).
QAction* addKeyedAction(QWidget& window, const KeyEntry& entry,
                        QKeySequence::StandardKey standard = QKeySequence::UnknownKey);

// The action of window made from entry, or null where none is (yet).
QAction* keyedAction(const QWidget& window, const KeyEntry& entry);

} // namespace pumpvale
