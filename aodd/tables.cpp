// The makers' performance data of the six AODD inlet sizes, and the checks that keep them on the grid.
//
// Table A rows: flow (US GPM), then SCFM and required air inlet pressure (psi gauge) at 20, 40, 60, 80
// and 100 psi fluid pressure; a row ends where the makers' data end. Table B rows: flow bracket (lower
// bound, upper bound), Qa, Qb, then the pressure brackets lo < p <= hi, each with the segment read at Qa
// and the one read at Qb, and the pressure limit. Table C: minimum flow, maximum flow, and the warning
// for a pressure above every bracket of a flow bracket without a limit.
#include "aodd/lookup.h"
#include "aodd/performance_tables.h"

#include <algorithm>

namespace pumpvale {
namespace {

using msg::kFlowTooHigh;
using msg::kFlowTooHighPlain;
using msg::kFlowTooLow;
using msg::kPressureTooHigh;
using msg::kPressureTooHighTitledError;
using msg::kThreeInchAdvisory;
using msg::kThreeInchFlowTooHigh;
using msg::kThreeInchPressureTooHigh;

using P = PerformancePoint;
using Limit = PressureLimit;

constexpr FlowBound over(double gpm) {
    return {gpm, false};
}
constexpr FlowBound from(double gpm) {
    return {gpm, true};
}
constexpr Segment onePoint(double psi) {
    return {psi, psi};
}
constexpr std::optional<PressureLimit> kNoLimit = std::nullopt;
constexpr std::optional<FlowLimit> kNoMinimumFlow = std::nullopt;

// clang-format off

// --- 1/4 inch ---

constexpr FlowPointRow kQuarterPoints[] = {
    {1,    {P{2, 38},        P{2, 60},        P{2.5, 80},      P{3, 100}}},
    {2,    {P{4, 50},        P{5, 80},        P{6, 100}}},
    {3,    {P{7, 75},        P{8, 100}}},
};

constexpr FlowBracket kQuarterBrackets[] = {
    {from(0.5),  2,    1,   2,   {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  90, {60,  80}, {40,  60}}}, Limit{90, kPressureTooHigh}},
    {over(2),    3.5,  2,   3,   {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  50, {40,  60}, {20,  40}}}, Limit{50, kPressureTooHigh}},
};

constexpr OutOfRangeOutcomes kQuarterOutcomes{
    .minimumFlow       = kNoMinimumFlow,
    .maximumFlow       = {3.5, kFlowTooHighPlain},
    .pressureAboveData = kPressureTooHigh,
};

constexpr AoddPerformanceTable kQuarter{kQuarterPoints, kQuarterBrackets, kQuarterOutcomes};

// --- 1/2 inch ---

constexpr FlowPointRow kHalfPoints[] = {
    {1,    {P{0.4, 22},      P{0.6, 44},      P{0.9, 66},      P{1.3, 88},      P{1.7, 110}}},
    {2,    {P{0.9, 25},      P{1.2, 45},      P{2.4, 65},      P{2.4, 85},      P{3.2, 105}}},
    {3,    {P{1.3, 28},      P{1.8, 48},      P{2.6, 68},      P{3.5, 88},      P{4.2, 108}}},
    {5,    {P{2.1, 31},      P{3, 50},        P{4.1, 70},      P{5.3, 90}}},
    {6,    {P{2.6, 35},      P{3.8, 55},      P{5, 75},        P{6.5, 95}}},
    {7.5,  {P{3.7, 40},      P{6.5, 70},      P{9.3, 90}}},
    {10,   {P{9.6, 70},      P{13, 95}}},
};

constexpr FlowBracket kHalfBrackets[] = {
    {from(0.5),  2,    1,   2,   {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(2),    3,    2,   3,   {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(3),    5,    3,   5,   {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {60,  80}}}, kNoLimit},
    {over(5),    6,    5,   6,   {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  90, {60,  80}, {60,  80}}}, Limit{90, kPressureTooHigh}},
    {over(6),    7.5,  6,   7.5, {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {40,  60}}}, Limit{80, kPressureTooHighTitledError}},
    {over(7.5),  11,   7.5, 10,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {20,  40}}}, Limit{60, kPressureTooHigh}},
};

constexpr OutOfRangeOutcomes kHalfOutcomes{
    .minimumFlow       = kNoMinimumFlow,
    .maximumFlow       = {11, kFlowTooHigh},
    .pressureAboveData = kPressureTooHigh,
};

constexpr AoddPerformanceTable kHalf{kHalfPoints, kHalfBrackets, kHalfOutcomes};

// --- 1 inch ---

constexpr FlowPointRow kOnePoints[] = {
    {2,    {P{1.3, 22},      P{1.7, 44},      P{3, 66},        P{5, 86},        P{8, 106}}},
    {3,    {P{2, 28},        P{3.2, 48},      P{5, 68},        P{7.1, 88},      P{10, 108}}},
    {5,    {P{3.3, 30},      P{5, 50},        P{8, 70},        P{11, 90},       P{12.5, 110}}},
    {6,    {P{3.8, 33},      P{5.9, 53},      P{9, 73},        P{12.5, 93},     P{14, 113}}},
    {7.5,  {P{5, 35},        P{7.5, 55},      P{12.3, 75},     P{14, 95},       P{16, 115}}},
    {10,   {P{6.6, 37},      P{10, 57},       P{13.5, 77},     P{17, 97}}},
    {15,   {P{10, 40},       P{14, 58},       P{20, 80},       P{22, 105}}},
    {20,   {P{14.5, 44},     P{20, 65},       P{25, 92}}},
    {30,   {P{28, 80},       P{32, 100}}},
};

constexpr FlowBracket kOneBrackets[] = {
    {from(1),    3,    2,   3,   {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(3),    5,    3,   5,   {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(5),    6,    5,   6,   {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(6),    7.5,  6,   7.5, {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(7.5),  10,   7.5, 10,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {60,  80}}}, kNoLimit},
    {over(10),   15,   10,  15,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  90, {60,  80}, {60,  80}}}, Limit{90, kPressureTooHigh}},
    {over(15),   20,   15,  20,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  85, {60,  80}, {40,  60}}}, Limit{85, kPressureTooHigh}},
    {over(20),   32,   20,  30,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  65, {40,  60}, {20,  40}}}, Limit{65, kPressureTooHigh}},
};

constexpr OutOfRangeOutcomes kOneOutcomes{
    .minimumFlow       = FlowLimit{1, kFlowTooLow},
    .maximumFlow       = {32, kFlowTooHigh},
    .pressureAboveData = kPressureTooHigh,
};

constexpr AoddPerformanceTable kOne{kOnePoints, kOneBrackets, kOneOutcomes};

// --- 1 1/2 inch ---

constexpr FlowPointRow kOneAndHalfPoints[] = {
    {5,    {P{3.1, 22},      P{4.4, 42},      P{6, 62},        P{10, 82},       P{18, 102}}},
    {6,    {P{3.7, 22.5},    P{5.3, 42.5},    P{7.2, 62.5},    P{12, 82.5},     P{21.6, 102.5}}},
    {7.5,  {P{4.6, 23},      P{6.7, 43},      P{9, 63},        P{15, 83},       P{27, 103}}},
    {10,   {P{6.2, 25},      P{8, 45},        P{10, 65},       P{20, 84},       P{24, 104}}},
    {15,   {P{9.2, 27},      P{13.3, 47},     P{19, 66},       P{25, 87},       P{30, 110}}},
    {20,   {P{12.3, 30},     P{17.8, 50},     P{23, 70},       P{25, 92}}},
    {30,   {P{18, 38},       P{26, 58},       P{32, 80},       P{42, 100}}},
    {40,   {P{25, 46},       P{35, 70},       P{50, 92}}},
    {50,   {P{40, 60},       P{52, 85}}},
};

constexpr FlowBracket kOneAndHalfBrackets[] = {
    {from(5),    6,    5,   6,   {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(6),    7.5,  6,   7.5, {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(7.5),  10,   7.5, 10,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(10),   15,   10,  15,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(15),   20,   15,  20,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {60,  80}}}, kNoLimit},
    {over(20),   30,   20,  30,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}}}, Limit{80, kPressureTooHigh}},
    {over(30),   40,   30,  40,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {40,  60}}}, Limit{80, kPressureTooHigh}},
    {over(40),   55,   40,  50,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {20,  40}}}, Limit{60, kPressureTooHigh}},
};

constexpr OutOfRangeOutcomes kOneAndHalfOutcomes{
    .minimumFlow       = FlowLimit{5, kFlowTooLow},
    .maximumFlow       = {55, kFlowTooHigh},
    .pressureAboveData = kPressureTooHigh,
};

constexpr AoddPerformanceTable kOneAndHalf{kOneAndHalfPoints, kOneAndHalfBrackets, kOneAndHalfOutcomes};

// --- 2 inch ---

constexpr FlowPointRow kTwoPoints[] = {
    {10,   {P{5, 21},        P{10, 41},       P{18, 62},       P{22, 82},       P{23, 103}}},
    {15,   {P{7.5, 23},      P{15, 43},       P{23, 63},       P{30, 83},       P{35, 105}}},
    {20,   {P{10, 24},       P{19, 44},       P{28, 64},       P{38, 85},       P{42, 108}}},
    {30,   {P{15, 25},       P{21, 45},       P{40, 66},       P{45, 86},       P{50, 110}}},
    {40,   {P{20, 28},       P{32, 50},       P{46, 70},       P{57, 90}}},
    {50,   {P{26, 30},       P{40, 53},       P{55, 73},       P{65, 95}}},
    {75,   {P{44, 40},       P{60, 60},       P{80, 90}}},
    {100,  {P{66, 55},       P{100, 90}}},
    {125,  {P{120, 85}}},
};

constexpr FlowBracket kTwoBrackets[] = {
    {from(5),    15,   10,  15,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(15),   20,   15,  20,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(20),   30,   20,  30,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(30),   40,   30,  40,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {60,  80}}}, kNoLimit},
    {over(40),   50,   40,  50,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}}}, Limit{80, kPressureTooHigh}},
    {over(50),   75,   50,  75,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {40,  60}}}, Limit{80, kPressureTooHigh}},
    {over(75),   100,  75,  100, {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {20,  40}}}, Limit{60, kPressureTooHigh}},
    {over(100),  125,  100, 125, {{ 0,  40, {20,  40}, onePoint(20)}},                                Limit{40, kPressureTooHigh}},
};

constexpr OutOfRangeOutcomes kTwoOutcomes{
    .minimumFlow       = FlowLimit{5, kFlowTooLow},
    .maximumFlow       = {125, kFlowTooHigh},
    .pressureAboveData = kPressureTooHigh,
};

constexpr AoddPerformanceTable kTwo{kTwoPoints, kTwoBrackets, kTwoOutcomes};

// --- 3 inch ---

constexpr FlowPointRow kThreePoints[] = {
    {15,   {P{10, 21},       P{16.66, 41},    P{33.3, 61},     P{54, 82},       P{62, 103}}},
    {20,   {P{13, 22},       P{22, 42},       P{48, 62},       P{58, 83},       P{63, 105}}},
    {30,   {P{20, 24},       P{33, 44},       P{55, 64},       P{68, 85},       P{75, 107}}},
    {40,   {P{25, 25},       P{41.667, 45},   P{63, 65},       P{73, 86},       P{85, 108}}},
    {50,   {P{38, 26},       P{60, 46},       P{70, 66},       P{82, 88},       P{88, 110}}},
    {75,   {P{50, 29},       P{67, 50},       P{85, 72},       P{110, 92},      P{125, 112}}},
    {100,  {P{63, 30},       P{80, 52},       P{110, 80},      P{137, 100}}},
    {125,  {P{73, 40},       P{125, 60},      P{150, 90},      P{165, 110}}},
    {150,  {P{110, 43},      P{150, 80},      P{180, 103}}},
    {200,  {P{200, 60},      P{230, 105}}},
};

constexpr FlowBracket kThreeBrackets[] = {
    {from(13.5), 20,   15,  20,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(20),   30,   20,  30,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(30),   40,   30,  40,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(40),   50,   40,  50,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(50),   75,   50,  75,  {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {80, 100}}}, kNoLimit},
    {over(75),   100,  75,  100, {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}},
                                  {80, 100, {80, 100}, {60,  80}}}, kNoLimit},
    {over(100),  125,  100, 125, {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {60,  80}}}, Limit{80, kThreeInchPressureTooHigh}},
    {over(125),  150,  125, 150, {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {40,  60}},
                                  {60,  80, {60,  80}, {40,  60}}}, Limit{80, kThreeInchPressureTooHigh}},
    {over(150),  200,  150, 200, {{ 0,  40, {20,  40}, {20,  40}},
                                  {40,  60, {40,  60}, {20,  40}, kThreeInchAdvisory}}, Limit{60, kThreeInchPressureTooHigh}},
};

constexpr OutOfRangeOutcomes kThreeOutcomes{
    .minimumFlow       = FlowLimit{13.5, kFlowTooLow},
    .maximumFlow       = {200, kThreeInchFlowTooHigh},
    .pressureAboveData = kThreeInchPressureTooHigh,
};

constexpr AoddPerformanceTable kThree{kThreePoints, kThreeBrackets, kThreeOutcomes};

// clang-format on

// --- Compile-time checks: every point on the standard grid, every bracket readable ---

constexpr bool onGrid(std::span<const double> grid, double value) {
    return std::ranges::find(grid, value) != grid.end();
}

constexpr bool canRead(const FlowPointRow* row, Segment s) {
    return row != nullptr && s.from <= s.to && row->pointAt(s.from) && row->pointAt(s.to);
}

// The used brackets run on from 0 psi without gap, each reads points that exist, and the limit (if
// any) starts where the last bracket ends.
constexpr bool pressureBracketsAreSound(const FlowBracket& b, const AoddPerformanceTable& t) {
    double top = 0;
    bool unusedSeen = false;
    for (const PressureBracket& pb : b.pressures) {
        if (pb.lo == 0 && pb.hi == 0) {
            unusedSeen = true;
            continue;
        }
        if (unusedSeen || pb.lo != top || pb.hi <= pb.lo)
            return false;
        if (!canRead(t.rowAt(b.qa), pb.atQa) || !canRead(t.rowAt(b.qb), pb.atQb))
            return false;
        top = pb.hi;
    }
    return top > 0 && (!b.pressureLimit || b.pressureLimit->psi == top);
}

// Table A ascending on the grid; Table B's flow brackets follow each other without gap or overlap from
// the minimum flow (where there is one) to the maximum flow, each reading two rows of Table A.
constexpr bool isSound(const AoddPerformanceTable& t) {
    double previous = 0;
    for (const FlowPointRow& row : t.points) {
        if (!onGrid(standardFlowPoints, row.flowGpm) || row.flowGpm <= previous)
            return false;
        previous = row.flowGpm;
    }
    const FlowBound first = t.brackets.front().lower;
    const auto& minimum = t.outcomes.minimumFlow;
    if (minimum && (minimum->gpm != first.gpm || !first.inclusive))
        return false;
    double upper = first.gpm;
    for (const FlowBracket& b : t.brackets) {
        if (&b != &t.brackets.front() && (b.lower.gpm != upper || b.lower.inclusive))
            return false;
        if (b.upperGpm <= b.lower.gpm || b.qa >= b.qb || !pressureBracketsAreSound(b, t))
            return false;
        upper = b.upperGpm;
    }
    return upper == t.outcomes.maximumFlow.gpm;
}

static_assert(std::ranges::is_sorted(standardFlowPoints) && std::ranges::is_sorted(standardPressurePoints));
static_assert(isSound(kQuarter));
static_assert(isSound(kHalf));
static_assert(isSound(kOne));
static_assert(isSound(kOneAndHalf));
static_assert(isSound(kTwo));
static_assert(isSound(kThree));

} // namespace

const AoddPerformanceTable& performanceTable(InletSize size) {
    switch (size) {
        case InletSize::Quarter:
            return kQuarter;
        case InletSize::Half:
            return kHalf;
        case InletSize::One:
            return kOne;
        case InletSize::OneAndHalf:
            return kOneAndHalf;
        case InletSize::Two:
            return kTwo;
        case InletSize::Three:
            break;
    }
    return kThree;
}

} // namespace pumpvale
