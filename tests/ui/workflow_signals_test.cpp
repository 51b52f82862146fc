// The main window announces its workflow: each step that locks or reopens step one, or shows or takes
// away results, says so once, and nothing else does.
#include "test_support.h"

#include <QSignalSpy>

namespace pumpvale::testing {
namespace {

struct Announcement {
    const char* name;
    ScreenState from;
    const char* click;
    int accepted, reopened, shown, withdrawn;
    bool acceptedAfter, shownAfter;
};

void PrintTo(const Announcement& a, std::ostream* os) {
    *os << a.name;
}

using enum ScreenState;
// clang-format off
constexpr Announcement kAnnouncements[] = {
    //            name                        from                click        acc reo sho wit  accepted after, shown after
    Announcement{"StepOneAccepted",          OperatingDataStep,  "Command2",  1,  0,  0,  0,   true,  false},
    Announcement{"PcCostShown",              PcOnlyStep,         "Command4",  0,  0,  1,  0,   true,  true},
    Announcement{"BackFromTheInletStep",     InletStep,          "Command1",  0,  1,  0,  0,   false, false},
    Announcement{"InletStepLeadsOn",         InletStep,          "Command3",  0,  0,  0,  0,   true,  false},
    Announcement{"CostsShown",               CompressorStep,     "Command4",  0,  0,  1,  0,   true,  true},
    Announcement{"BackFromTheResults",       FullResults,        "Command7",  0,  0,  0,  1,   true,  false},
    Announcement{"RunAgain",                 FullResults,        "Command5",  0,  1,  0,  1,   false, false},
    Announcement{"BackFromThePcCostAlone",   PcOnlyResults,      "Command7",  0,  1,  0,  1,   false, false},
    Announcement{"RunAgainAfterTheInletStep",InletPcOnlyResults, "Command5",  0,  1,  0,  1,   false, false},
};
// clang-format on

class WorkflowSignals : public MainWindowTest, public ::testing::WithParamInterface<Announcement> {};

TEST_P(WorkflowSignals, AreEachSentOnceWhenTheWorkflowMoves) {
    const Announcement& a = GetParam();
    ui.reach(a.from);
    Form2& window = ui.window();
    QSignalSpy accepted(&window, &Form2::stepOneAccepted), reopened(&window, &Form2::stepOneReopened),
        shown(&window, &Form2::resultsShown), withdrawn(&window, &Form2::resultsWithdrawn);
    ui.click(a.click);
    EXPECT_EQ(accepted.count(), a.accepted);
    EXPECT_EQ(reopened.count(), a.reopened);
    EXPECT_EQ(shown.count(), a.shown);
    EXPECT_EQ(withdrawn.count(), a.withdrawn);
    EXPECT_EQ(window.isStepOneAccepted(), a.acceptedAfter);
    EXPECT_EQ(window.areResultsShown(), a.shownAfter);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, WorkflowSignals, ::testing::ValuesIn(kAnnouncements),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pumpvale::testing
