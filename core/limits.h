// The fixed limits of the program's entries, written once: the rules that accept and refuse read them,
// and every text that states a range (a message, an entry's description, a report row, the README's
// table by a test) is made from them or held to them. Stored (English) units: psi gauge, US GPM.
#pragma once

#include "core/messages.h"

#include <optional>

namespace pumpvale::limits {

// clang-format off
inline constexpr double kMaxWeeksPerYear      = 52;    // inclusive
inline constexpr double kMaxDaysPerWeek       = 7;     // inclusive
inline constexpr double kMaxHoursPerDay       = 24;    // inclusive
inline constexpr double kMaxElectricityPrice  = 50;    // per kWh, inclusive, whatever the currency
inline constexpr double kMaxAirPressurePsi    = 500;   // exclusive

// The PC pump.
inline constexpr double kMinPcPressurePsi     = 14.5;  // inclusive
inline constexpr double kMaxOneStagePsi       = 87;    // inclusive
inline constexpr double kMinTwoStagePsi       = 29;    // inclusive
inline constexpr double kMaxTwoStagePsi       = 174;   // inclusive
inline constexpr double kMaxTooSmallPcFlowGpm = 0.005; // flows above 0 up to this one are too small
inline constexpr double kMaxPcFlowGpm         = 1000;  // inclusive

// The AODD pumps' data; outside it only the PC pump is costed.
inline constexpr double kMinAoddPressurePsi   = 20;    // inclusive
inline constexpr double kMaxAoddPressurePsi   = 100;   // inclusive
inline constexpr double kMinAoddFlowGpm       = 0.5;   // inclusive
inline constexpr double kMaxAoddFlowGpm       = 200;   // inclusive
// clang-format on

// The two rules of a quantity that must be above 0 and at most `most`. Written as "not above 0" so
// that a value that is not a number fails as well.
inline std::optional<Message> positiveUpTo(double value, double most, const Message& notPositive,
                                           const Message& tooLarge) {
    if (!(value > 0))
        return notPositive;
    if (value > most)
        return tooLarge;
    return std::nullopt;
}

} // namespace pumpvale::limits

// The entries of "Savings Over Time".
namespace pumpvale::life_cycle_limits {
// clang-format off
inline constexpr double kMaxMoney           = 1e12; // a price or a yearly maintenance, any currency (cents, yen)
inline constexpr int    kMinYears           = 1;
inline constexpr int    kMaxYears           = 50;
inline constexpr double kMaxDiscountRatePct = 100;  // percent a year
inline constexpr double kMaxEscalationPct   = 50;   // percent a year, the electricity price's rise
inline constexpr double kMaxKgCo2ePerKwh    = 2;    // above the dirtiest lignite plant's, about 1.2
// clang-format on
} // namespace pumpvale::life_cycle_limits
