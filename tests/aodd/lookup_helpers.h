// The lookup as the window runs it, and a case as an earlier lookup left it: shared by the lookup's
// tests.
#pragma once

#include "aodd/lookup.h"
#include "aodd/performance_tables.h"

#include <string>

namespace pumpvale::lookup_testing {

// The window runs the 3-inch lookup through its own entry point, the others on their table.
inline LookupReport lookUp(InletSize size, OperatingCase& c) {
    return size == InletSize::Three ? lookupThreeInch(c) : lookupAodd(performanceTable(size), c);
}

inline bool inRange(InletSize size, const OperatingCase& c) {
    return size == InletSize::Three ? c.threeInchOutcome == ThreeInchOutcome::InRange : c.lookupInRange;
}

// What an earlier lookup left behind, so that "unchanged" can be seen.
inline OperatingCase afterEarlierLookup(double flowGpm, double pressurePsi) {
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

// Names each table-driven case by its name field.
inline const auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

} // namespace pumpvale::lookup_testing
