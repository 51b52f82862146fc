// A duty point run through the window's steps: where each kind of point stops, with which status and
// which messages. That the figures and messages are the window's own is held by tests/ui.
#include "cases/window_run.h"
#include "tests/near.h"

#include <functional>
#include <gtest/gtest.h>

namespace pumpvale::cases {
namespace {

// The worked example as a duty list row gives it: 60 psi, 10 GPM, one stage, all year round, US Dollars
// at their usual price, the 1-inch inlet, the compressor entries' presets.
DutyPoint workedExample() {
    return {UnitSystem::English, PumpStages::One, "60",          "10", "90", "52", "7", "24",
            "US Dollars",        "0.065",         InletSize::One};
}

struct RunCase {
    const char* name;
    std::function<void(DutyPoint&)> change;
    RunStatus status;
    RunStop stop;
    Messages messages;
};
void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

using enum RunStatus;
using enum RunStop;

// clang-format off
const RunCase kRunCases[] = {
    {"WorkedExample",         [](DutyPoint&) {},                                    Costed,  Results,           {}},
    {"OutsideTheAoddFlows",   [](DutyPoint& p) { p.flow = "250"; },                PcOnly,  Results,           {msg::kFlowAboveAoddRange}},
    {"ThreeInchShortOfAir",   [](DutyPoint& p) { p.pressure = "50"; p.flow = "60"; p.airPressure = "50";
                                                 p.inlet = InletSize::Three; },    PcOnly,  Results,           {msg::kAirPressureInsufficientNoLarger}},
    {"TooManyWeeks",          [](DutyPoint& p) { p.weeks = "60"; },                Refused, OperatingDataStep, {msg::kTooManyWeeks, msg::kTooManyWeeks}},
    {"NoCurrency",            [](DutyPoint& p) { p.currency = ""; p.price = ""; }, Refused, OperatingDataStep, {msg::kInvalidPrice, msg::kSelectCurrency}},
    {"NoInlet",               [](DutyPoint& p) { p.inlet.reset(); },               Refused, InletStep,         {msg::kSelectInletDiameter}},
    {"InletTooSmall",         [](DutyPoint& p) { p.inlet = InletSize::Quarter; },  Refused, InletStep,         {msg::kFlowTooHighPlain, msg::kSelectLargerInlet}},
    {"ThreeCompressorStages", [](DutyPoint& p) { p.compressorStages = "3"; },      Refused, CostButton,        {msg::kChooseOneOrTwo, msg::kChooseOneOrTwo}},
};
// clang-format on

class RunAsTheWindow : public ::testing::TestWithParam<RunCase> {};

TEST_P(RunAsTheWindow, StopsWhereTheWindowStops) {
    DutyPoint point = workedExample();
    GetParam().change(point);
    const WindowRun run = runAsTheWindow(point, true);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.stop, GetParam().stop);
    EXPECT_EQ(run.messages, GetParam().messages);
    EXPECT_EQ(run.costs.has_value(), run.status != Refused);
}
INSTANTIATE_TEST_SUITE_P(Points, RunAsTheWindow, ::testing::ValuesIn(kRunCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The engineers' worked example costs 1,173.18 a year with its AODD pump, as printed.
TEST(RunAsTheWindow, WorkedExampleGivesThePrintedFigures) {
    const WindowRun run = runAsTheWindow(workedExample(), true);
    ASSERT_TRUE(run.costs);
    EXPECT_TRUE(near(run.costs->aoddAnnualCost, 1173.18, 5e-6));
    EXPECT_TRUE(near(run.costs->totalSavings, run.costs->aoddAnnualCost - run.costs->pcAnnualCost));
    ASSERT_TRUE(run.inlets);
    const InletComparisonRow& oneInch = (*run.inlets)[static_cast<std::size_t>(InletSize::One)];
    ASSERT_TRUE(oneInch.costs);
    EXPECT_EQ(oneInch.costs->aoddAnnualCost, run.costs->aoddAnnualCost);
}

} // namespace
} // namespace pumpvale::cases
