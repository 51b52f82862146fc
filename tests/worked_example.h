// The engineers' worked example of the cost model, shared by the suites that check figures against it.
#pragma once

#include "core/operating_case.h"

namespace pumpvale {

// 60 psi, 10 GPM, one stage, all year round at 0.065 per kWh, an AODD pump using 10 SCFM at 40 psi
// (behind one compressor stage of 75 percent, entered at the cost button).
inline OperatingCase workedExampleCase() {
    OperatingCase c;
    c.pressurePsi = 60;
    c.flowGpm = 10;
    c.pcStages = PumpStages::One;
    c.weeksPerYear = 52;
    c.daysPerWeek = 7;
    c.hoursPerDay = 24;
    c.electricityPrice = 0.065;
    c.airConsumptionScfm = 10;
    c.requiredAirPsi = 40;
    return c;
}

} // namespace pumpvale
