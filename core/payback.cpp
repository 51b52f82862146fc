#include "core/payback.h"

#include "core/life_cycle_rules.h"

#include <array>
#include <cmath>

namespace pumpvale {
namespace {

constexpr double kPercent = 0.01;

std::optional<Message> firstRefusal(const PaybackInputs& in) {
    const std::array<std::pair<LifeCycleField, double>, 6> values{{
        {LifeCycleField::PcPrice, in.pcPrice},
        {LifeCycleField::AoddPrice, in.aoddPrice},
        {LifeCycleField::PcMaintenance, in.pcMaintenance},
        {LifeCycleField::AoddMaintenance, in.aoddMaintenance},
        {LifeCycleField::Years, static_cast<double>(in.years)},
        {LifeCycleField::DiscountRate, in.discountRatePct},
    }};
    for (const auto& [field, value] : values)
        if (auto refused = lifeCycleRule(field, value))
            return refused;
    return std::nullopt;
}

bool allFinite(const LifeCycle& l) {
    const auto finite = [](double v) { return std::isfinite(v); };
    bool ok = finite(l.extraFirstCost) && finite(l.netSavingPerYear) && finite(l.paybackYears) &&
              finite(l.cumulativeNetSaving) && finite(l.netPresentValue);
    for (std::size_t t = 0; t < l.pcCumulative.size(); ++t)
        ok = ok && finite(l.pcCumulative[t]) && finite(l.aoddCumulative[t]);
    return ok;
}

} // namespace

LifeCycleResult computeLifeCycle(const PaybackInputs& in, const AnnualCosts& costs) {
    if (auto refused = firstRefusal(in))
        return {{*refused}, std::nullopt};

    LifeCycle l;
    const double years = in.years;
    l.extraFirstCost = in.pcPrice - in.aoddPrice;
    l.netSavingPerYear = costs.totalSavings + (in.aoddMaintenance - in.pcMaintenance);
    if (l.extraFirstCost <= 0) {
        l.payback = PaybackOutcome::AtOnce;
        if (l.extraFirstCost == 0 && l.netSavingPerYear > 0)
            l.breakEvenYear = 0.0; // the same price, and the PC pump's line falls below from the start
    } else if (l.netSavingPerYear <= 0) {
        l.payback = PaybackOutcome::Never;
    } else {
        l.payback = PaybackOutcome::InYears;
        l.paybackYears = l.extraFirstCost / l.netSavingPerYear;
        if (l.paybackYears <= years)
            l.breakEvenYear = l.paybackYears;
    }
    l.cumulativeNetSaving = l.netSavingPerYear * years - l.extraFirstCost;

    // Each year's net saving at the end of that year, discounted to the day of purchase. The sum of the
    // factors is the count of years exactly at a rate of 0, so the NPV then equals the cumulative saving.
    const double growth = 1 + in.discountRatePct * kPercent;
    double factor = 1;
    double presentYears = 0;
    for (int t = 1; t <= in.years; ++t) {
        factor /= growth;
        presentYears += factor;
    }
    l.netPresentValue = l.netSavingPerYear * presentYears - l.extraFirstCost;

    const double pcYearly = costs.pcAnnualCost + in.pcMaintenance;
    const double aoddYearly = costs.aoddAnnualCost + in.aoddMaintenance;
    for (int t = 0; t <= in.years; ++t) {
        l.pcCumulative.push_back(in.pcPrice + t * pcYearly);
        l.aoddCumulative.push_back(in.aoddPrice + t * aoddYearly);
    }

    if (!allFinite(l))
        return {{msg::kLifeCycleTooLarge}, std::nullopt};
    return {{}, std::move(l)};
}

} // namespace pumpvale
