// The AODD performance model: the one lookup over the makers' performance tables.
//
// For the user's flow and pressure the lookup reads, from the table of the chosen inlet size, the air
// consumption (SCFM) and the air inlet pressure (psi) the pump needs, by two-stage linear interpolation:
// first along pressure at the two flow points that bracket the flow, then along flow. Outside its data a
// table gives a warning instead. The lookup shows nothing: it returns the warnings.
//
// A lookup that warns writes nothing, so airConsumptionScfm and requiredAirPsi keep the values of the last
// lookup that produced a result. A point that no bracket holds and no warning covers (a flow below the
// first bracket of a table without a minimum flow, a pressure of 0 or less) gives no result and no message.
#pragma once

#include "core/messages.h"
#include "core/operating_case.h"

#include <optional>

namespace pumpvale {

struct AoddPerformanceTable; // aodd/performance_tables.h

// What the lookup found at the flow and pressure.
enum class LookupOutcome {
    Found,             // the operating point was computed
    FlowBelowData,     // below the table's minimum flow: a warning
    FlowAboveData,     // above its maximum flow: a warning
    PressureAboveData, // above the pressures the flow's bracket allows (its limit, or its data): a warning
    NoBracket,         // no bracket holds the point and no warning applies: nothing is said
};

// The figures of a point found: the working values at the bracketing flows and the point itself.
struct LookupFigures {
    AoddBracketValues bracket;
    double airConsumptionScfm = 0;
    double requiredAirPsi = 0; // gauge
    bool advisory = false;     // the table has few data around the point, and said so
};

struct LookupReport {
    Messages messages; // in the order the user must see them
    LookupOutcome outcome = LookupOutcome::NoBracket;
    std::optional<LookupFigures> figures; // with Found
    // airConsumptionScfm and requiredAirPsi describe this operating point.
    bool producedResult() const { return outcome == LookupOutcome::Found; }
};

// The table of an inlet size. The 3-inch table reports through c.threeInchOutcome, so it is looked up with
// lookupThreeInch, not lookupAodd.
const AoddPerformanceTable& performanceTable(InletSize size);

// Looks c.flowGpm and c.pressurePsi up in table; writes the working values and the operating point, and
// clears c.lookupInRange on a warning.
LookupReport lookupAodd(const AoddPerformanceTable& table, OperatingCase& c);

// The same on the 3-inch table, run when its option is clicked. Remembers the point it ran for
// (threeInchFlowGpm, threeInchPressurePsi) and reports through c.threeInchOutcome: InRange with a result,
// OutOfRange after a warning, NotRun when the point lies where no bracket reaches.
LookupReport lookupThreeInch(OperatingCase& c);

} // namespace pumpvale
