#include "aodd/lookup.h"
#include "aodd/performance_tables.h"
#include "tests/aodd/lookup_helpers.h"
#include "tests/near.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>

namespace pumpvale {
namespace {

using MI = MessageIcon;
using P = PerformancePoint;
using namespace lookup_testing;

// --- The printed examples, one table per size ---

struct Working {
    double scfmAtQa, scfmAtQb, airPsiAtQa, airPsiAtQb;
};

struct Example {
    const char* name;
    double flowGpm;
    double pressurePsi;
    std::optional<P> result = std::nullopt; // none: the lookup leaves the earlier point
    std::optional<Working> working = std::nullopt;
    std::optional<Message> box = std::nullopt; // the one box the lookup shows
    std::string_view title = {};
    MessageIcon icon = MI::None;
};

void PrintTo(const Example& e, std::ostream* os) {
    *os << e.name;
}

void checkExample(InletSize size, const Example& e) {
    OperatingCase c = afterEarlierLookup(e.flowGpm, e.pressurePsi);
    const OperatingCase before = c;
    const LookupReport report = lookUp(size, c);

    ASSERT_EQ(report.producedResult(), e.result.has_value());
    // What the lookup found is what it stored.
    ASSERT_EQ(report.figures.has_value(), e.result.has_value());
    if (report.figures) {
        EXPECT_EQ(report.figures->bracket, c.bracket);
        EXPECT_EQ(report.figures->airConsumptionScfm, c.airConsumptionScfm);
    }
    if (e.result) {
        EXPECT_TRUE(near(c.airConsumptionScfm, e.result->scfm));
        EXPECT_TRUE(near(c.requiredAirPsi, e.result->airPsi));
    } else {
        EXPECT_EQ(c.airConsumptionScfm, before.airConsumptionScfm);
        EXPECT_EQ(c.requiredAirPsi, before.requiredAirPsi);
        EXPECT_EQ(c.bracket.scfmAtQa, before.bracket.scfmAtQa);
        EXPECT_EQ(c.bracket.airPsiAtQb, before.bracket.airPsiAtQb);
    }
    if (e.working) {
        EXPECT_TRUE(near(c.bracket.scfmAtQa, e.working->scfmAtQa));
        EXPECT_TRUE(near(c.bracket.scfmAtQb, e.working->scfmAtQb));
        EXPECT_TRUE(near(c.bracket.airPsiAtQa, e.working->airPsiAtQa));
        EXPECT_TRUE(near(c.bracket.airPsiAtQb, e.working->airPsiAtQb));
    }
    if (e.box) {
        ASSERT_EQ(report.messages.size(), 1u);
        EXPECT_EQ(report.messages[0], *e.box);
        EXPECT_EQ(report.messages[0].title, e.title);
        EXPECT_EQ(report.messages[0].icon, e.icon);
    } else {
        EXPECT_TRUE(report.messages.empty());
    }
    const bool warned = e.box && !e.result; // an advisory lets the lookup complete
    EXPECT_EQ(inRange(size, c), !warned);
}

class QuarterInch : public ::testing::TestWithParam<Example> {};
class HalfInch : public ::testing::TestWithParam<Example> {};
class OneInch : public ::testing::TestWithParam<Example> {};
class OneAndHalfInch : public ::testing::TestWithParam<Example> {};
class TwoInch : public ::testing::TestWithParam<Example> {};
class ThreeInch : public ::testing::TestWithParam<Example> {};

TEST_P(QuarterInch, PrintedExamples) {
    checkExample(InletSize::Quarter, GetParam());
}
TEST_P(HalfInch, PrintedExamples) {
    checkExample(InletSize::Half, GetParam());
}
TEST_P(OneInch, PrintedExamples) {
    checkExample(InletSize::One, GetParam());
}
TEST_P(OneAndHalfInch, PrintedExamples) {
    checkExample(InletSize::OneAndHalf, GetParam());
}
TEST_P(TwoInch, PrintedExamples) {
    checkExample(InletSize::Two, GetParam());
}
TEST_P(ThreeInch, PrintedExamples) {
    checkExample(InletSize::Three, GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lookup, QuarterInch, ::testing::Values(
    Example{"Q1_5_P50",          1.5,  50,    P{3.875, 80},    Working{2.25, 5.5, 70, 90}},
    Example{"Q2_5_P30",          2.5,  30,    P{6, 76.25}},
    Example{"Q0_75_P20",         0.75, 20,    P{1.5, 35}},
    Example{"Q2_P80",            2,    80,    P{7, 120}},
    Example{"Q3_5_P50",          3.5,  50,    P{10, 123.75}},
    Example{"Q1_P40IsTheCell",   1,    40,    P{2, 60}},
    Example{"Q1_5_P90",          1.5,  90,    P{5.375, 120},   Working{3.25, 7.5, 110, 130}},
    Example{"Q1_5_P90_01",       1.5,  90.01, {}, {},          msg::kPressureTooHigh, "WARNING", MI::Stop},
    Example{"Q3_6",              3.6,  50,    {}, {},          msg::kFlowTooHighPlain, "", MI::None},
    // A flow of 0.5 GPM extrapolates below 1 GPM like 0.75: 2 - 2 x 0.5 = 1 SCFM, 38 - 12 x 0.5 = 32 psi.
    Example{"Q0_5_P20",          0.5,  20,    P{1, 32}},
    Example{"Q0_49HoldsNothing", 0.49, 20},
    Example{"Q0HoldsNothing",    0,    20}),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(Lookup, HalfInch, ::testing::Values(
    Example{"Q4_P70",            4,     70,    P{3.875, 79},    Working{3.05, 4.7, 78, 80}},
    // At 3 GPM the 80-100 segment at 90 psi: 3.5 + 0.7 / 2 = 3.85 SCFM, 98 psi.
    Example{"Q4_P90",            4,     90,    P{4.875, 99},    Working{3.85, 5.9, 98, 100}},
    Example{"Q1_5_P100",         1.5,   100,   P{2.45, 107.5}},
    Example{"Q5_5_P90",          5.5,   90,    P{6.575, 102.5}},
    Example{"Q5_5_P90_01",       5.5,   90.01, {}, {},          msg::kPressureTooHigh, "WARNING", MI::Stop},
    Example{"Q7_P80",            7,     80,    P{10.2333333333333333, 105}},
    Example{"Q7_P80_01",         7,     80.01, {}, {},          msg::kPressureTooHighTitledError, "ERROR", MI::Stop},
    Example{"Q11_P60",           11,    60,    P{19.24, 132}},
    Example{"Q11_01",            11.01, 60,    {}, {},          msg::kFlowTooHigh, "WARNING", MI::Stop},
    // 0.4 - 0.5 x 0.5 = 0.15 SCFM, 22 - 3 x 0.5 = 20.5 psi.
    Example{"Q0_5_P20",          0.5,   20,    P{0.15, 20.5}},
    Example{"Q0_49HoldsNothing", 0.49,  20},
    Example{"P100_01AboveData",  1.5,   100.01, {}, {},         msg::kPressureTooHigh, "WARNING", MI::Stop}),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(Lookup, OneInch, ::testing::Values(
    Example{"Q1_P20",            1,     20,    P{0.6, 16}},
    Example{"Q0_99",             0.99,  20,    {}, {},          msg::kFlowTooLow, "WARNING", MI::Stop},
    Example{"Q2_5_P50",          2.5,   50,    P{3.225, 56.5}},
    // At 7.5 GPM the table point at 100 psi.
    Example{"Q9_P100",           9,     100,   P{18.7, 116.2},  Working{16, 20.5, 115, 117}},
    Example{"Q12_P90",           12,    90,    P{20.45, 111.2}},
    Example{"Q12_P90_01",        12,    90.01, {}, {},          msg::kPressureTooHigh, "WARNING", MI::Stop},
    Example{"Q18_P85",           18,    85,    P{27.75, 119.95}},
    Example{"Q32_P65",           32,    65,    P{39.15, 130.25}},
    Example{"Q32_01",            32.01, 65,    {}, {},          msg::kFlowTooHigh, "WARNING", MI::Stop},
    Example{"Q0",                0,     20,    {}, {},          msg::kFlowTooLow, "WARNING", MI::Stop},
    Example{"P100_01AboveData",  2,     100.01, {}, {},         msg::kPressureTooHigh, "WARNING", MI::Stop}),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(Lookup, OneAndHalfInch, ::testing::Values(
    Example{"Q5_5_P50",          5.5,   50,    P{5.725, 52.25}, Working{5.2, 6.25, 52, 52.5}},
    Example{"Q18_P90",           18,    90,    P{26.6, 101.2},  Working{27.5, 26, 98.5, 103}},
    Example{"Q52_P30",           52,    30,    P{49.2, 75.4},   Working{30, 46, 58, 72.5}},
    Example{"Q6_P100",           6,     100,   P{21.6, 102.5}},
    Example{"Q5_P20",            5,     20,    P{3.1, 22}},
    Example{"Q4_99",             4.99,  20,    {}, {},          msg::kFlowTooLow, "WARNING", MI::Stop},
    // 42 + 2.3 x 5 = 53.5 SCFM and 100 + 1.4 x 5 = 107 psi, the 40 GPM row extended to 65 SCFM, 114 psi.
    Example{"Q35_P80",           35,    80,    P{53.5, 107},    Working{42, 65, 100, 114}},
    Example{"Q35_P80_01",        35,    80.01, {}, {},          msg::kPressureTooHigh, "WARNING", MI::Stop},
    // 30 + 1.6 x 15 = 54 SCFM, 58 + 1.45 x 15 = 79.75 psi.
    Example{"Q55_P30",           55,    30,    P{54, 79.75}},
    Example{"Q55_01",            55.01, 30,    {}, {},          msg::kFlowTooHigh, "WARNING", MI::Stop},
    Example{"P100_01AboveData",  18,    100.01, {}, {},         msg::kPressureTooHigh, "WARNING", MI::Stop}),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(Lookup, TwoInch, ::testing::Values(
    Example{"Q8_P40",            8,      40,   P{8, 40.2},      Working{10, 15, 41, 43}},
    Example{"Q35_P90",           35,     90,   P{55, 99},       Working{47.5, 62.5, 98, 100}},
    Example{"Q90_P60",           90,     60,   P{112.4, 111},   Working{80, 134, 90, 125}},
    Example{"Q110_P30",          110,    30,   P{97.8, 77.5},   Working{83, 120, 72.5, 85}},
    Example{"Q125_P30",          125,    30,   P{120, 85}},
    Example{"Q110_P41",          110,    41,   {}, {},          msg::kPressureTooHigh, "WARNING", MI::Stop},
    Example{"Q125_01",           125.01, 30,   {}, {},          msg::kFlowTooHigh, "WARNING", MI::Stop},
    Example{"Q4_99",             4.99,   30,   {}, {},          msg::kFlowTooLow, "WARNING", MI::Stop},
    Example{"P100_01AboveData",  35,     100.01, {}, {},        msg::kPressureTooHigh, "WARNING", MI::Stop}),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(Lookup, ThreeInch, ::testing::Values(
    Example{"Q14_P20",           14,     20,    P{9.4, 20.8},    Working{10, 13, 21, 22}},
    Example{"Q60_P50",           60,     50,    P{69.4, 58}},
    Example{"Q90_P90",           90,     90,    P{137.3, 106.8}, Working{117.5, 150.5, 102, 110}},
    Example{"Q120_P30",          120,    30,    P{93.5, 48.2},   Working{71.5, 99, 41, 50}},
    Example{"Q140_P70",          140,    70,    P{180, 108.7},   Working{157.5, 195, 100, 114.5}},
    Example{"Q150_P40",          150,    40,    P{150, 80}},
    Example{"Q180_P50Advisory",  180,    50,    P{213, 113.1},   {}, msg::kThreeInchAdvisory, "WARNING", MI::Stop},
    // 150 + 1.6 x 30 = 198 SCFM, 80 + 0.5 x 30 = 95 psi.
    Example{"Q180_P40",          180,    40,    P{198, 95}},
    Example{"Q180_P60_01",       180,    60.01, {}, {},          msg::kThreeInchPressureTooHigh, "WARNING", MI::Stop},
    // 10 - 0.6 x 1.5 = 9.1 SCFM, 21 - 0.2 x 1.5 = 20.7 psi.
    Example{"Q13_5_P20",         13.5,   20,    P{9.1, 20.7}},
    Example{"Q13_49",            13.49,  20,    {}, {},          msg::kFlowTooLow, "WARNING", MI::Stop},
    Example{"Q200_P40",          200,    40,    P{230, 105}},
    Example{"Q200_01",           200.01, 40,    {}, {},          msg::kThreeInchFlowTooHigh, "WARNING", MI::Stop},
    Example{"P100_01AboveData",  60,     100.01, {}, {},         msg::kThreeInchPressureTooHigh, "WARNING", MI::Stop}),
    kCaseName);
// clang-format on

// The report shows the flow points the lookup read between; it once found them again by repeating the
// bracket rule. The 1-inch table brackets 10 GPM between its flow points 7.5 and 10 (first in test
// order), 10.5 GPM between 10 and 15.
TEST(OneInchLookup, KeepsTheFlowPointsItReadBetween) {
    for (const auto& [flow, qa, qb] : {std::tuple{10.0, 7.5, 10.0}, std::tuple{10.5, 10.0, 15.0}}) {
        OperatingCase c = afterEarlierLookup(flow, 60);
        ASSERT_EQ(lookUp(InletSize::One, c).outcome, LookupOutcome::Found);
        EXPECT_EQ(c.bracket.qaGpm, qa) << flow;
        EXPECT_EQ(c.bracket.qbGpm, qb) << flow;
    }
}

// The warnings' outcomes, which the comparison's reasons are read from.
TEST(OneInchLookup, SaysWhichSideOfItsDataAPointLies) {
    using enum LookupOutcome;
    for (const auto& [flow, pressure, outcome] :
         {std::tuple{0.5, 60.0, FlowBelowData}, std::tuple{40.0, 60.0, FlowAboveData},
          std::tuple{12.0, 95.0, PressureAboveData}}) {
        OperatingCase c = afterEarlierLookup(flow, pressure);
        const LookupReport report = lookUp(InletSize::One, c);
        EXPECT_EQ(report.outcome, outcome) << flow << " GPM at " << pressure << " psi";
        EXPECT_EQ(report.messages.size(), 1u);
        EXPECT_FALSE(report.figures);
    }
}

TEST(ThreeInchLookup, RemembersThePointItRanFor) {
    OperatingCase c = afterEarlierLookup(13.49, 20);
    lookupThreeInch(c);
    EXPECT_EQ(c.threeInchFlowGpm, 13.49);
    EXPECT_EQ(c.threeInchPressurePsi, 20);
    EXPECT_TRUE(c.lookupInRange) << "the 3-inch lookup has its own outcome";
}

TEST(TwoInchLookup, SinglePointAt125GpmHoldsAtEveryPressureFrom14_5Psi) {
    for (double p = 14.5; p <= 40; p += 0.25) {
        OperatingCase c = afterEarlierLookup(125, p);
        ASSERT_TRUE(lookupAodd(performanceTable(InletSize::Two), c).producedResult()) << p;
        EXPECT_EQ(c.airConsumptionScfm, 120) << p;
        EXPECT_EQ(c.requiredAirPsi, 85) << p;
    }
}

} // namespace
} // namespace pumpvale
