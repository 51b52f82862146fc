#include "core/payback.h"

#include "core/life_cycle_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace pumpvale {
namespace {

constexpr double kPercent = 0.01;

std::optional<Message> firstRefusal(const PaybackInputs& in) {
    const std::array<std::pair<LifeCycleField, double>, kLifeCycleFieldCount - 1> values{{
        {LifeCycleField::PcPrice, in.pcPrice},
        {LifeCycleField::AoddPrice, in.aoddPrice},
        {LifeCycleField::PcMaintenance, in.pcMaintenance},
        {LifeCycleField::AoddMaintenance, in.aoddMaintenance},
        {LifeCycleField::Years, static_cast<double>(in.years)},
        {LifeCycleField::DiscountRate, in.discountRatePct},
        {LifeCycleField::EnergyEscalation, in.escalationPct},
    }};
    for (const auto& [field, value] : values)
        if (auto refused = lifeCycleRule(field, value))
            return refused;
    return std::nullopt;
}

bool allFinite(const LifeCycle& l) {
    const auto finite = [](double v) { return std::isfinite(v); };
    bool ok = finite(l.extraFirstCost) && finite(l.netSavingPerYear) && finite(l.paybackYears) &&
              finite(l.cumulativeNetSaving) && finite(l.netPresentValue) && finite(l.discountedPaybackYears);
    for (std::size_t t = 0; t < l.pcCumulative.size(); ++t)
        ok = ok && finite(l.pcCumulative[t]) && finite(l.aoddCumulative[t]);
    if (l.breakEvenYear)
        ok = ok && finite(*l.breakEvenYear);
    return ok;
}

// Where a running total that starts below 0 and grows by each year's amount, spread evenly over the
// year, first reaches 0 within the years given; none when it does not.
std::optional<double> firstRecovery(double start, const std::vector<double>& yearly) {
    double total = start;
    for (std::size_t t = 0; t < yearly.size(); ++t) {
        const double next = total + yearly[t];
        if (total < 0 && next >= 0)
            return static_cast<double>(t) - total / yearly[t];
        total = next;
    }
    return std::nullopt;
}

// The simple payback, at today's prices: extra first cost / net saving a year.
void simplePayback(LifeCycle& l, int years) {
    if (l.extraFirstCost <= 0) {
        l.payback = l.netSavingPerYear >= 0 ? PaybackOutcome::AtOnce : PaybackOutcome::Never;
    } else if (l.netSavingPerYear <= 0) {
        l.payback = PaybackOutcome::Never;
    } else {
        l.payback = PaybackOutcome::InYears;
        l.paybackYears = l.extraFirstCost / l.netSavingPerYear;
        l.paybackBeyondService = l.paybackYears > years;
    }
}

// The payback of the net savings of each year (escalated), discounted to the day of purchase, by the
// same rule as the simple one: at once, in years, or never.
void discountedPayback(LifeCycle& l, const std::vector<double>& net, const std::vector<double>& present) {
    const bool noneNegative = std::all_of(net.begin(), net.end(), [](double v) { return v >= 0; });
    const bool anyPositive = std::any_of(net.begin(), net.end(), [](double v) { return v > 0; });
    if (l.extraFirstCost <= 0) {
        l.discountedPayback = noneNegative ? PaybackOutcome::AtOnce : PaybackOutcome::Never;
    } else if (const auto years = firstRecovery(-l.extraFirstCost, present)) {
        l.discountedPayback = PaybackOutcome::InYears;
        l.discountedPaybackYears = *years;
    } else {
        l.discountedPayback = PaybackOutcome::Never;
        l.discountedBeyondService = anyPositive;
    }
}

} // namespace

LifeCycleResult computeLifeCycle(const PaybackInputs& in, const AnnualCosts& costs) {
    if (auto refused = firstRefusal(in))
        return {{*refused}, std::nullopt};

    LifeCycle l;
    l.extraFirstCost = in.pcPrice - in.aoddPrice;
    l.netSavingPerYear = costs.totalSavings + (in.aoddMaintenance - in.pcMaintenance);
    simplePayback(l, in.years);

    // Each year's electricity at today's price times the escalation's growth before it; each year's net
    // saving at the end of that year, and discounted to the day of purchase. At a rate of 0 the sums
    // are those of equal years.
    const double escalation = 1 + in.escalationPct * kPercent;
    const double discount = 1 + in.discountRatePct * kPercent;
    std::vector<double> net, present;
    double growth = 1;
    double factor = 1;
    l.pcCumulative.push_back(in.pcPrice);
    l.aoddCumulative.push_back(in.aoddPrice);
    for (int t = 1; t <= in.years; ++t) {
        factor /= discount;
        l.pcCumulative.push_back(l.pcCumulative.back() + costs.pcAnnualCost * growth + in.pcMaintenance);
        l.aoddCumulative.push_back(l.aoddCumulative.back() + costs.aoddAnnualCost * growth +
                                   in.aoddMaintenance);
        net.push_back(costs.totalSavings * growth + (in.aoddMaintenance - in.pcMaintenance));
        present.push_back(net.back() * factor);
        growth *= escalation;
    }
    l.cumulativeNetSaving = std::accumulate(net.begin(), net.end(), 0.0) - l.extraFirstCost;
    l.netPresentValue = std::accumulate(present.begin(), present.end(), 0.0) - l.extraFirstCost;
    discountedPayback(l, net, present);
    if (l.extraFirstCost > 0)
        l.breakEvenYear = firstRecovery(-l.extraFirstCost, net);
    else if (l.extraFirstCost == 0 && !net.empty() && net.front() > 0)
        l.breakEvenYear = 0.0; // the same price, and the PC pump's line falls below from the start

    if (!allFinite(l))
        return {{msg::kLifeCycleTooLarge}, std::nullopt};
    return {{}, std::move(l)};
}

} // namespace pumpvale
