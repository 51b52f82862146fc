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

// Three curves that meet where they end, as the inlet sizes' costs do at high flow: each name set beside
// its own end would lie nearer another curve. Each is placed where its own curve is the nearest.
TEST(LabelPlacement, EachNameIsNearestItsOwnCurveWhereCurvesCrowd) {
    LabelScene scene;
    scene.areas = {{0, 0, 400, 300}};
    scene.gap = 3;
    scene.curves = {
        {{0, 40}, {300, 150}}, {{0, 260}, {300, 156}}, {{0, 150}, {290, 153}}, {{310, 0}, {310, 300}}};
    scene.owners = {0, 1, 2, -1}; // the last, the duty point's flow, bears no name
    const std::vector<LabelRequest> requests{
        {{300, 150}, 60, 14, 0}, {{300, 156}, 60, 14, 1}, {{290, 153}, 60, 14, 2}};
    const std::vector<PlacedLabel> placed = placeLabels(requests, scene);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        ASSERT_TRUE(placed[i].placed) << i;
        EXPECT_TRUE(nearestToOwnCurve(placed[i].box, requests[i].owner, scene)) << i;
        for (std::size_t other = 0; other < 3; ++other) {
            if (other == i)
                continue;
            EXPECT_LT(distanceTo(placed[i].box, scene.curves[i]),
                      distanceTo(placed[i].box, scene.curves[other]))
                << i << " nearer " << other;
        }
    }
}

// At any pen width and on any stretch, a gap is as wide as the pen and two pixels at least, and a dash as
// long: narrower, antialiasing closes the gap and the stretch reads as solid.
TEST(Dashes, GapsStayOpenAtEveryPenWidthAndStretch) {
    for (const double pen : {0.5, 1.0, 1.5, 2.4, 4.8, 8.0, 12.0})
        for (const double stretch : {3.0, 10.0, 40.0, 1000.0}) {
            const DashPattern d = dashPattern(pen, 15, stretch);
            EXPECT_GE(d.gap * pen, std::max(pen, 2.0)) << pen << " on " << stretch;
            EXPECT_GE(d.dash * pen, std::max(pen, 2.0)) << pen << " on " << stretch;
            EXPECT_EQ(d.offset, d.dash) << "begins with a gap";
            if (stretch >= 1000) {
                EXPECT_GE(stretch / ((d.dash + d.gap) * pen), 3) << pen;
            }
        }
}

} // namespace
} // namespace pumpvale::chart
