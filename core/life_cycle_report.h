// The energy, CO2 and payback sections of the calculation report.
//
// Each section and row has a stable key, for the layouts and exports that find them by key rather than
// by their words.
#pragma once

#include "core/payback.h"
#include "core/report.h"

#include <optional>
#include <string_view>

namespace pumpvale {

// What "Savings Over Time" holds, checked: a factor gives the CO2 section, payback inputs the payback
// section (for a full result only).
struct LifeCycleInputs {
    std::optional<double> emissionFactor; // kg CO2e per kWh
    std::optional<PaybackInputs> payback;
};

// Appends "Energy" always, "CO2 emissions" when a factor is given, and "Payback and life-cycle cost"
// when payback inputs are given, the result is a full one and its figures are finite.
void appendLifeCycleSections(CalculationReport& report, const OperatingCase& c, const AnnualCosts& costs,
                             const LifeCycleInputs& inputs);

namespace life_cycle_keys {
// clang-format off
inline constexpr std::string_view kEnergySection      = "energy";
inline constexpr std::string_view kPcEnergy           = "energy.pc_kwh";
inline constexpr std::string_view kAoddEnergy         = "energy.aodd_kwh";
inline constexpr std::string_view kEnergySaved        = "energy.saved_kwh";

inline constexpr std::string_view kCo2Section         = "co2";
inline constexpr std::string_view kEmissionFactor     = "co2.factor";
inline constexpr std::string_view kPcCo2              = "co2.pc_kg";
inline constexpr std::string_view kAoddCo2            = "co2.aodd_kg";
inline constexpr std::string_view kCo2Avoided         = "co2.avoided_kg";

inline constexpr std::string_view kPaybackSection     = "payback";
inline constexpr std::string_view kPcPrice            = "payback.pc_price";
inline constexpr std::string_view kAoddPrice          = "payback.aodd_price";
inline constexpr std::string_view kPcMaintenance      = "payback.pc_maintenance";
inline constexpr std::string_view kAoddMaintenance    = "payback.aodd_maintenance";
inline constexpr std::string_view kYearsOfService     = "payback.years";
inline constexpr std::string_view kDiscountRate       = "payback.discount_rate";
inline constexpr std::string_view kExtraFirstCost     = "payback.extra_first_cost";
inline constexpr std::string_view kNetSavingPerYear   = "payback.net_saving_per_year";
inline constexpr std::string_view kSimplePayback      = "payback.simple_payback";
inline constexpr std::string_view kCumulativeSaving   = "payback.cumulative_net_saving";
inline constexpr std::string_view kNetPresentValue    = "payback.net_present_value";
// clang-format on
} // namespace life_cycle_keys

} // namespace pumpvale
