// The entries of "Savings Over Time" as texts, and the rules that turn them into checked numbers.
//
// An entry is a number as a whole: blanks and invisible characters anywhere are dropped, as everywhere
// in the program, and the period is the decimal point; anything else in it (a thousands comma, a
// currency sign, a unit) is refused rather than guessed. The maintenance and the discount rate read as 0
// when empty, the emission factor as "not given"; the prices and the years must be filled in.
#pragma once

#include "core/messages.h"
#include "core/payback.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pumpvale {

enum class LifeCycleField {
    PcPrice,
    AoddPrice,
    PcMaintenance,
    AoddMaintenance,
    Years,
    DiscountRate,
    EmissionFactor
};

struct LifeCycleEntries {
    std::string pcPrice;
    std::string aoddPrice;
    std::string pcMaintenance = "0";
    std::string aoddMaintenance = "0";
    std::string years = std::to_string(PaybackInputs{}.years);
    std::string discountRatePct = "0";
    std::string emissionFactor; // kg CO2e per kWh; empty: no CO2 figures

    friend bool operator==(const LifeCycleEntries&, const LifeCycleEntries&) = default;
};

struct EntryProblem {
    LifeCycleField field;
    Message message;

    friend bool operator==(const EntryProblem&, const EntryProblem&) = default;
};

struct CheckedEntries {
    std::vector<EntryProblem> problems;   // in the entries' order
    std::optional<PaybackInputs> payback; // when every payback entry passes
    std::optional<double> emissionFactor; // when it is given and passes
};

CheckedEntries checkLifeCycleEntries(const LifeCycleEntries& entries);

// The rule of one field on a number: refused when not finite, outside its range, or (the years) not
// whole. The message says what to enter.
std::optional<Message> lifeCycleRule(LifeCycleField field, double value);

// The number a whole entry text stands for, read by the calculator's own rule (parseLeadingNumber: "1e-999"
// is 0), or none when it is empty, holds anything else, or is too large for a double.
std::optional<double> parseWholeEntry(std::string_view text);

namespace msg {
// clang-format off
inline constexpr Message kEnterPcPrice{"Please enter the installed price of the PC pump as a number, such as 2500 or 2500.50.", kError};
inline constexpr Message kPcPriceRange{"The installed price of the PC pump must lie between 0 and 1,000,000,000,000.", kError};
inline constexpr Message kEnterAoddPrice{"Please enter the installed price of the AODD pump as a number, such as 1000 or 1000.50.", kError};
inline constexpr Message kAoddPriceRange{"The installed price of the AODD pump must lie between 0 and 1,000,000,000,000.", kError};
inline constexpr Message kEnterPcMaintenance{"Please enter the yearly maintenance of the PC pump as a number, such as 120, or 0 for none.", kError};
inline constexpr Message kPcMaintenanceRange{"The yearly maintenance of the PC pump must lie between 0 and 1,000,000,000,000.", kError};
inline constexpr Message kEnterAoddMaintenance{"Please enter the yearly maintenance of the AODD pump as a number, such as 120, or 0 for none.", kError};
inline constexpr Message kAoddMaintenanceRange{"The yearly maintenance of the AODD pump must lie between 0 and 1,000,000,000,000.", kError};
inline constexpr Message kEnterYears{"Please enter the years of service as a whole number from 1 to 50.", kError};
inline constexpr Message kEnterDiscountRate{"Please enter the discount rate as a number of percent a year, such as 5, or 0 for none.", kError};
inline constexpr Message kDiscountRateRange{"The discount rate must lie between 0 and 100 percent a year.", kError};
inline constexpr Message kEnterEmissionFactor{"Please enter the grid emission factor as a number of kg CO2e per kWh, such as 0.25, or leave it empty.", kError};
inline constexpr Message kEmissionFactorRange{"The grid emission factor must lie between 0 and 2 kg CO2e per kWh.", kError};
inline constexpr Message kLifeCycleTooLarge{"The amounts are too large to follow over the years of service. Please check the prices and the maintenance.", kError};
// clang-format on
} // namespace msg

} // namespace pumpvale
