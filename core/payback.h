// Payback and life-cycle cost: whether the dearer PC pump pays for itself over its years of service.
//
// The yearly figures are those of the last result: each pump's annual electricity cost and the savings.
// Money is in the result's currency, undiscounted except for the net present value. Each pump's cost
// of ownership at the end of year t is its installed price plus t years of electricity and maintenance.
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

    friend bool operator==(const PaybackInputs&, const PaybackInputs&) = default;
};

enum class PaybackOutcome {
    AtOnce, // the PC pump costs no more to buy
    InYears,
    Never, // it costs more to buy and saves nothing a year
};

struct LifeCycle {
    double extraFirstCost = 0;   // PC price - AODD price
    double netSavingPerYear = 0; // savings + AODD maintenance - PC maintenance
    PaybackOutcome payback = PaybackOutcome::Never;
    double paybackYears = 0;        // InYears only: extra first cost / net saving a year
    double cumulativeNetSaving = 0; // at the end of the service life
    double netPresentValue = 0;     // of the net savings at the discount rate, less the extra first cost
    // Each pump's cost of ownership at the end of year 0 (its installed price) to the last year.
    std::vector<double> pcCumulative;
    std::vector<double> aoddCumulative;
    // Where the PC pump's cost drops below the AODD pump's, within the service life; none when it
    // never does, or is lower from the start.
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
