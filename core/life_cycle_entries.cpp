#include "core/life_cycle_entries.h"

#include "core/invisible_blanks.h"
#include "core/number_format.h"
#include "core/operating_case.h"

#include <array>
#include <cmath>

namespace pumpvale {
namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

// The text without the blanks and invisible characters it holds anywhere.
std::string visibleCharacters(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        if (isBlank(text.front())) {
            text.remove_prefix(1);
        } else if (const std::size_t invisible = invisibleCharacterLength(text); invisible > 0) {
            text.remove_prefix(invisible);
        } else {
            out += text.front();
            text.remove_prefix(1);
        }
    }
    return out;
}

} // namespace

std::optional<double> parseWholeEntry(std::string_view text) {
    const std::string visible = visibleCharacters(text);
    if (visible.empty() || numberLength(visible) != visible.size())
        return std::nullopt;
    // The calculator's own reading, so that a number means the same in every entry ("1e-999" is 0).
    const double value = parseLeadingNumber(visible);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

CheckedEntries checkLifeCycleEntries(const LifeCycleEntries& entries) {
    const auto& rules = lifeCycleRules();
    const std::array<const std::string*, kLifeCycleFieldCount> texts{
        &entries.pcPrice, &entries.aoddPrice,       &entries.pcMaintenance, &entries.aoddMaintenance,
        &entries.years,   &entries.discountRatePct, &entries.escalationPct, &entries.emissionFactor};
    CheckedEntries out;
    std::array<std::optional<double>, kLifeCycleFieldCount> values{};
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const LifeCycleRule& rule = rules[i];
        if (visibleCharacters(*texts[i]).empty()) {
            if (rule.whenEmpty == WhenEmpty::Zero)
                values[i] = 0.0;
            else if (rule.whenEmpty == WhenEmpty::Refused)
                out.problems.push_back({rule.field, rule.enter});
            continue;
        }
        const std::optional<double> number = parseWholeEntry(*texts[i]);
        const std::optional<Message> refused = number ? lifeCycleRule(rule.field, *number) : rule.enter;
        if (refused)
            out.problems.push_back({rule.field, *refused});
        else
            values[i] = number;
    }

    const auto value = [&values](LifeCycleField field) { return values[static_cast<std::size_t>(field)]; };
    out.emissionFactor = value(LifeCycleField::EmissionFactor);
    const auto pcPrice = value(LifeCycleField::PcPrice);
    const auto aoddPrice = value(LifeCycleField::AoddPrice);
    const auto pcMaintenance = value(LifeCycleField::PcMaintenance);
    const auto aoddMaintenance = value(LifeCycleField::AoddMaintenance);
    const auto years = value(LifeCycleField::Years);
    const auto rate = value(LifeCycleField::DiscountRate);
    const auto escalation = value(LifeCycleField::EnergyEscalation);
    if (pcPrice && aoddPrice && pcMaintenance && aoddMaintenance && years && rate && escalation)
        out.payback =
            PaybackInputs{*pcPrice, *aoddPrice, *pcMaintenance, *aoddMaintenance, static_cast<int>(*years),
                          *rate,    *escalation};
    return out;
}

} // namespace pumpvale
