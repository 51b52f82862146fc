// Payback and life-cycle cost: whether the dearer PC pump pays for itself over its years of service.
//
// The yearly figures are those of the last result: each pump's annual electricity cost and the savings.
// Money is in the result's currency, undiscounted except for the net present value and the discounted
// payback. Year t's electricity is today's (the result's) times (1 + escalation) ^ (t - 1): the first
// year at today's price, each later one dearer by the energy price escalation; maintenance stays at the
// price entered. Each pump's cost of ownership at the end of year t is its installed price plus its
// electricity and maintenance of years 1 to t.
#pragma once

#include "core/messages.h"
#include "core/operating_case.h"

#include <optional>
#include <vector>

namespace pumpvale {

struct PaybackInputs {
    double pcPrice = 0;         // installed price
    double aoddPrice = 0;       // installed price, with its share of the compressor if one must be bought
    double pcMaintenance = 0;   // a year
    double aoddMaintenance = 0; // a year
    int years = 10;             // of service
    double discountRatePct = 0; // percent a year
    double escalationPct = 0;   // percent a year, the electricity price's rise

    friend bool operator==(const PaybackInputs&, const PaybackInputs&) = default;
};

enum class PaybackOutcome {
    AtOnce, // the PC pump costs no more to buy, and its net saving a year is not negative
    InYears,
    Never, // nothing to recover it with: the net saving a year is not above 0
};

struct LifeCycle {
    double extraFirstCost = 0;   // PC price - AODD price
    double netSavingPerYear = 0; // savings + AODD maintenance - PC maintenance, at today's prices
    PaybackOutcome payback = PaybackOutcome::Never;
    double paybackYears = 0;           // InYears only: extra first cost / net saving a year
    double cumulativeNetSaving = 0;    // at the end of the service life, the electricity escalated
    double netPresentValue = 0;        // of the net savings at the discount rate, less the extra first cost
    bool paybackBeyondService = false; // InYears, and the simple payback is longer than the service life
    // When the net savings, escalated and discounted to the day of purchase, have recovered the extra
    // first cost: at once (no dearer to buy and no year's net saving negative), within the service life
    // in years (the year's saving spread evenly over it), or never: when no year saves anything, or
    // (discountedBeyondService) not within the service life.
    PaybackOutcome discountedPayback = PaybackOutcome::Never;
    double discountedPaybackYears = 0; // InYears only
    bool discountedBeyondService = false;
    // Each pump's cost of ownership at the end of year 0 (its installed price) to the last year.
    std::vector<double> pcCumulative;
    std::vector<double> aoddCumulative;
    // Where the PC pump's cost (not discounted) first drops below the AODD pump's, within the service
    // life, the lines straight between years; none when it never does, or is lower from the start.
    std::optional<double> breakEvenYear;
};

struct LifeCycleResult {
    Messages messages;                // why there is no life cycle
    std::optional<LifeCycle> figures; // every figure finite
};

// The inputs checked first (every message in the entries' order), then the figures. costs must be a
// full result (both pumps costed).
LifeCycleResult computeLifeCycle(const PaybackInputs& inputs, const AnnualCosts& costs);

} // namespace pumpvale
