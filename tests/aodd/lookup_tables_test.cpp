#include "aodd/lookup.h"
#include "aodd/performance_tables.h"
#include "tests/aodd/lookup_helpers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <vector>

namespace pumpvale {
namespace {

using P = PerformancePoint;
using namespace lookup_testing;

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
