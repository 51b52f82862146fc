#include "aodd/lookup.h"
#include "aodd/performance_tables.h"
#include "tests/near.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace pumpvale {
namespace {

using MI = MessageIcon;
using P = PerformancePoint;

// The window runs the 3-inch lookup through its own entry point, the others on their table.
LookupReport lookUp(InletSize size, OperatingCase& c) {
    return size == InletSize::Three ? lookupThreeInch(c) : lookupAodd(performanceTable(size), c);
}

bool inRange(InletSize size, const OperatingCase& c) {
    return size == InletSize::Three ? c.threeInchOutcome == ThreeInchOutcome::InRange : c.lookupInRange;
}

// What an earlier lookup left behind, so that "unchanged" can be seen.
OperatingCase afterEarlierLookup(double flowGpm, double pressurePsi) {
    OperatingCase c;
    c.flowGpm = flowGpm;
    c.pressurePsi = pressurePsi;
    c.airConsumptionScfm = 11.5;
    c.requiredAirPsi = 66.5;
    c.bracket.scfmAtQa = 1.5;
    c.bracket.scfmAtQb = 2.5;
    c.bracket.airPsiAtQa = 3.5;
    c.bracket.airPsiAtQb = 4.5;
    c.lookupInRange = true; // the inlet step sets it before the lookup
    return c;
}

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

const auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

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

// --- The makers' points read back: at a cell's own flow and pressure the lookup returns the cell ---

struct MakersRow {
    double flowGpm;
    std::vector<P> points; // at 20, 40, 60, 80 and 100 psi, as far as the row goes
};

struct MakersTable {
    const char* name;
    InletSize size;
    std::vector<MakersRow> rows;
};

void PrintTo(const MakersTable& t, std::ostream* os) {
    *os << t.name;
}

class MakersPoints : public ::testing::TestWithParam<MakersTable> {};

TEST_P(MakersPoints, AreReadBackExactly) {
    const MakersTable& t = GetParam();
    for (const MakersRow& row : t.rows) {
        for (std::size_t i = 0; i < row.points.size(); ++i) {
            const double p = 20.0 * static_cast<double>(i + 1);
            SCOPED_TRACE(::testing::Message() << row.flowGpm << " GPM, " << p << " psi");
            OperatingCase c = afterEarlierLookup(row.flowGpm, p);
            ASSERT_TRUE(lookUp(t.size, c).producedResult());
            EXPECT_EQ(c.airConsumptionScfm, row.points[i].scfm);
            EXPECT_EQ(c.requiredAirPsi, row.points[i].airPsi);
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, MakersPoints, ::testing::Values(
    MakersTable{"QuarterInch", InletSize::Quarter, {
                {1,    {{2, 38},       {2, 60},       {2.5, 80},     {3, 100}}},
                {2,    {{4, 50},       {5, 80},       {6, 100}}},
                {3,    {{7, 75},       {8, 100}}}}},
    MakersTable{"HalfInch", InletSize::Half, {
                {1,    {{0.4, 22},     {0.6, 44},     {0.9, 66},     {1.3, 88},     {1.7, 110}}},
                {2,    {{0.9, 25},     {1.2, 45},     {2.4, 65},     {2.4, 85},     {3.2, 105}}},
                {3,    {{1.3, 28},     {1.8, 48},     {2.6, 68},     {3.5, 88},     {4.2, 108}}},
                {5,    {{2.1, 31},     {3, 50},       {4.1, 70},     {5.3, 90}}},
                {6,    {{2.6, 35},     {3.8, 55},     {5, 75},       {6.5, 95}}},
                {7.5,  {{3.7, 40},     {6.5, 70},     {9.3, 90}}},
                {10,   {{9.6, 70},     {13, 95}}}}},
    MakersTable{"OneInch", InletSize::One, {
                {2,    {{1.3, 22},     {1.7, 44},     {3, 66},       {5, 86},       {8, 106}}},
                {3,    {{2, 28},       {3.2, 48},     {5, 68},       {7.1, 88},     {10, 108}}},
                {5,    {{3.3, 30},     {5, 50},       {8, 70},       {11, 90},      {12.5, 110}}},
                {6,    {{3.8, 33},     {5.9, 53},     {9, 73},       {12.5, 93},    {14, 113}}},
                {7.5,  {{5, 35},       {7.5, 55},     {12.3, 75},    {14, 95},      {16, 115}}},
                {10,   {{6.6, 37},     {10, 57},      {13.5, 77},    {17, 97}}},
                {15,   {{10, 40},      {14, 58},      {20, 80},      {22, 105}}},
                {20,   {{14.5, 44},    {20, 65},      {25, 92}}},
                {30,   {{28, 80},      {32, 100}}}}},
    MakersTable{"OneAndHalfInch", InletSize::OneAndHalf, {
                {5,    {{3.1, 22},     {4.4, 42},     {6, 62},       {10, 82},      {18, 102}}},
                {6,    {{3.7, 22.5},   {5.3, 42.5},   {7.2, 62.5},   {12, 82.5},    {21.6, 102.5}}},
                {7.5,  {{4.6, 23},     {6.7, 43},     {9, 63},       {15, 83},      {27, 103}}},
                {10,   {{6.2, 25},     {8, 45},       {10, 65},      {20, 84},      {24, 104}}},
                {15,   {{9.2, 27},     {13.3, 47},    {19, 66},      {25, 87},      {30, 110}}},
                {20,   {{12.3, 30},    {17.8, 50},    {23, 70},      {25, 92}}},
                {30,   {{18, 38},      {26, 58},      {32, 80},      {42, 100}}},
                {40,   {{25, 46},      {35, 70},      {50, 92}}},
                {50,   {{40, 60},      {52, 85}}}}},
    MakersTable{"TwoInch", InletSize::Two, {
                {10,   {{5, 21},       {10, 41},      {18, 62},      {22, 82},      {23, 103}}},
                {15,   {{7.5, 23},     {15, 43},      {23, 63},      {30, 83},      {35, 105}}},
                {20,   {{10, 24},      {19, 44},      {28, 64},      {38, 85},      {42, 108}}},
                {30,   {{15, 25},      {21, 45},      {40, 66},      {45, 86},      {50, 110}}},
                {40,   {{20, 28},      {32, 50},      {46, 70},      {57, 90}}},
                {50,   {{26, 30},      {40, 53},      {55, 73},      {65, 95}}},
                {75,   {{44, 40},      {60, 60},      {80, 90}}},
                {100,  {{66, 55},      {100, 90}}},
                {125,  {{120, 85}}}}},
    MakersTable{"ThreeInch", InletSize::Three, {
                {15,   {{10, 21},      {16.66, 41},   {33.3, 61},    {54, 82},      {62, 103}}},
                {20,   {{13, 22},      {22, 42},      {48, 62},      {58, 83},      {63, 105}}},
                {30,   {{20, 24},      {33, 44},      {55, 64},      {68, 85},      {75, 107}}},
                {40,   {{25, 25},      {41.667, 45},  {63, 65},      {73, 86},      {85, 108}}},
                {50,   {{38, 26},      {60, 46},      {70, 66},      {82, 88},      {88, 110}}},
                {75,   {{50, 29},      {67, 50},      {85, 72},      {110, 92},     {125, 112}}},
                {100,  {{63, 30},      {80, 52},      {110, 80},     {137, 100}}},
                {125,  {{73, 40},      {125, 60},     {150, 90},     {165, 110}}},
                {150,  {{110, 43},     {150, 80},     {180, 103}}},
                {200,  {{200, 60},     {230, 105}}}}}),
    kCaseName);
// clang-format on

// --- Boundaries: each flow bound and the flow just above it, each pressure limit and just above it ---

struct Boundary {
    double flowGpm;
    double pressurePsi;
    std::optional<Message> box = std::nullopt; // none: a result
};

struct BoundaryTable {
    const char* name;
    InletSize size;
    std::vector<Boundary> cases;
};

void PrintTo(const BoundaryTable& t, std::ostream* os) {
    *os << t.name;
}

class Boundaries : public ::testing::TestWithParam<BoundaryTable> {};

TEST_P(Boundaries, EndOnTheRightSide) {
    const BoundaryTable& t = GetParam();
    for (const Boundary& b : t.cases) {
        SCOPED_TRACE(::testing::Message() << b.flowGpm << " GPM, " << b.pressurePsi << " psi");
        OperatingCase c = afterEarlierLookup(b.flowGpm, b.pressurePsi);
        const LookupReport report = lookUp(t.size, c);
        EXPECT_EQ(report.producedResult(), !b.box);
        if (b.box) {
            ASSERT_EQ(report.messages.size(), 1u);
            EXPECT_EQ(report.messages[0], *b.box);
        }
    }
}

const Message kPth = msg::kPressureTooHigh;
const Message kFth = msg::kFlowTooHigh;
const Message kFtl = msg::kFlowTooLow;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, Boundaries, ::testing::Values(
    BoundaryTable{"QuarterInch", InletSize::Quarter, {
        {0.5, 30}, {2, 30}, {2.01, 30}, {3.5, 30}, {3.51, 30, msg::kFlowTooHighPlain},
        {2, 90}, {2, 90.01, kPth}, {3.5, 50}, {3.5, 50.01, kPth}}},
    BoundaryTable{"HalfInch", InletSize::Half, {
        {0.5, 30}, {2, 30}, {2.01, 30}, {3, 30}, {3.01, 30}, {5, 30}, {5.01, 30}, {6, 30}, {6.01, 30},
        {7.5, 30}, {7.51, 30}, {11, 30}, {11.01, 30, kFth},
        {5, 100}, {5, 100.01, kPth}, {6, 90}, {6, 90.01, kPth}, {7.5, 80}, {7.5, 80.01, msg::kPressureTooHighTitledError},
        {11, 60}, {11, 60.01, kPth}}},
    BoundaryTable{"OneInch", InletSize::One, {
        {0.99, 30, kFtl}, {1, 30}, {3, 30}, {3.01, 30}, {5, 30}, {5.01, 30}, {6, 30}, {6.01, 30}, {7.5, 30},
        {7.51, 30}, {10, 30}, {10.01, 30}, {15, 30}, {15.01, 30}, {20, 30}, {20.01, 30}, {32, 30},
        {32.01, 30, kFth},
        {10, 100}, {10, 100.01, kPth}, {15, 90}, {15, 90.01, kPth}, {20, 85}, {20, 85.01, kPth},
        {32, 65}, {32, 65.01, kPth}}},
    BoundaryTable{"OneAndHalfInch", InletSize::OneAndHalf, {
        {4.99, 30, kFtl}, {5, 30}, {6, 30}, {6.01, 30}, {7.5, 30}, {7.51, 30}, {10, 30}, {10.01, 30},
        {15, 30}, {15.01, 30}, {20, 30}, {20.01, 30}, {30, 30}, {30.01, 30}, {40, 30}, {40.01, 30},
        {55, 30}, {55.01, 30, kFth},
        {20, 100}, {20, 100.01, kPth}, {30, 80}, {30, 80.01, kPth}, {40, 80}, {40, 80.01, kPth},
        {55, 60}, {55, 60.01, kPth}}},
    BoundaryTable{"TwoInch", InletSize::Two, {
        {4.99, 30, kFtl}, {5, 30}, {15, 30}, {15.01, 30}, {20, 30}, {20.01, 30}, {30, 30}, {30.01, 30},
        {40, 30}, {40.01, 30}, {50, 30}, {50.01, 30}, {75, 30}, {75.01, 30}, {100, 30}, {100.01, 30},
        {125, 30}, {125.01, 30, kFth},
        {40, 100}, {40, 100.01, kPth}, {50, 80}, {50, 80.01, kPth}, {75, 80}, {75, 80.01, kPth},
        {100, 60}, {100, 60.01, kPth}, {125, 40}, {125, 40.01, kPth}}},
    BoundaryTable{"ThreeInch", InletSize::Three, {
        {13.49, 30, kFtl}, {13.5, 30}, {20, 30}, {20.01, 30}, {30, 30}, {30.01, 30}, {40, 30}, {40.01, 30},
        {50, 30}, {50.01, 30}, {75, 30}, {75.01, 30}, {100, 30}, {100.01, 30}, {125, 30}, {125.01, 30},
        {150, 30}, {150.01, 30}, {200, 30}, {200.01, 30, msg::kThreeInchFlowTooHigh},
        {100, 100}, {100, 100.01, msg::kThreeInchPressureTooHigh}, {125, 80}, {125, 80.01, msg::kThreeInchPressureTooHigh},
        {150, 80}, {150, 80.01, msg::kThreeInchPressureTooHigh}, {200, 60}, {200, 60.01, msg::kThreeInchPressureTooHigh}}}),
    kCaseName);
// clang-format on

// --- Sweep: over the AODD range every point gives a sound result or exactly one warning ---

struct SizeCase {
    const char* name;
    InletSize size;
};

void PrintTo(const SizeCase& s, std::ostream* os) {
    *os << s.name;
}

class Sweep : public ::testing::TestWithParam<SizeCase> {};

TEST_P(Sweep, EveryPointGivesAFinitePositiveResultOrOneWarning) {
    const InletSize size = GetParam().size;
    int results = 0;
    for (int f = 2; f <= 800; ++f) {      // 0.5 to 200 GPM by 0.25
        for (int q = 40; q <= 200; ++q) { // 20 to 100 psi by 0.5
            const double flow = 0.25 * f;
            const double pressure = 0.5 * q;
            OperatingCase c = afterEarlierLookup(flow, pressure);
            LookupReport report = lookUp(size, c);
            std::erase(report.messages, msg::kThreeInchAdvisory);
            if (report.producedResult()) {
                ++results;
                EXPECT_TRUE(report.messages.empty()) << flow << " GPM, " << pressure << " psi";
                EXPECT_TRUE(std::isfinite(c.airConsumptionScfm) && c.airConsumptionScfm > 0)
                    << flow << " GPM, " << pressure << " psi";
                EXPECT_TRUE(std::isfinite(c.requiredAirPsi) && c.requiredAirPsi > 0)
                    << flow << " GPM, " << pressure << " psi";
            } else {
                EXPECT_EQ(report.messages.size(), 1u) << flow << " GPM, " << pressure << " psi";
            }
        }
    }
    EXPECT_GT(results, 0);
}

// Whatever reaches the lookup, a result it reports is a finite number.
TEST_P(Sweep, OddEntriesGiveNoUnsoundResult) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double odd[] = {-inf, -5, 0, 1e-300, 50, 1e300, inf, nan};
    for (double flow : odd) {
        for (double pressure : odd) {
            OperatingCase c = afterEarlierLookup(flow, pressure);
            const LookupReport report = lookUp(GetParam().size, c);
            EXPECT_LE(report.messages.size(), 1u) << flow << " GPM, " << pressure << " psi";
            if (report.producedResult()) {
                EXPECT_TRUE(std::isfinite(c.airConsumptionScfm) && std::isfinite(c.requiredAirPsi))
                    << flow << " GPM, " << pressure << " psi";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, Sweep,
    ::testing::Values(SizeCase{"QuarterInch", InletSize::Quarter}, SizeCase{"HalfInch", InletSize::Half},
                      SizeCase{"OneInch", InletSize::One}, SizeCase{"OneAndHalfInch", InletSize::OneAndHalf},
                      SizeCase{"TwoInch", InletSize::Two}, SizeCase{"ThreeInch", InletSize::Three}),
    kCaseName);

} // namespace
} // namespace pumpvale
