#include "core/energy.h"

#include "core/cost.h"

namespace pumpvale {

AnnualEnergy annualEnergy(const OperatingCase& c, bool pcOnly) {
    AnnualEnergy e;
    e.hours = operatingHoursPerYear(c);
    e.pcKwh = pcInputKw(c) * e.hours;
    if (!pcOnly) {
        e.aoddKwh = compressorInputKw(c) * e.hours;
        e.savedKwh = *e.aoddKwh - e.pcKwh;
    }
    return e;
}

AnnualEmissions annualEmissions(const AnnualEnergy& energy, double kgPerKwh) {
    AnnualEmissions out;
    out.kgPerKwh = kgPerKwh;
    out.pcKg = energy.pcKwh * kgPerKwh;
    if (energy.aoddKwh) {
        out.aoddKg = *energy.aoddKwh * kgPerKwh;
        out.avoidedKg = *out.aoddKg - out.pcKg;
    }
    return out;
}

} // namespace pumpvale
