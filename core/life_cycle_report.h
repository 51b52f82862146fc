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
inline constexpr std::string_view kPcEnergy           = "pc-energy";
inline constexpr std::string_view kAoddEnergy         = "aodd-energy";
inline constexpr std::string_view kEnergySaved        = "energy-saved";

inline constexpr std::string_view kCo2Section         = "co2";
inline constexpr std::string_view kEmissionFactor     = "emission-factor";
inline constexpr std::string_view kPcCo2              = "pc-co2";
inline constexpr std::string_view kAoddCo2            = "aodd-co2";
inline constexpr std::string_view kCo2Avoided         = "co2-avoided";

inline constexpr std::string_view kPaybackSection     = "payback";
inline constexpr std::string_view kPcPrice            = "pc-price";
inline constexpr std::string_view kAoddPrice          = "aodd-price";
inline constexpr std::string_view kPcMaintenance      = "pc-maintenance";
inline constexpr std::string_view kAoddMaintenance    = "aodd-maintenance";
inline constexpr std::string_view kYearsOfService     = "years-of-service";
inline constexpr std::string_view kDiscountRate       = "discount-rate";
inline constexpr std::string_view kExtraFirstCost     = "extra-first-cost";
inline constexpr std::string_view kNetSavingPerYear   = "net-saving-per-year";
inline constexpr std::string_view kSimplePayback      = "simple-payback";
inline constexpr std::string_view kCumulativeSaving   = "cumulative-net-saving";
inline constexpr std::string_view kNetPresentValue    = "net-present-value";
inline constexpr std::string_view kPaybackByYear      = "payback-by-year"; // the section's table
// clang-format on
} // namespace life_cycle_keys

} // namespace pumpvale
