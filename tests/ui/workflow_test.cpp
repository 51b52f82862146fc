// The main window's workflow, driven by mouse and keyboard: the unit switch, the steps and their
// results, and the ways back.
#include "test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace pumpvale::testing {
namespace {

using enum ScreenState;

// --- Every transition between the screen states ---

using Action = void (*)(MainWindowDriver&);

struct Transition {
    const char* name;
    Action path; // from the start to from
    ScreenState from;
    Action event;
    ScreenState to;
};

void PrintTo(const Transition& t, std::ostream* os) {
    *os << t.name;
}

// clang-format off
// Paths.
void start(MainWindowDriver&) {}
void atOperatingData(MainWindowDriver& ui) { ui.reach(OperatingDataStep); }
void withTooHighFlow(MainWindowDriver& ui) { ui.reach(OperatingDataStep); ui.type("Text2", "250"); }
void withNoPrice(MainWindowDriver& ui) { ui.reach(OperatingDataStep); ui.erase("Text9"); }
void atInletStep(MainWindowDriver& ui) { ui.reach(InletStep); }
void withOneInch(MainWindowDriver& ui) { ui.reach(InletStep); ui.click("Option3"); }
void withThreeInchShort(MainWindowDriver& ui) { ui.enterWorkedExample(); ui.askForTheThreeInchPumpShortOfAir(); }
void atCompressorStep(MainWindowDriver& ui) { ui.reach(CompressorStep); }
void withThreeStages(MainWindowDriver& ui) { ui.reach(CompressorStep); ui.type("Text4", "3"); }
void afterRejectedEntry(MainWindowDriver& ui) { withThreeStages(ui); ui.click("Command4"); }
void atFullResults(MainWindowDriver& ui) { ui.reach(FullResults); }
void atPcOnlyStep(MainWindowDriver& ui) { ui.reach(PcOnlyStep); }
void atPcOnlyResults(MainWindowDriver& ui) { ui.reach(PcOnlyResults); }
void atInletPcOnly(MainWindowDriver& ui) { ui.reach(InletPcOnlyResults); }
// Events.
void chooseEnglish(MainWindowDriver& ui) { ui.click("Option9"); }
void chooseSi(MainWindowDriver& ui) { ui.click("Option10"); }
void pressContinue(MainWindowDriver& ui) { ui.click("Command2"); }
void pressInletContinue(MainWindowDriver& ui) { ui.click("Command3"); }
void pressInletGoBack(MainWindowDriver& ui) { ui.click("Command1"); }
void pressFindCost(MainWindowDriver& ui) { ui.click("Command4"); }
void pressGoBack(MainWindowDriver& ui) { ui.click("Command7"); }
void pressRunAgain(MainWindowDriver& ui) { ui.click("Command5"); }

const Transition kTransitions[] = {
    {"UnitChosen",                         start,              UnitChoice,         chooseEnglish,      OperatingDataStep},
    {"UnitSwitched",                       atOperatingData,    OperatingDataStep,  chooseSi,           OperatingDataStep},
    {"StepOneAccepted",                    atOperatingData,    OperatingDataStep,  pressContinue,      InletStep},
    {"StepOneOutsideTheAoddRange",         withTooHighFlow,    OperatingDataStep,  pressContinue,      PcOnlyStep},
    {"StepOneRejected",                    withNoPrice,        OperatingDataStep,  pressContinue,      OperatingDataStep},
    {"InletAccepted",                      withOneInch,        InletStep,          pressInletContinue, CompressorStep},
    {"InletShortOfAirWithTheLargest",      withThreeInchShort, InletStep,          pressInletContinue, InletPcOnlyResults},
    {"InletNotChosen",                     atInletStep,        InletStep,          pressInletContinue, InletStep},
    {"GoBackFromTheInletStep",             atInletStep,        InletStep,          pressInletGoBack,   OperatingDataStep},
    {"CostsFound",                         atCompressorStep,   CompressorStep,     pressFindCost,      FullResults},
    {"CompressorEntryRejected",            withThreeStages,    CompressorStep,     pressFindCost,      CompressorStep},
    {"PcCostFound",                        atPcOnlyStep,       PcOnlyStep,         pressFindCost,      PcOnlyResults},
    {"GoBackFromTheCompressorStep",        atCompressorStep,   CompressorStep,     pressGoBack,        InletStep},
    {"GoBackFromTheFullResults",           atFullResults,      FullResults,        pressGoBack,        InletStep},
    {"GoBackAfterARejectedEntryDoesNothing", afterRejectedEntry, CompressorStep,   pressGoBack,        CompressorStep},
    {"GoBackFromThePcOnlyStep",            atPcOnlyStep,       PcOnlyStep,         pressGoBack,        OperatingDataStep},
    {"GoBackFromThePcOnlyResults",         atPcOnlyResults,    PcOnlyResults,      pressGoBack,        OperatingDataStep},
    {"RunAgainFromTheFullResults",         atFullResults,      FullResults,        pressRunAgain,      OperatingDataStep},
    {"RunAgainFromThePcOnlyResults",       atPcOnlyResults,    PcOnlyResults,      pressRunAgain,      OperatingDataStep},
    {"RunAgainFromTheInletPcOnlyResults",  atInletPcOnly,      InletPcOnlyResults, pressRunAgain,      OperatingDataStep},
};
// clang-format on

class ScreenTransition : public MainWindowTest, public ::testing::WithParamInterface<Transition> {};

TEST_P(ScreenTransition, LeadsToItsState) {
    const Transition& t = GetParam();
    t.path(ui);
    ASSERT_TRUE(isIn(ui.window(), t.from));
    t.event(ui);
    EXPECT_TRUE(isIn(ui.window(), t.to));
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ScreenTransition, ::testing::ValuesIn(kTransitions),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Whole calculations ---

// The 1-inch table at 10 GPM and 60 psi reads 13.5 SCFM at 77 psi. By hand, with 8736 hours a year at
// 0.065 per kWh:
//   PC pump:    efficiency 0.3 + 60 x 0.003448275862 = 0.5068966, power 600 / (0.5068966 x 1714)
//               = 0.6905913 hp, cost 8736 x 0.065 x 0.6905913 x 0.746 = 292.5404
//   compressor: ratio (14.7 + 77) / 14.7 = 6.2380952, exponent 0.395 / 1.395 = 0.2831541,
//               ideal power (1 / 229.2) x 14.7 x 13.5 x (1.395 / 0.395) x (6.2380952^0.2831541 - 1)
//               = 2.0771138 hp; at 75 percent 2.7694851 hp, cost 2.7694851 x 0.746 x 567.84 = 1173.1778
//   savings:    1173.1778 - 292.5404 = 880.6374
TEST_F(MainWindowTest, FullCalculationFromTheUnitChoiceToTheResults) {
    ui.reach(FullResults);
    EXPECT_EQ(ui.messages.shown, Messages{});
    EXPECT_TRUE(isIn(ui.window(), FullResults));
    EXPECT_EQ(ui.text("Text10"), "292.54");
    EXPECT_EQ(ui.text("Text11"), "1,173.18");
    EXPECT_EQ(ui.text("Text12"), "880.64");
    for (const char* name : {"Label32", "Label33", "Label34"})
        EXPECT_EQ(ui.text(name), "US Dollars") << name;
}

TEST_F(MainWindowTest, ResultsUseTheUsersSeparators) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ui.reach(FullResults);
    EXPECT_EQ(ui.text("Text10"), "292,54");
    EXPECT_EQ(ui.text("Text11"), "1.173,18");
    EXPECT_EQ(ui.text("Text12"), "880,64");
}

// 250 GPM at 60 psi: power 15000 / (0.5068966 x 1714) = 17.2647822 hp, cost 8736 x 0.065 x 17.2647822 x
// 0.746 = 7313.5109.
TEST_F(MainWindowTest, FlowAboveTheAoddRangeCostsThePcPumpAlone) {
    ui.reach(PcOnlyStep);
    EXPECT_EQ(ui.messages.shown, Messages{msg::kFlowAboveAoddRange});
    EXPECT_TRUE(isIn(ui.window(), PcOnlyStep));
    ui.click("Command4");
    EXPECT_TRUE(isIn(ui.window(), PcOnlyResults));
    EXPECT_EQ(ui.text("Text10"), "7,313.51");
    EXPECT_EQ(ui.text("Label33"), "US Dollars");
    EXPECT_EQ(ui.text("Label32"), "");
    EXPECT_EQ(ui.text("Label34"), "");
}

// 60 GPM at 50 psi: the 3-inch pump needs 58 psi of air; with 50 psi available only the PC pump is
// costed: efficiency 0.3 + 50 x 0.003448275862 = 0.4724138, power 3000 / (0.4724138 x 1714)
// = 3.7049757 hp, cost 8736 x 0.065 x 3.7049757 x 0.746 = 1569.4688.
TEST_F(MainWindowTest, ThreeInchInletShortOfAirCostsThePcPumpAlone) {
    ui.reach(InletPcOnlyResults);
    EXPECT_EQ(ui.messages.shown, Messages{msg::kAirPressureInsufficientNoLarger});
    EXPECT_TRUE(isIn(ui.window(), InletPcOnlyResults));
    EXPECT_EQ(ui.text("Text10"), "1,569.47");
    EXPECT_EQ(ui.text("Label33"), "US Dollars");
}

// The inlet step's hand-over used to leave the currency labels and the cost box as they were: no
// currency on a first run; after "Go Back" the currency of the earlier run, beside a disabled box.
TEST_F(MainWindowTest, InletPcOnlyHandOverLeftTheCurrencyLabelsAsTheyWere) {
    ui.reach(FullResults);
    ui.click("Command7");
    ui.click("Command1");
    ui.chooseCurrency("Euro");
    ui.askForTheThreeInchPumpShortOfAir();
    ui.click("Command3");
    ASSERT_TRUE(isIn(ui.window(), InletPcOnlyResults));
    EXPECT_EQ(ui.text("Label33"), "Euro");
    EXPECT_EQ(ui.text("Label32"), "");
    EXPECT_EQ(ui.text("Label34"), "");
    EXPECT_TRUE(ui.control("Text10")->isEnabled());
}

TEST_F(MainWindowTest, ResultBoxesCouldBeTypedOver) {
    ui.reach(PcOnlyResults);
    for (const char* name : {"Text10", "Text11", "Text12"})
        EXPECT_TRUE(ui.control<QLineEdit>(name)->isReadOnly()) << name;
    auto* box = ui.control<QLineEdit>("Text10");
    box->setFocus();
    QTest::keyClicks(box, "0");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "7,313.51");
    box->selectAll();
    EXPECT_EQ(box->selectedText(), "7,313.51");
}

// --- The ways back ---

// The cost button disables itself; the focus must not fall on the first result box and show its
// figure selected, as if it were there to be typed over.
TEST_F(MainWindowTest, ResultsLeftTheFirstAmountSelected) {
    for (const ScreenState state : {FullResults, PcOnlyResults, InletPcOnlyResults}) {
        MainWindowDriver window;
        window.reach(state);
        EXPECT_TRUE(window.control("Command5")->hasFocus()) << nameOf(state);
        EXPECT_FALSE(window.control<QLineEdit>("Text10")->hasSelectedText()) << nameOf(state);
    }
}

TEST_F(MainWindowTest, GoBackAfterARejectedCompressorEntryDoesNothingUntilItIsCorrected) {
    ui.reach(CompressorStep);
    ui.type("Text4", "3");
    ui.click("Command4");
    ui.click("Command7");
    EXPECT_TRUE(isIn(ui.window(), CompressorStep));
    ui.type("Text4", "1");
    ui.click("Command4");
    ui.click("Command7");
    EXPECT_TRUE(isIn(ui.window(), InletStep));
    EXPECT_TRUE(ui.control<QRadioButton>("Option3")->isChecked());
    EXPECT_EQ(ui.text("Text10"), "292.54");
    EXPECT_FALSE(ui.control("Text10")->isEnabled());
}

TEST_F(MainWindowTest, RunAgainKeepsTheEntriesAndRepeatsTheCalculation) {
    ui.reach(FullResults);
    ui.click("Command5");
    EXPECT_TRUE(isIn(ui.window(), OperatingDataStep));
    EXPECT_EQ(ui.text("Text1"), "60");
    EXPECT_EQ(ui.text("Text2"), "10");
    EXPECT_EQ(ui.text("Text3"), "90");
    EXPECT_EQ(ui.text("Text9"), "0.065");
    EXPECT_EQ(ui.control<QComboBox>("Combo1")->currentText(), "US Dollars");
    EXPECT_TRUE(ui.control<QRadioButton>("Option9")->isChecked());
    EXPECT_TRUE(ui.control<QRadioButton>("Option7")->isChecked());
    ui.click("Command2");
    ui.click("Command3");
    ui.click("Command4");
    EXPECT_TRUE(isIn(ui.window(), FullResults));
    EXPECT_EQ(ui.text("Text12"), "880.64");
}

// The flags of the edit checks are cleared by "Press to Run Again"; closing step one judges the flow
// left in its entry again and warns once more.
TEST_F(MainWindowTest, RunAgainThenContinueJudgesAFlowLeftInItsEntryAgain) {
    ui.reach(PcOnlyResults);
    ui.click("Command5");
    ui.messages.shown.clear();
    ui.click("Command2");
    EXPECT_EQ(ui.messages.shown, Messages{msg::kFlowAboveAoddRange});
    EXPECT_TRUE(isIn(ui.window(), PcOnlyStep));
}

// --- The unit switch ---

TEST_F(MainWindowTest, SiUnitsRelabelTheWindow) {
    ui.click("Option10");
    EXPECT_TRUE(isIn(ui.window(), OperatingDataStep));
    EXPECT_EQ(ui.text("Label29"), "Bar");
    EXPECT_EQ(ui.text("Label30"), "l/min");
    EXPECT_EQ(ui.text("Label31"), "Bar");
    EXPECT_EQ(ui.text("Text3"), "6.5");
    const auto blanks = [](int n) { return QString(n, ' '); };
    EXPECT_EQ(ui.text("Label8"),
              "Inlet of 6.35mm" + blanks(8) + "(1/4 in.)" + blanks(8) + "(3.8 to 11.4 l/min)");
    EXPECT_EQ(ui.text("Label9"),
              "Inlet of 12.7mm" + blanks(8) + "(1/2 in.)" + blanks(8) + "(3.8 to 37.9 l/min)");
    EXPECT_EQ(ui.text("Label10"),
              "Inlet of 25.4mm" + blanks(8) + "(1 in.)" + blanks(9) + "(7.6 to 113.6 l/min)");
    EXPECT_EQ(ui.text("Label11"),
              "Inlet of 38.1mm" + blanks(6) + "(1 1/2 in.)" + blanks(2) + "(18.9 to 189.3 l/min)");
    EXPECT_EQ(ui.text("Label12"),
              "Inlet of 50.8mm" + blanks(9) + "(2 in.)" + blanks(6) + "(37.9 to 473.2 l/min)");
    EXPECT_EQ(ui.text("Label13"),
              "Inlet of 76.2mm" + blanks(9) + "(3 in.)" + blanks(6) + "(56.8 to 757.1 l/min)");
}

TEST_F(MainWindowTest, SwitchingUnitsPresetsTheAirPressureAgain) {
    ui.click("Option9");
    EXPECT_EQ(ui.text("Label29"), "psi");
    EXPECT_EQ(ui.text("Label30"), "GPM");
    ui.type("Text3", "85");
    ui.click("Option10");
    ui.click("Option9");
    EXPECT_EQ(ui.text("Text3"), "90");
    EXPECT_EQ(ui.text("Label10"), "Inlet of 1 inch." + QString(20, ' ') + "(2 to 30 GPM)");
}

// --- Edit checks and the currency list ---

TEST_F(MainWindowTest, TypingAPressureChecksEveryKeystroke) {
    ui.click("Option9");
    ui.type("Text1", "1");
    EXPECT_EQ(ui.messages.shown, Messages{});
    ui.type("Text1", "150");
    // 1 is silent, 15 lies below 20 psi, 150 above 100 psi.
    EXPECT_EQ(ui.messages.shown, (Messages{msg::kPressureBelowAoddRange, msg::kPressureAboveAoddRange}));
    EXPECT_TRUE(ui.window().operatingCase().aoddPressureOutOfRange);
}

TEST_F(MainWindowTest, ErasingTheWeeksWarnsAtOnce) {
    ui.click("Option9");
    ui.erase("Text6");
    EXPECT_EQ(ui.messages.shown, Messages{msg::kInvalidSelection});
}

TEST_F(MainWindowTest, ChangesMadeByTheProgramAreCheckedToo) {
    ui.click("Option9");
    ui.control<QLineEdit>("Text6")->setText("60");
    EXPECT_EQ(ui.messages.shown, Messages{msg::kTooManyWeeks});
}

TEST_F(MainWindowTest, PickingACurrencyWritesItsDefaultPrice) {
    ui.click("Option9");
    ui.chooseCurrency("US Cents");
    EXPECT_EQ(ui.text("Text9"), "6.5");
    ui.chooseCurrency("Euro");
    EXPECT_EQ(ui.text("Text9"), "0.053");
    ui.type("Text9", "0.1");
    EXPECT_EQ(ui.text("Text9"), "0.1");
}

// A click on the 3-inch option looks the point up again even when the option is already chosen.
// 180 GPM at 50 psi lies where its table warns that interpolation may be inaccurate.
TEST_F(MainWindowTest, EveryClickOnTheThreeInchOptionLooksUp) {
    ui.enterWorkedExample();
    ui.type("Text1", "50");
    ui.type("Text2", "180");
    ui.click("Command2");
    ui.click("Option6");
    ui.click("Option6");
    EXPECT_EQ(ui.messages.shown, (Messages{msg::kThreeInchAdvisory, msg::kThreeInchAdvisory}));
}

} // namespace
} // namespace pumpvale::testing
