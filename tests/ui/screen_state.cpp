#include "screen_state.h"

#include "ui/window_parts.h"

#include <QWidget>
#include <algorithm>

namespace pumpvale {
namespace {

// clang-format off

// Controls that every state shows, with the exit button always enabled.
constexpr std::string_view kAlwaysShown = "Frame3 Option9 Option10 Command6 Image1 Shape1 Label6";

// The controls whose visibility the workflow changes.
constexpr std::string_view kWorkflowControls =
    "Frame1 Frame2 Frame4 Frame7 Command2 Frame5 Command3 Command1 Frame6 Command4 Command7 "
    "Frame8 Label22 Text10 Label23 Text11 Label24 Text12 Command5";

// Recurring sets, by name.
struct ControlSet {
    std::string_view name;
    std::string_view controls;
};
constexpr std::array kControlSets{
    ControlSet{"stepOne",          "Frame1 Frame2 Frame4 Frame7 Command2"},
    ControlSet{"stepOneInputs",    "Option7 Option8 Option9 Option10 Text1 Text2 Text3 Text6 Text7 Text8 Text9 Combo1"},
    ControlSet{"inletStep",        "Frame5 Command3 Command1"},
    ControlSet{"inletInputs",      "Option1 Option2 Option3 Option4 Option5 Option6 Command3 Command1"},
    ControlSet{"compressorStep",   "Frame6 Command4 Command7"},
    ControlSet{"compressorInputs", "Text4 Text5"},
    ControlSet{"costButtons",      "Command4 Command7"},
    ControlSet{"durvaneRow",       "Frame8 Label22 Text10 Command5"},
    ControlSet{"otherRows",        "Label23 Text11 Label24 Text12"},
    ControlSet{"resultBoxes",      "Text10 Text11 Text12"},
};

struct StateRow {
    ScreenState state;
    std::string_view name;
    std::string_view shown; // besides kAlwaysShown
    std::string_view enabled;
    std::string_view disabled;
};

using enum ScreenState;
constexpr std::array kStateRows{
    //       state               name                  shown                                                    enabled                          disabled
    StateRow{UnitChoice,         "UnitChoice",         "",                                                      "Option9 Option10",              ""},
    StateRow{OperatingDataStep,  "OperatingDataStep",  "stepOne",                                               "stepOneInputs Command2",        ""},
    StateRow{InletStep,          "InletStep",          "stepOne inletStep",                                     "inletInputs",                   "stepOneInputs Command2"},
    StateRow{CompressorStep,     "CompressorStep",     "stepOne inletStep compressorStep",                      "compressorInputs costButtons",  "stepOneInputs Command2 inletInputs"},
    StateRow{FullResults,        "FullResults",        "stepOne inletStep compressorStep durvaneRow otherRows", "resultBoxes Command7 Command5", "stepOneInputs Command2 inletInputs compressorInputs Command4"},
    StateRow{PcOnlyStep,         "PcOnlyStep",         "stepOne costButtons",                                   "costButtons",                   "stepOneInputs Command2"},
    StateRow{PcOnlyResults,      "PcOnlyResults",      "stepOne costButtons durvaneRow",                        "Text10 Command7 Command5",      "stepOneInputs Command2 compressorInputs Command4"},
    StateRow{InletPcOnlyResults, "InletPcOnlyResults", "stepOne inletStep durvaneRow",                          "Text10 Command5",               "stepOneInputs Command2 inletInputs compressorInputs"},
};

// clang-format on

// rowOf() indexes the table by state.
constexpr bool rowsInStateOrder() {
    for (std::size_t i = 0; i < kStateRows.size(); ++i)
        if (kStateRows[i].state != kScreenStates[i])
            return false;
    return kStateRows.size() == kScreenStates.size();
}
static_assert(rowsInStateOrder());

const StateRow& rowOf(ScreenState state) {
    return kStateRows[static_cast<std::size_t>(state)];
}

// The control names of a list, with the names of sets expanded.
void expand(std::string_view list, std::vector<std::string_view>& names) {
    while (!list.empty()) {
        const std::size_t blank = list.find(' ');
        const std::string_view name = list.substr(0, blank);
        list.remove_prefix(blank == std::string_view::npos ? list.size() : blank + 1);
        if (name.empty())
            continue;
        const auto* set = std::ranges::find(kControlSets, name, &ControlSet::name);
        if (set != kControlSets.end())
            expand(set->controls, names);
        else
            names.push_back(name);
    }
}

std::vector<std::string_view> namesOf(std::string_view list) {
    std::vector<std::string_view> names;
    expand(list, names);
    return names;
}

bool contains(const std::vector<std::string_view>& names, std::string_view name) {
    return std::ranges::find(names, name) != names.end();
}

} // namespace

std::string_view nameOf(ScreenState state) {
    return rowOf(state).name;
}

std::vector<std::string> screenStateMismatches(const QWidget& window, ScreenState state) {
    const StateRow& row = rowOf(state);
    std::vector<std::string> mismatches;
    const auto check = [&](std::string_view name, bool expected, bool actual, std::string_view what,
                           std::string_view opposite) {
        if (expected != actual)
            mismatches.push_back(std::string(name) + " is " + std::string(actual ? what : opposite));
    };
    const auto control = [&](std::string_view name) -> const QWidget* {
        const auto* widget = window.findChild<QWidget*>(parts::qText(name));
        if (widget == nullptr)
            mismatches.push_back(std::string(name) + " does not exist");
        return widget;
    };

    auto shown = namesOf(kAlwaysShown);
    const auto alsoShown = namesOf(row.shown);
    shown.insert(shown.end(), alsoShown.begin(), alsoShown.end());
    auto universe = namesOf(kAlwaysShown);
    const auto workflow = namesOf(kWorkflowControls);
    universe.insert(universe.end(), workflow.begin(), workflow.end());
    for (const auto name : universe)
        if (const auto* widget = control(name))
            check(name, contains(shown, name), widget->isVisibleTo(&window), "shown", "hidden");

    auto enabled = namesOf(row.enabled);
    enabled.emplace_back("Command6");
    for (const auto name : enabled)
        if (const auto* widget = control(name))
            check(name, true, widget->isEnabled(), "enabled", "disabled");
    for (const auto name : namesOf(row.disabled))
        if (const auto* widget = control(name))
            check(name, false, widget->isEnabled(), "enabled", "disabled");
    return mismatches;
}

} // namespace pumpvale
