#include "aodd/inlet_step.h"
#include "aodd/lookup.h"
#include "core/cost.h"
#include "tests/near.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace pumpvale {
namespace {

// The operating data of the engineers' worked example (one stage, all year round at 0.065 per kWh), as
// the first step leaves them, at the flow and pressure of each case.
OperatingCase acceptedOperatingData(double flowGpm, double pressurePsi, double airPressurePsi) {
    OperatingCase c;
    c.pcStages = PumpStages::One;
    c.flowGpm = flowGpm;
    c.pressurePsi = pressurePsi;
    c.airPressurePsi = airPressurePsi;
    c.weeksPerYear = 52;
    c.daysPerWeek = 7;
    c.hoursPerDay = 24;
    c.electricityPrice = 0.065;
    computePcPower(c);
    return c;
}

// The 3-inch option clicked at the current point.
void clickThreeInch(OperatingCase& c) {
    lookupThreeInch(c);
}

struct StepCase {
    const char* name;
    std::optional<InletSize> selected;
    double flowGpm;
    double pressurePsi;
    double airPressurePsi;
    Messages messages;
    InletHandover handover;
    StepStatus stepStatus;
};

void PrintTo(const StepCase& s, std::ostream* os) {
    *os << s.name;
}

class InletStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(InletStep, EndsAsThePointAndAirPressureAllow) {
    const StepCase& s = GetParam();
    OperatingCase c = acceptedOperatingData(s.flowGpm, s.pressurePsi, s.airPressurePsi);
    if (s.selected == InletSize::Three)
        clickThreeInch(c);
    AnnualCosts costs;
    const InletStepResult result = closeInletStep(c, costs, s.selected);
    EXPECT_EQ(result.messages, s.messages);
    EXPECT_EQ(result.handover, s.handover);
    EXPECT_EQ(c.stepStatus, s.stepStatus);
    EXPECT_EQ(c.inletSize, s.selected);
    EXPECT_EQ(costs.pcAnnualCost != 0, s.handover == InletHandover::PcCostOnly);
}

using H = InletHandover;
using S = StepStatus;
constexpr auto kOneAndHalf = InletSize::OneAndHalf;
constexpr auto kThree = InletSize::Three;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Closing, InletStep, ::testing::Values(
    // 1 1/2 inch at 5.5 GPM and 50 psi needs 52.25 psi of air.
    StepCase{"AirPressureTooLowForOneAndHalfInch", kOneAndHalf, 5.5,   50, 52,    {msg::kAirPressureInsufficient}, H::StayOpen, S::Rejected},
    StepCase{"AirPressureEnoughForOneAndHalfInch", kOneAndHalf, 5.5,   50, 60,    {}, H::CompressorStep, S::Ok},
    StepCase{"AirPressureJustEnough",              kOneAndHalf, 5.5,   50, 52.25, {}, H::CompressorStep, S::Ok},
    // 3 inch at 60 GPM and 50 psi needs 58 psi of air.
    StepCase{"AirPressureTooLowForThreeInch",      kThree,      60,    50, 50,    {msg::kAirPressureInsufficientNoLarger}, H::PcCostOnly, S::PcCostOnly},
    StepCase{"AirPressureEnoughForThreeInch",      kThree,      60,    50, 90,    {}, H::CompressorStep, S::Ok},
    // Its warning was shown at the click; the press hands over the PC pump cost alone.
    StepCase{"ThreeInchOutsideItsTable",           kThree,      13.49, 50, 90,    {}, H::PcCostOnly, S::PcCostOnly},
    StepCase{"NoInletSelected",                    std::nullopt, 5.5,  50, 90,    {msg::kSelectInletDiameter}, H::StayOpen, S::Rejected},
    StepCase{"LookupWarningLeavesTheStepOpen",     InletSize::Quarter, 3.6, 50, 90, {msg::kFlowTooHighPlain, msg::kSelectLargerInlet}, H::StayOpen, S::Ok}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(InletStepBoxes, TextsTitlesAndIcons) {
    EXPECT_EQ(msg::kAirPressureInsufficient.text,
              "WARNING: Your system air pressure is insufficient! Please select a larger inlet diameter");
    EXPECT_EQ(msg::kAirPressureInsufficient.title, "WARNING");
    EXPECT_EQ(msg::kAirPressureInsufficient.icon, MessageIcon::Stop);
    EXPECT_EQ(msg::kAirPressureInsufficientNoLarger.text,
              "WARNING: Your system air pressure is insufficient! No larger AODD pump sizes are available in "
              "this program. Only durvane annual cost will be computed.");
    EXPECT_EQ(msg::kAirPressureInsufficientNoLarger.title, "");
    EXPECT_EQ(msg::kAirPressureInsufficientNoLarger.icon, MessageIcon::None);
    EXPECT_EQ(msg::kSelectLargerInlet.text, "ERROR: Please select a larger inlet diameter");
    EXPECT_EQ(msg::kSelectLargerInlet.title, "ERROR");
    EXPECT_EQ(msg::kSelectLargerInlet.icon, MessageIcon::Stop);
    EXPECT_EQ(msg::kSelectInletDiameter.text, "ERROR: Please select an inlet diameter");
    EXPECT_EQ(msg::kSelectInletDiameter.title, "ERROR");
}

// The worked example's operating data (60 psi, 10 GPM) lie below the 3-inch pump's flows.
TEST(InletStepPcCostOnly, WorkedExampleShows292_54) {
    OperatingCase c = acceptedOperatingData(10, 60, 90);
    clickThreeInch(c);
    ASSERT_EQ(c.threeInchOutcome, ThreeInchOutcome::OutOfRange);
    AnnualCosts costs;
    const InletStepResult result = closeInletStep(c, costs, InletSize::Three);
    EXPECT_EQ(result.handover, InletHandover::PcCostOnly);
    EXPECT_TRUE(near(costs.pcAnnualCost, 292.54043674184));
    EXPECT_EQ(formatStandard(costs.pcAnnualCost), "292.54");
}

// --- Mended faults ---

// Operating data that bypassed step one's rules gave the 3-inch PC-only hand-over an endless cost.
TEST(InletStepFaults, PcOnlyHandOverShowedAnEndlessCost) {
    OperatingCase c = acceptedOperatingData(10, 60, 90);
    c.weeksPerYear = 1e308;
    c.daysPerWeek = 1e308;
    clickThreeInch(c);
    AnnualCosts costs;
    const InletStepResult result = closeInletStep(c, costs, InletSize::Three);
    EXPECT_EQ(result.handover, InletHandover::StayOpen);
    EXPECT_EQ(result.messages, Messages{msg::kNoPcCost});
    EXPECT_EQ(costs.pcAnnualCost, 0);
}

TEST(InletStepFaults, StaleThreeInchOutcomeDoesNotAcceptAnotherSize) {
    OperatingCase c = acceptedOperatingData(3.6, 50, 90);
    c.threeInchOutcome = ThreeInchOutcome::InRange; // from an earlier click at another point
    AnnualCosts costs;
    const InletStepResult result = closeInletStep(c, costs, InletSize::Quarter);
    EXPECT_EQ(result.messages, (Messages{msg::kFlowTooHighPlain, msg::kSelectLargerInlet}));
    EXPECT_EQ(result.handover, InletHandover::StayOpen);
}

TEST(InletStepFaults, StaleThreeInchResultsAreLookedUpAgain) {
    AnnualCosts costs;

    // Clicked inside the table, then the flow dropped below it: its warning comes first.
    OperatingCase c = acceptedOperatingData(60, 50, 90);
    clickThreeInch(c);
    c.flowGpm = 13.49;
    InletStepResult result = closeInletStep(c, costs, InletSize::Three);
    EXPECT_EQ(result.messages, (Messages{msg::kFlowTooLow}));
    EXPECT_EQ(result.handover, InletHandover::PcCostOnly);

    // Clicked outside, then the flow rose into it.
    c = acceptedOperatingData(13.49, 50, 90);
    clickThreeInch(c);
    c.flowGpm = 60;
    result = closeInletStep(c, costs, InletSize::Three);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.handover, InletHandover::CompressorStep);
    EXPECT_TRUE(near(c.requiredAirPsi, 58));

    // The pressure changed: the advisory of the new point, then box B on its air pressure (113.1 psi).
    c = acceptedOperatingData(180, 30, 100);
    clickThreeInch(c);
    c.pressurePsi = 50;
    result = closeInletStep(c, costs, InletSize::Three);
    EXPECT_EQ(result.messages, (Messages{msg::kThreeInchAdvisory, msg::kAirPressureInsufficientNoLarger}));
    EXPECT_EQ(result.handover, InletHandover::PcCostOnly);

    // Never clicked.
    c = acceptedOperatingData(60, 50, 90);
    result = closeInletStep(c, costs, InletSize::Three);
    EXPECT_EQ(c.threeInchOutcome, ThreeInchOutcome::InRange);
    EXPECT_EQ(result.handover, InletHandover::CompressorStep);
}

TEST(InletStepFaults, AirPressureComparedAgainstStalePoint) {
    AnnualCosts costs;
    OperatingCase c = acceptedOperatingData(3.6, 50, 90);
    c.requiredAirPsi = 120; // left by an earlier lookup

    EXPECT_EQ(closeInletStep(c, costs, std::nullopt).messages, (Messages{msg::kSelectInletDiameter}));
    EXPECT_EQ(closeInletStep(c, costs, InletSize::Quarter).messages,
              (Messages{msg::kFlowTooHighPlain, msg::kSelectLargerInlet}));

    c.flowGpm = 13.49;
    clickThreeInch(c);
    const InletStepResult result = closeInletStep(c, costs, InletSize::Three);
    EXPECT_TRUE(result.messages.empty()) << "no box B on the point of an earlier lookup";
    EXPECT_EQ(result.handover, InletHandover::PcCostOnly);
}

TEST(InletStepFaults, HandOverWithoutResultLeavesTheStepOpen) {
    AnnualCosts costs;
    OperatingCase c = acceptedOperatingData(0.4, 50, 90); // below the first 1/4-inch bracket
    c.threeInchOutcome = ThreeInchOutcome::InRange;
    InletStepResult result = closeInletStep(c, costs, InletSize::Quarter);
    EXPECT_EQ(result.messages, (Messages{msg::kSelectLargerInlet}));
    EXPECT_EQ(result.handover, InletHandover::StayOpen);

    c = acceptedOperatingData(5.5, 50, 90);
    c.pressurePsi = 100.01; // above the 1 1/2-inch data at this flow
    result = closeInletStep(c, costs, InletSize::OneAndHalf);
    EXPECT_EQ(result.messages, (Messages{msg::kPressureTooHigh, msg::kSelectLargerInlet}));
    EXPECT_EQ(result.handover, InletHandover::StayOpen);
}

} // namespace
} // namespace pumpvale
