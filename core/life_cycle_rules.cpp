#include "core/life_cycle_rules.h"

#include "core/enum_table.h"

#include <cmath>

namespace pumpvale {
namespace {

using namespace life_cycle_limits;

// clang-format off
constexpr std::array<LifeCycleRule, kLifeCycleFieldCount> kRules{
    LifeCycleRule{LifeCycleField::PcPrice,         WhenEmpty::Refused,  kMaxMoney,           msg::kEnterPcPrice,         msg::kPcPriceRange},
    LifeCycleRule{LifeCycleField::AoddPrice,       WhenEmpty::Refused,  kMaxMoney,           msg::kEnterAoddPrice,       msg::kAoddPriceRange},
    LifeCycleRule{LifeCycleField::PcMaintenance,   WhenEmpty::Zero,     kMaxMoney,           msg::kEnterPcMaintenance,   msg::kPcMaintenanceRange},
    LifeCycleRule{LifeCycleField::AoddMaintenance, WhenEmpty::Zero,     kMaxMoney,           msg::kEnterAoddMaintenance, msg::kAoddMaintenanceRange},
    LifeCycleRule{LifeCycleField::Years,           WhenEmpty::Refused,  kMaxYears,           msg::kEnterYears,           msg::kEnterYears},
    LifeCycleRule{LifeCycleField::DiscountRate,    WhenEmpty::Zero,     kMaxDiscountRatePct, msg::kEnterDiscountRate,    msg::kDiscountRateRange},
    LifeCycleRule{LifeCycleField::EnergyEscalation, WhenEmpty::Zero,    kMaxEscalationPct,   msg::kEnterEnergyEscalation, msg::kEnergyEscalationRange},
    LifeCycleRule{LifeCycleField::EmissionFactor,  WhenEmpty::NotGiven, kMaxKgCo2ePerKwh,    msg::kEnterEmissionFactor,  msg::kEmissionFactorRange},
};
// clang-format on

static_assert(rowsInEnumOrder<&LifeCycleRule::field>(kRules));

} // namespace

const std::array<LifeCycleRule, kLifeCycleFieldCount>& lifeCycleRules() {
    return kRules;
}

std::optional<Message> lifeCycleRule(LifeCycleField field, double value) {
    const LifeCycleRule& rule = kRules[static_cast<std::size_t>(field)];
    if (!std::isfinite(value))
        return rule.enter;
    if (field == LifeCycleField::Years) {
        const bool whole = value == std::floor(value);
        if (!(whole && value >= kMinYears && value <= kMaxYears))
            return rule.enter;
        return std::nullopt;
    }
    if (!(value >= 0 && value <= rule.most))
        return rule.range;
    return std::nullopt;
}

std::string acceptedRange(LifeCycleField field, const Separators& separators) {
    const LifeCycleRule& rule = kRules[static_cast<std::size_t>(field)];
    if (field == LifeCycleField::Years)
        return "Accepted: whole years, " + formatMoneyBrief(kMinYears, separators) + " to " +
               formatMoneyBrief(kMaxYears, separators) + ".";
    std::string text = "Accepted: 0 to " + formatMoneyBrief(rule.most, separators);
    switch (rule.whenEmpty) {
        case WhenEmpty::Zero:
            return text + "; empty is 0.";
        case WhenEmpty::NotGiven:
            return text + "; empty: no CO2 figures.";
        case WhenEmpty::Refused:
            break;
    }
    return text + ".";
}

} // namespace pumpvale
