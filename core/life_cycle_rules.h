// The rule of each "Savings Over Time" entry on a number, from the limits (core/limits.h). The entries'
// check reads the texts through it, and the payback checks the numbers it is given by it, so the two
// never disagree on what is accepted.
#pragma once

#include "core/limits.h"
#include "core/messages.h"
#include "core/number_format.h"

#include <array>
#include <optional>
#include <string>

namespace pumpvale {

enum class LifeCycleField {
    PcPrice,
    AoddPrice,
    PcMaintenance,
    AoddMaintenance,
    Years,
    DiscountRate,
    EnergyEscalation,
    EmissionFactor
};

// What an empty entry stands for.
enum class WhenEmpty { Refused, Zero, NotGiven };

struct LifeCycleRule {
    LifeCycleField field;
    WhenEmpty whenEmpty;
    double most;   // the least is 0 but for the years
    Message enter; // the entry is no number, or (the years) not a whole one in range
    Message range; // the number lies outside 0 to most
};

inline constexpr std::size_t kLifeCycleFieldCount = 8;

// The rules in the entries' order, which is that of LifeCycleField.
const std::array<LifeCycleRule, kLifeCycleFieldCount>& lifeCycleRules();

// The rule of one field on a number: refused when not finite, outside its range, or (the years) not
// whole. The message says what to enter.
std::optional<Message> lifeCycleRule(LifeCycleField field, double value);

// What the field accepts, in words made from its rule: "Accepted: 0 to 100; empty is 0.", "Accepted:
// whole years, 1 to 50.", for a screen reader's description of the entry.
std::string acceptedRange(LifeCycleField field, const Separators& separators);

} // namespace pumpvale
