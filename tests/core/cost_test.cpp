#include "core/cost.h"
#include "tests/near.h"
#include "tests/worked_example.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace pumpvale {
namespace {

TEST(WorkedExample, EveryIntermediateAndAmount) {
    OperatingCase c = workedExampleCase();
    computePcPower(c);
    EXPECT_TRUE(near(c.pcEfficiency, 0.50689655172));
    EXPECT_TRUE(near(c.pcPowerHp, 0.69059128903));

    AnnualCosts costs;
    const CostSavingsResult result = findCostSavings(c, costs, "1", "75");
    ASSERT_EQ(result.display(), CostDisplay::Full);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_TRUE(near(costs.pcAnnualCost, 292.54043674184));
    EXPECT_TRUE(near(c.compressionRatio, 3.72108843537415));
    EXPECT_TRUE(near(c.stageExponent, 0.28315412186380));
    EXPECT_TRUE(near(c.idealCompressorHp, 1.02093810892594));
    EXPECT_TRUE(near(c.scfmPerIdealHp, 9.79491304376946));
    EXPECT_TRUE(near(c.scfmPerInputHp, 7.34618478282710));
    EXPECT_TRUE(near(costs.aoddAnnualCost, 576.63760512838));
    EXPECT_TRUE(near(costs.totalSavings, 284.09716838654));

    EXPECT_EQ(formatStandard(costs.pcAnnualCost), "292.54");
    EXPECT_EQ(formatStandard(costs.aoddAnnualCost), "576.64");
    EXPECT_EQ(formatStandard(costs.totalSavings), "284.10");
}

TEST(WorkedExample, TwoCompressorStagesNeedLessPower) {
    OperatingCase c = workedExampleCase();
    computePcPower(c);
    AnnualCosts costs;
    ASSERT_EQ(findCostSavings(c, costs, "2", "75").display(), CostDisplay::Full);
    EXPECT_TRUE(near(c.idealCompressorHp, 0.92624616704770));
}

TEST(PcPower, TwoStagesUseTheFlatterSlope) {
    OperatingCase c = workedExampleCase();
    c.pcStages = PumpStages::Two;
    c.pressurePsi = 174;
    computePcPower(c);
    EXPECT_TRUE(near(c.pcEfficiency, 0.6, 1e-9)); // 0.3 + 174 x 0.001724137931
}

TEST(Savings, CheaperAoddPumpGivesNegativeSavings) {
    OperatingCase c = workedExampleCase();
    c.airConsumptionScfm = 1;
    computePcPower(c);
    AnnualCosts costs;
    ASSERT_EQ(findCostSavings(c, costs, "1", "75").display(), CostDisplay::Full);
    EXPECT_LT(costs.totalSavings, 0);
    EXPECT_EQ(formatStandard(costs.totalSavings).front(), '-');
}

struct CompressorCase {
    const char* name;
    const char* stages;
    const char* efficiency;
    std::optional<Message> expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const CompressorCase& c, std::ostream* os) {
    *os << c.name;
}

class CompressorRules : public ::testing::TestWithParam<CompressorCase> {};

TEST_P(CompressorRules, ShowTheFirstBrokenRuleOnly) {
    const CompressorCase& p = GetParam();
    OperatingCase c = workedExampleCase();
    computePcPower(c);
    AnnualCosts costs;
    const CostSavingsResult result = findCostSavings(c, costs, p.stages, p.efficiency);
    if (p.expected) {
        ASSERT_EQ(result.messages.size(), 1u);
        EXPECT_EQ(result.messages[0], *p.expected);
        EXPECT_EQ(result.messages[0].title, "ERROR");
        EXPECT_EQ(result.messages[0].icon, MessageIcon::Stop);
        EXPECT_EQ(result.display(), CostDisplay::Nothing);
        EXPECT_EQ(c.stepStatus, StepStatus::Rejected);
        EXPECT_EQ(costs.pcAnnualCost, 0) << "nothing is computed after a rejected entry";
    } else {
        EXPECT_TRUE(result.messages.empty());
        EXPECT_EQ(result.display(), CostDisplay::Full);
        EXPECT_EQ(c.stepStatus, StepStatus::Ok);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, CompressorRules,
    ::testing::Values(CompressorCase{"TwoStagesAccepted", "2", "75", std::nullopt},
                      CompressorCase{"OneAndAHalfStages", "1.5", "75", msg::kChooseOneOrTwo},
                      CompressorCase{"TwoAndAHalfStages", "2.5", "75", msg::kChooseOneOrTwo},
                      CompressorCase{"ThreeStages", "3", "75", msg::kChooseOneOrTwo},
                      CompressorCase{"ZeroStages", "0", "75", msg::kInvalidSelection},
                      CompressorCase{"EmptyStages", "", "75", msg::kInvalidSelection},
                      CompressorCase{"InfiniteStages", "1e999", "75", msg::kChooseOneOrTwo},
                      CompressorCase{"EfficiencyJustBelow100", "1", "99.9", std::nullopt},
                      CompressorCase{"Efficiency100", "1", "100", msg::kSecondLaw},
                      CompressorCase{"EfficiencyZero", "1", "0", msg::kInvalidSelection},
                      CompressorCase{"BothWrongShowsStagesOnly", "0", "100", msg::kInvalidSelection}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CostSavings, PcCostOnlyReadsNoCompressorEntry) {
    OperatingCase c = workedExampleCase();
    computePcPower(c);
    c.pcCostOnly = true;
    c.stepStatus = StepStatus::Rejected;
    AnnualCosts costs;
    const CostSavingsResult result = findCostSavings(c, costs, "garbage", "500");
    EXPECT_EQ(result.display(), CostDisplay::PcCostOnly);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(c.stepStatus, StepStatus::Ok);
    EXPECT_EQ(formatStandard(costs.pcAnnualCost), "292.54");
}

struct AirDemandCase {
    const char* name;
    double scfm;
    double requiredAirPsi;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const AirDemandCase& c, std::ostream* os) {
    *os << c.name;
}

class NoAirDemand : public ::testing::TestWithParam<AirDemandCase> {};

// A zero compressor power has no SCFM per hp; nothing may reach the screen as inf or nan.
TEST_P(NoAirDemand, ShowsTheGuardMessageAndNothingElse) {
    OperatingCase c = workedExampleCase();
    c.airConsumptionScfm = GetParam().scfm;
    c.requiredAirPsi = GetParam().requiredAirPsi;
    computePcPower(c);
    AnnualCosts costs;
    const CostSavingsResult result = findCostSavings(c, costs, "1", "75");
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0], msg::kNoAirDemand);
    EXPECT_EQ(result.display(), CostDisplay::Nothing);
    EXPECT_EQ(c.stepStatus, StepStatus::Ok) << "Go Back must still lead to another inlet size";
    EXPECT_EQ(costs.pcAnnualCost, 0);
    EXPECT_EQ(costs.aoddAnnualCost, 0);
}

const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Points, NoAirDemand,
                         ::testing::Values(AirDemandCase{"ZeroAirConsumption", 0, 40},
                                           AirDemandCase{"ZeroRequiredPressure", 10, 0},
                                           AirDemandCase{"NegativeAirConsumption", -5, 40},
                                           AirDemandCase{"InfiniteAirConsumption", kInfinity, 40}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Amounts that are not finite never reach the screen ---

// An efficiency of 4.9e-324 percent passes the rules but leaves no SCFM per input hp: the message blamed
// the inlet size.
TEST(NonFiniteAmounts, TinyEfficiencyBlamedTheInletSize) {
    OperatingCase c = workedExampleCase();
    computePcPower(c);
    AnnualCosts costs;
    const CostSavingsResult result = findCostSavings(c, costs, "1", "4.9e-324");
    EXPECT_EQ(result.messages, Messages{msg::kEfficiencyTooSmall});
    EXPECT_EQ(result.display(), CostDisplay::Nothing);
    EXPECT_EQ(costs.aoddAnnualCost, 0);
}

// Operating data that bypassed step one's rules gave the PC-only path an endless cost to show.
TEST(NonFiniteAmounts, PcOnlyPathShowedAnEndlessCost) {
    for (const double weeks : {1e308, std::numeric_limits<double>::quiet_NaN()}) {
        OperatingCase c = workedExampleCase();
        c.weeksPerYear = weeks;
        c.daysPerWeek = 1e308;
        computePcPower(c);
        AnnualCosts costs;
        c.pcCostOnly = true;
        const CostSavingsResult pcOnly = findCostSavings(c, costs, "1", "75");
        EXPECT_EQ(pcOnly.messages, Messages{msg::kNoPcCost});
        EXPECT_EQ(pcOnly.display(), CostDisplay::Nothing);
        c.pcCostOnly = false;
        const CostSavingsResult full = findCostSavings(c, costs, "1", "75");
        EXPECT_EQ(full.messages, Messages{msg::kNoPcCost});
        EXPECT_EQ(costs.pcAnnualCost, 0);
    }
}

TEST(NonFiniteAmounts, StandardFormatOfInfinityAndNanIsEmpty) {
    EXPECT_EQ(formatStandard(kInfinity), "");
    EXPECT_EQ(formatStandard(-kInfinity, ",", "."), "");
    EXPECT_EQ(formatStandard(std::numeric_limits<double>::quiet_NaN()), "");
}

} // namespace
} // namespace pumpvale
