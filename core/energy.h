// The energy a year behind the annual costs, and the CO2 it stands for at a grid emission factor.
//
// The energy is what the costs already charge for: each machine's input power in kW times the operating
// hours (core/cost.h), before the price. No factor is built in: grid emissions differ by a factor of ten
// between countries and years, and the program is used with eleven currencies, so there are no CO2
// figures until the user gives the factor of the grid that feeds the plant.
#pragma once

#include "core/operating_case.h"

#include <optional>

namespace pumpvale {

struct AnnualEnergy {
    double hours = 0;               // operating hours a year
    double pcKwh = 0;               // the PC pump
    std::optional<double> aoddKwh;  // the compressor feeding the AODD pump; none for a PC-only result
    std::optional<double> savedKwh; // aoddKwh - pcKwh; negative when the PC pump uses more
};

// From the stored intermediates of the last result; pcOnly leaves out the AODD pump.
AnnualEnergy annualEnergy(const OperatingCase& c, bool pcOnly);

struct AnnualEmissions {
    double kgPerKwh = 0; // the grid emission factor, kg CO2e per kWh
    double pcKg = 0;
    std::optional<double> aoddKg;
    std::optional<double> avoidedKg; // aoddKg - pcKg
};

AnnualEmissions annualEmissions(const AnnualEnergy& energy, double kgPerKwh);

} // namespace pumpvale
