#include "checks/field_checks.h"

#include "core/limits.h"
#include "core/cost.h"

namespace pumpvale {

using namespace limits;

RangeVerdict aoddPressureRange(double pressurePsi) {
    // Below the PC pump's own minimum, closing step one rejects the pressure: no warning here.
    if (pressurePsi >= kMinPcPressurePsi && pressurePsi < kMinAoddPressurePsi)
        return {true, msg::kPressureBelowAoddRange};
    if (pressurePsi > kMaxAoddPressurePsi)
        return {true, msg::kPressureAboveAoddRange};
    return {};
}

RangeVerdict aoddFlowRange(double flowGpm) {
    if (flowGpm > 0 && flowGpm < kMinAoddFlowGpm)
        return {true, msg::kFlowBelowAoddRange};
    if (flowGpm > kMaxAoddFlowGpm)
        return {true, msg::kFlowAboveAoddRange};
    return {};
}

// With no unit system chosen the entry is not read and the stored value is tested again.
std::optional<Message> pressureEdited(OperatingCase& c, std::string_view text, UnitSystem units) {
    c.pressurePsi = toStoredPressure(text, units).value_or(c.pressurePsi);
    const RangeVerdict verdict = aoddPressureRange(c.pressurePsi);
    c.aoddPressureOutOfRange = verdict.outOfRange;
    return verdict.warning;
}

std::optional<Message> flowEdited(OperatingCase& c, std::string_view text, UnitSystem units) {
    c.flowGpm = toStoredFlow(text, units).value_or(c.flowGpm);
    const RangeVerdict verdict = aoddFlowRange(c.flowGpm);
    c.aoddFlowOutOfRange = verdict.outOfRange;
    return verdict.warning;
}

std::optional<Message> compressorStagesEdited(OperatingCase& c, std::string_view text) {
    c.compressorStages = parseLeadingNumber(text);
    return compressorStagesRule(c.compressorStages);
}

// The same rules as the cost button, with the edit check's own ending of the Second Law message.
std::optional<Message> compressorEfficiencyEdited(OperatingCase& c, std::string_view text) {
    c.compressorEfficiencyPct = parseLeadingNumber(text);
    return compressorEfficiencyRule(c.compressorEfficiencyPct, msg::kSecondLawOnEdit);
}

std::optional<Message> weeksEdited(OperatingCase& c, std::string_view text) {
    c.weeksPerYear = parseLeadingNumber(text);
    return positiveUpTo(c.weeksPerYear, kMaxWeeksPerYear, msg::kInvalidSelection, msg::kTooManyWeeks);
}

std::optional<Message> daysEdited(OperatingCase& c, std::string_view text) {
    c.daysPerWeek = parseLeadingNumber(text);
    return positiveUpTo(c.daysPerWeek, kMaxDaysPerWeek, msg::kInvalidSelection, msg::kTooManyDays);
}

std::optional<Message> hoursEdited(OperatingCase& c, std::string_view text) {
    c.hoursPerDay = parseLeadingNumber(text);
    return positiveUpTo(c.hoursPerDay, kMaxHoursPerDay, msg::kInvalidSelection, msg::kTooManyHours);
}

} // namespace pumpvale
