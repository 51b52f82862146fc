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

namespace pumpvale {

struct AoddPerformanceTable; // aodd/performance_tables.h

struct LookupReport {
    Messages messages;           // in the order the user must see them
    bool producedResult = false; // airConsumptionScfm and requiredAirPsi describe this operating point
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
