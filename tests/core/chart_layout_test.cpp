#include "core/chart_layout.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace pumpvale::chart {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTiniest = std::numeric_limits<double>::denorm_min();

struct AxisCase {
    const char* name;
    double lo;
    double hi;
    bool logarithmic;
    bool noMargin; // the data reach an extreme of the doubles (or none is usable): no margin is left
};

void PrintTo(const AxisCase& c, std::ostream* os) {
    *os << c.name;
}

class AxisOfAnyRange : public ::testing::TestWithParam<AxisCase> {};

// Labels 8 units per character of their shortest decimal form, on an axis 300 long.
TEST_P(AxisOfAnyRange, HoldsTheDataWithAMarginAndFewLabelsThatNeverMeet) {
    const AxisCase& c = GetParam();
    Axis axis = axisRange(c.lo, c.hi, c.logarithmic);
    ASSERT_TRUE(std::isfinite(axis.lo) && std::isfinite(axis.hi)) << axis.lo << " " << axis.hi;
    ASSERT_LT(axis.lo, axis.hi);
    if (std::isfinite(c.lo) && std::isfinite(c.hi) && !c.noMargin) {
        const double lo = std::min(c.lo, c.hi);
        const double hi = std::max(c.lo, c.hi);
        EXPECT_GT(axis.at(lo, 0, 300), 3) << "lowest value off the frame";
        EXPECT_LT(axis.at(hi, 0, 300), 297) << "highest value off the frame";
    } else if (c.lo > 0 || !c.logarithmic) {
        EXPECT_GE(axis.at(std::min(c.lo, c.hi), 0, 300), 0);
        EXPECT_LE(axis.at(std::max(c.lo, c.hi), 0, 300), 300);
    }
    const auto extent = [](double v) { return 8.0 * static_cast<double>(std::to_string(v).size()) / 3; };
    chooseTicks(axis, 300, 4, 0, extent);
    EXPECT_LE(axis.ticks.size(), static_cast<std::size_t>(kMaxTicks));
    double previousEnd = -kInf;
    for (const double v : axis.ticks) {
        EXPECT_TRUE(v >= axis.lo && v <= axis.hi) << v;
        const double at = axis.at(v, 0, 300);
        EXPECT_GE(at - extent(v) / 2, previousEnd + 4) << v;
        EXPECT_LE(at + extent(v) / 2, 300) << v;
        previousEnd = at + extent(v) / 2;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ranges, AxisOfAnyRange, ::testing::Values(
    AxisCase{"CostsOfTheWorkedExample",    10,        30000,     true,  false},
    AxisCase{"TenthsOfADecade",            100,       110,       true,  false},
    AxisCase{"EfficiencyOf1eMinus300",     1e3,       8.8e304,   true,  true},
    AxisCase{"LargestDoubleLogarithmic",   1e308,     DBL_MAX,   true,  true},
    AxisCase{"SmallestDoubleLogarithmic",  kTiniest,  kTiniest,  true,  true},
    AxisCase{"EveryPositiveDouble",        kTiniest,  DBL_MAX,   true,  true},
    AxisCase{"NoPositiveValue",            -5,        0,         true,  true},
    AxisCase{"InfiniteEnds",               -kInf,     kInf,      true,  false},
    AxisCase{"MoneyOverTenYears",          1500,      12000,     false, false},
    AxisCase{"OneAmount",                  1500,      1500,      false, false},
    AxisCase{"Zero",                       0,         0,         false, false},
    AxisCase{"NearlyEqualLargeAmounts",    1e15,      1e15 + 1,  false, false},
    AxisCase{"OppositeExtremes",           -DBL_MAX,  DBL_MAX,   false, true},
    AxisCase{"LargestDoubleLinear",        DBL_MAX,   DBL_MAX,   false, true},
    AxisCase{"NotANumber",                 NAN,       NAN,       false, false}));
// clang-format on

TEST(WholeYears, TicksNeverFallBetweenYears) {
    Axis years = axisRange(0, 3, false, 0);
    chooseTicks(
        years, 600, 4, 10, [](double) { return 10.0; }, 1);
    EXPECT_EQ(years.ticks, (std::vector<double>{0, 1, 2, 3}));
}

std::vector<Rect> boxes(const std::vector<PlacedLabel>& placed) {
    std::vector<Rect> out;
    for (const PlacedLabel& p : placed)
        if (p.placed)
            out.push_back(p.box);
    return out;
}

// Seven names at one curve end, beside a dot and a tick label: each placed, none over another or over
// what is there, all inside the frame; the first beside its anchor, the later ones off it with a leader.
TEST(LabelPlacement, CrowdedNamesSpreadOutWithLeaders) {
    LabelScene scene;
    scene.areas = {{0, 0, 400, 300}};
    scene.obstacles = {{195, 160, 10, 10}, {140, 120, 40, 14}};
    scene.curves = {{{0, 300}, {200, 150}}};
    const std::vector<LabelRequest> requests(7, LabelRequest{{200, 150}, 60, 14});
    const std::vector<PlacedLabel> placed = placeLabels(requests, scene);
    const std::vector<Rect> taken = boxes(placed);
    ASSERT_EQ(taken.size(), requests.size());
    for (std::size_t i = 0; i < taken.size(); ++i) {
        EXPECT_TRUE(scene.areas[0].contains(taken[i])) << i;
        for (const Rect& o : scene.obstacles)
            EXPECT_FALSE(taken[i].overlaps(o)) << i;
        for (std::size_t k = 0; k < i; ++k)
            EXPECT_FALSE(taken[i].overlaps(taken[k])) << i << " over " << k;
    }
    EXPECT_FALSE(placed.front().leader);
    EXPECT_TRUE(placed.back().leader);
}

TEST(LabelPlacement, NoRoomLeavesTheNameOutRatherThanOverAnother) {
    LabelScene scene;
    scene.areas = {{0, 0, 80, 20}};
    const std::vector<LabelRequest> requests(2, LabelRequest{{10, 10}, 60, 14});
    const std::vector<PlacedLabel> placed = placeLabels(requests, scene);
    EXPECT_TRUE(placed[0].placed);
    EXPECT_FALSE(placed[1].placed);
}

// A thick pen's dashes keep gaps of their own width; a short stretch still gets at least one gap.
TEST(Dashes, GapsStayOpenOnAThickPenAndAShortStretch) {
    for (const double pen : {1.0, 2.0, 5.0, 12.0}) {
        const DashPattern longStretch = dashPattern(pen, 15, 1000);
        EXPECT_GE(longStretch.gap * pen, pen) << pen;
        const DashPattern shortStretch = dashPattern(pen, 15, 10);
        EXPECT_GE(shortStretch.gap * pen, 1.5) << pen;
        EXPECT_LE((shortStretch.dash + shortStretch.gap) * pen, std::max(10.0, 1.5 + shortStretch.dash * pen))
            << pen;
    }
}

} // namespace
} // namespace pumpvale::chart
