// The energy, CO2 and payback sections of the calculation report.
//
// Each section and row has a stable key, for the layouts and exports that find them by key rather than
// by their words.
#pragma once

#include "core/energy.h"
#include "core/life_cycle_entries.h"
#include "core/payback.h"
#include "core/report.h"
#include "core/session.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pumpvale {

// What "Savings Over Time" works out for the result a session shows, once: the report's energy, CO2 and
// payback sections, the window's figures and table by year and both cost of ownership charts read it.
// Each figure depends on its own entries and no other: the energy on none, the CO2 on the emission
// factor, the payback on the prices, the maintenance, the years and the discount rate (and on a full
// result). A refused entry takes away the figures that depend on it; the others stay.
struct LifeCycleOutcome {
    std::string currency;
    std::vector<EntryProblem> problems; // the refused entries, in the entries' order
    Messages messages;                  // what to fix: each refused entry, then why there is no payback
    std::optional<AnnualEnergy> energy; // while a result is shown
    std::optional<AnnualEmissions> emissions;
    std::optional<PaybackInputs> payback; // the payback entries, accepted, for a full result
    std::optional<LifeCycle> lifeCycle;   // their figures, every one finite
};

LifeCycleOutcome workOutLifeCycle(const LifeCycleEntries& entries, const OperatingCase& c,
                                  const AnnualCosts& costs, ResultShown result);
// The session's case and the result it shows.
LifeCycleOutcome workOutLifeCycle(const Session& session);

// The simple payback, the discounted payback and the break-even year as the report states them: a
// number of years, or the words that stand for it ("at once", "never", "longer than the service life").
ReportValue simplePaybackValue(const LifeCycle& l);
ReportValue discountedPaybackValue(const LifeCycle& l);
ReportValue breakEvenValue(const LifeCycle& l);

// Appends "Energy" while a result is shown, "CO2 emissions" with an accepted factor and "Payback and
// life-cycle cost" with the payback figures.
void appendLifeCycleSections(CalculationReport& report, const LifeCycleOutcome& outcome);

// "Cost of ownership by year": its columns always, a row for each year when there are figures.
ReportTable ownershipTable(const std::string& currency, const LifeCycle* figures);

// What the window says above its figures: the result's yearly costs, why a PC-only result has nothing
// to compare, or that no result is shown now.
std::string lifeCycleHeading(const Session& session, const Separators& separators);

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
inline constexpr std::string_view kEnergyEscalation   = "energy-escalation";
inline constexpr std::string_view kExtraFirstCost     = "extra-first-cost";
inline constexpr std::string_view kNetSavingPerYear   = "net-saving-per-year";
inline constexpr std::string_view kSimplePayback      = "simple-payback";
inline constexpr std::string_view kDiscountedPayback  = "discounted-payback";
inline constexpr std::string_view kBreakEvenYear      = "break-even-year";
inline constexpr std::string_view kCumulativeSaving   = "cumulative-net-saving";
inline constexpr std::string_view kNetPresentValue    = "net-present-value";
inline constexpr std::string_view kPaybackByYear      = "payback-by-year"; // the section's table
// clang-format on
} // namespace life_cycle_keys

} // namespace pumpvale
