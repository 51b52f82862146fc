// The makers' performance data of the AODD pumps, one table per inlet size, in the form the lookup reads.
//
// Each table has three parts:
// - Table A, the makers' points: at each flow point, for each standard pressure point, the air
//   consumption (SCFM) and the air inlet pressure (psi gauge) the pump needs.
// - Table B, the bracket rules: which two flow points `Qa` < `Qb` serve a flow, and at each of them which
//   straight line through the row's points (a segment) serves the fluid pressure. A segment is extended
//   beyond its points where the makers' data stop, so a value is always read on the line.
// - Table C, the outcomes outside the data: minimum and maximum flow with their warnings, and the
//   warning for a pressure above all the brackets of a flow bracket that has no limit.
// A flow bracket's pressure limit sits with its pressure brackets in Table B, with its warning.
//
// The data live in aodd/tables.cpp and are checked there at compile time against the standard grid.
#pragma once

#include "core/messages.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace pumpvale {

// The grid on which every point of every table lies: flows in US GPM, fluid pressures in psi gauge.
// clang-format off
inline constexpr std::array<double, 17> standardFlowPoints{1, 2, 3, 5, 6, 7.5, 10, 15, 20, 30, 40, 50, 75, 100,
                                                           125, 150, 200};
inline constexpr std::array<double, 5> standardPressurePoints{20, 40, 60, 80, 100};
// clang-format on

struct PerformancePoint {
    double scfm;   // air consumption
    double airPsi; // required air inlet pressure, psi gauge
};

// Table A: one flow point and the makers' point at each standard pressure point, or none where the
// makers give none.
struct FlowPointRow {
    double flowGpm;
    std::optional<PerformancePoint> atPressure[standardPressurePoints.size()];

    constexpr std::optional<PerformancePoint> pointAt(double psi) const {
        for (std::size_t i = 0; i < standardPressurePoints.size(); ++i)
            if (standardPressurePoints[i] == psi)
                return atPressure[i];
        return std::nullopt;
    }
};

// The line through a row's points at the pressure points `from` and `to`. A row with a single point is
// named by from == to: that point serves every pressure.
struct Segment {
    double from;
    double to;

    constexpr bool isSinglePoint() const { return from == to; }
};

// lo < p <= hi selects the segment read at Qa and the one read at Qb. An advisory is shown when the
// bracket is used, and the lookup goes on.
struct PressureBracket {
    double lo;
    double hi;
    Segment atQa;
    Segment atQb;
    std::optional<Message> advisory = std::nullopt;

    constexpr bool holds(double p) const { return lo < p && p <= hi; }
};

// p > psi: the pump cannot deliver this pressure at this flow.
struct PressureLimit {
    double psi;
    Message message;
};

// The lower end of a flow bracket; the upper end always includes its bound.
struct FlowBound {
    double gpm;
    bool inclusive;
};

inline constexpr std::size_t kMaxPressureBrackets = 4;

// Table B: one flow bracket and its pressure brackets in test order. Unused places hold the empty
// bracket 0 < p <= 0.
struct FlowBracket {
    FlowBound lower;
    double upperGpm;
    double qa;
    double qb;
    PressureBracket pressures[kMaxPressureBrackets];
    std::optional<PressureLimit> pressureLimit;

    constexpr bool holds(double q) const {
        return (lower.inclusive ? q >= lower.gpm : q > lower.gpm) && q <= upperGpm;
    }
    // The highest pressure any of its brackets holds.
    constexpr double topPsi() const {
        double top = 0;
        for (const PressureBracket& b : pressures)
            top = b.hi > top ? b.hi : top;
        return top;
    }
};

struct FlowLimit {
    double gpm;
    Message message;
};

// Table C.
struct OutOfRangeOutcomes {
    std::optional<FlowLimit> minimumFlow; // Q below it, tested before the brackets
    FlowLimit maximumFlow;                // Q above it, tested after them
    // A pressure above every bracket of a flow bracket that has no limit: the pump is asked more than
    // its data show, so it is refused like a pressure above a limit.
    Message pressureAboveData;
};

struct AoddPerformanceTable {
    std::span<const FlowPointRow> points;  // Table A, flow points ascending
    std::span<const FlowBracket> brackets; // Table B, in test order
    OutOfRangeOutcomes outcomes;           // Table C

    // The row of a flow point, or null.
    constexpr const FlowPointRow* rowAt(double gpm) const {
        for (const FlowPointRow& row : points)
            if (row.flowGpm == gpm)
                return &row;
        return nullptr;
    }
};

} // namespace pumpvale
