#include "aodd/lookup.h"

namespace pumpvale {

struct AoddPerformanceTable {};

const AoddPerformanceTable& performanceTable(InletSize) {
    static const AoddPerformanceTable table;
    return table;
}

LookupReport lookupAodd(const AoddPerformanceTable&, OperatingCase&) { return {}; }
LookupReport lookupThreeInch(OperatingCase&) { return {}; }

} // namespace pumpvale
