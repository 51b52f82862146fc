// The one guard of the main window's handlers: a control that is hidden or disabled in the current
// screen state does nothing, however it is set off.
#include "test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace pumpvale {

// States print as their names in test output.
inline void PrintTo(ScreenState state, std::ostream* os) {
    *os << nameOf(state);
}

namespace testing {
namespace {

using enum ScreenState;

// Every control that has a handler.
constexpr const char* kHandledControls[] = {
    "Option9", "Option10", "Text1",   "Text2",    "Text4",    "Text5",    "Text6",    "Text7",    "Text8",
    "Combo1",  "Command2", "Option6", "Command3", "Command1", "Command4", "Command7", "Command5", "Command6"};

bool operable(MainWindowDriver& ui, const char* name) {
    const QWidget* control = ui.control(name);
    return control->isVisibleTo(&ui.window()) && control->isEnabled();
}

// Sets the control's handler off the way a program or an assistive tool can, past what the mouse can
// reach: a click() on a hidden button, a signal from a disabled one, a text put into an entry.
void setOff(MainWindowDriver& ui, const char* name) {
    QWidget* control = ui.control(name);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (button->isEnabled())
            button->click();
        else
            emit button->clicked(false);
    } else if (auto* entry = qobject_cast<QLineEdit*>(control)) {
        entry->setText("1e308");
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        list->setCurrentIndex(1);
        emit list->activated(1);
    }
}

std::optional<ScreenState> stateOf(Form2& window) {
    for (const ScreenState state : kScreenStates)
        if (screenStateMismatches(window, state).empty())
            return state;
    return std::nullopt;
}

class EveryControlInEveryState : public ::testing::TestWithParam<ScreenState> {};

TEST_P(EveryControlInEveryState, LeavesTheWindowInANamedState) {
    const ScreenState state = GetParam();
    QLocale::setDefault(QLocale::c());
    MainWindowDriver ui;
    ui.reach(state);
    ASSERT_TRUE(isIn(ui.window(), state));
    ui.messages.shown.clear();
    const AnnualCosts before = ui.window().annualCosts();

    // The controls out of reach change nothing, together.
    std::vector<const char*> reachable;
    for (const char* name : kHandledControls) {
        if (operable(ui, name)) {
            reachable.push_back(name);
            continue;
        }
        setOff(ui, name);
        EXPECT_TRUE(isIn(ui.window(), state)) << name;
        EXPECT_EQ(ui.messages.shown, Messages{}) << name;
        EXPECT_EQ(ui.window().annualCosts().pcAnnualCost, before.pcAnnualCost) << name;
    }
    // Each reachable one, from the state afresh.
    for (const char* name : reachable) {
        MainWindowDriver fresh;
        fresh.reach(state);
        setOff(fresh, name);
        EXPECT_TRUE(stateOf(fresh.window())) << name << " left " << nameOf(state) << " for no named state";
    }
}

INSTANTIATE_TEST_SUITE_P(States, EveryControlInEveryState, ::testing::ValuesIn(kScreenStates),
                         [](const auto& info) { return std::string(nameOf(info.param)); });

// With endless operating time entered, a click on the hidden 3-inch option and its step's hidden
// "Press to Continue" opened the results with "-n.an"; after an accepted step one and "Go Back", "i.nf".
TEST_F(MainWindowTest, HiddenInletControlsShowedAFigureThatIsNotANumber) {
    ui.click("Option9");
    ui.type("Text1", "50");
    ui.type("Text2", "60");
    ui.control<QLineEdit>("Text6")->setText("1e308");
    ui.control<QLineEdit>("Text7")->setText("1e308");
    ui.control<QAbstractButton>("Option6")->click();
    ui.control<QAbstractButton>("Command3")->click();
    EXPECT_TRUE(isIn(ui.window(), OperatingDataStep));
    EXPECT_EQ(ui.text("Text10"), "");

    ui.type("Text6", "52");
    ui.type("Text7", "7");
    ui.chooseCurrency("US Dollars");
    ui.click("Command2");
    ui.click("Command1");
    ui.control<QLineEdit>("Text6")->setText("1e308");
    ui.control<QAbstractButton>("Option6")->click();
    ui.control<QAbstractButton>("Command3")->click();
    EXPECT_TRUE(isIn(ui.window(), OperatingDataStep));
    EXPECT_EQ(ui.text("Text10"), "");
}

} // namespace
} // namespace testing
} // namespace pumpvale
