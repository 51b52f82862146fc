// The entries of "Savings Over Time" as texts, and the rules that turn them into checked numbers.
//
// An entry is a number as a whole: blanks and invisible characters anywhere are dropped, as everywhere
// in the program, and the period is the decimal point; anything else in it (a thousands comma, a
// currency sign, a unit) is refused rather than guessed. The maintenance, the discount rate and the
// energy price escalation read as 0
// when empty, the emission factor as "not given"; the prices and the years must be filled in.
#pragma once

#include "core/life_cycle_rules.h"
#include "core/messages.h"
#include "core/payback.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pumpvale {

struct LifeCycleEntries {
    std::string pcPrice;
    std::string aoddPrice;
    std::string pcMaintenance = "0";
    std::string aoddMaintenance = "0";
    std::string years = std::to_string(PaybackInputs{}.years);
    std::string discountRatePct = "0";
    std::string escalationPct = "0"; // the energy price's, percent a year
    std::string emissionFactor;      // kg CO2e per kWh; empty: no CO2 figures

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

// The number a whole entry text stands for, read by the calculator's own rule (parseLeadingNumber: "1e-999"
// is 0), or none when it is empty, holds anything else, or is too large for a double.
std::optional<double> parseWholeEntry(std::string_view text);

} // namespace pumpvale
