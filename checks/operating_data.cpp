#include "checks/operating_data.h"

#include "checks/field_checks.h"
#include "core/limits.h"
#include "core/cost.h"

#include <optional>

namespace pumpvale {
namespace {

using namespace limits;

// The first hydraulic rule the entries break. The lower rules are written as "not above" so that a
// value that is not a number fails them; infinities fail the upper ones.
std::optional<Message> hydraulicRule(const OperatingCase& c, const OperatingDataEntries& e) {
    if (e.stages == PumpStages::None)
        return msg::kSelectStages;
    if (e.units == UnitSystem::None)
        return msg::kSelectUnits;
    if (!(c.flowGpm > 0))
        return msg::kInvalidFlow;
    if (c.flowGpm <= kMaxTooSmallPcFlowGpm)
        return msg::kFlowBelowPcRange;
    if (c.flowGpm > kMaxPcFlowGpm)
        return msg::kFlowAbovePcRange;
    if (!(c.pressurePsi > 0))
        return msg::kInvalidPressure;
    if (c.pressurePsi < kMinPcPressurePsi)
        return msg::kPressureBelowPcRange;
    const bool twoStages = e.stages == PumpStages::Two;
    if (!twoStages && c.pressurePsi > kMaxOneStagePsi)
        return msg::kOneStageTooHigh;
    if (twoStages && c.pressurePsi < kMinTwoStagePsi)
        return msg::kTwoStageTooLow;
    if (twoStages && c.pressurePsi > kMaxTwoStagePsi)
        return msg::kTwoStageTooHigh;
    return std::nullopt;
}

std::optional<Message> operatingRule(const OperatingCase& c) {
    if (auto m = positiveUpTo(c.weeksPerYear, kMaxWeeksPerYear, msg::kInvalidWeeks, msg::kTooManyWeeks))
        return m;
    if (auto m = positiveUpTo(c.daysPerWeek, kMaxDaysPerWeek, msg::kInvalidDays, msg::kTooManyDays))
        return m;
    if (auto m = positiveUpTo(c.hoursPerDay, kMaxHoursPerDay, msg::kInvalidHours, msg::kTooManyHours))
        return m;
    if (auto m =
            positiveUpTo(c.electricityPrice, kMaxElectricityPrice, msg::kInvalidPrice, msg::kPriceTooHigh))
        return m;
    if (!(c.airPressurePsi > 0))
        return msg::kInvalidSelection;
    if (c.airPressurePsi >= kMaxAirPressurePsi)
        return msg::kAirPressureTooHigh;
    return std::nullopt;
}

// Sets an AODD range flag from the accepted value. The edit checks set these flags only when their
// entry is edited, so after "Press to Run Again" or a unit switch they may not describe the values
// just read. A flag that only now becomes set brings its edit check's warning, so that the user
// learns why only the PC pump is costed.
void deriveRangeFlag(bool& flag, const RangeVerdict& verdict, Messages& messages) {
    if (verdict.outOfRange && !flag && verdict.warning)
        messages.push_back(*verdict.warning);
    flag = verdict.outOfRange;
}

} // namespace

OperatingDataResult closeOperatingDataStep(OperatingCase& c, const OperatingDataEntries& entries) {
    c.weeksPerYear = parseLeadingNumber(entries.weeks);
    c.daysPerWeek = parseLeadingNumber(entries.days);
    c.hoursPerDay = parseLeadingNumber(entries.hours);
    c.electricityPrice = parseLeadingNumber(entries.price);
    c.stepStatus = StepStatus::Ok;
    c.pcCostOnly = false;

    // With no unit system the hydraulic entries cannot be read; the stored values stay.
    if (entries.units != UnitSystem::None) {
        c.unitSystem = entries.units;
        c.pressurePsi = *toStoredPressure(entries.pressure, entries.units);
        c.flowGpm = *toStoredFlow(entries.flow, entries.units);
        c.airPressurePsi = *toStoredPressure(entries.airPressure, entries.units);
    }
    if (entries.stages != PumpStages::None)
        c.pcStages = entries.stages;
    c.currency = entries.currency;

    // Every group runs, each showing at most one message.
    OperatingDataResult result;
    if (auto m = hydraulicRule(c, entries)) {
        result.messages.push_back(*m);
        c.hydraulicsOk = false;
    } else {
        // The efficiency alone: the power is set only once the whole step has passed.
        c.pcEfficiency = pcEfficiencyAt(c.pressurePsi, c.pcStages);
        c.hydraulicsOk = true;
    }
    if (auto m = operatingRule(c)) {
        result.messages.push_back(*m);
        c.stepStatus = StepStatus::Rejected;
    }
    if (c.currency.empty()) {
        result.messages.push_back(msg::kSelectCurrency);
        c.stepStatus = StepStatus::Rejected;
    }
    if (!c.hydraulicsOk || c.stepStatus != StepStatus::Ok)
        return result;

    computePcPower(c);
    // Only an accepted point is judged: a flag set silently by a failed press would hide its warning
    // from the press that succeeds.
    deriveRangeFlag(c.aoddPressureOutOfRange, aoddPressureRange(c.pressurePsi), result.messages);
    deriveRangeFlag(c.aoddFlowOutOfRange, aoddFlowRange(c.flowGpm), result.messages);
    c.pcCostOnly = c.aoddPressureOutOfRange || c.aoddFlowOutOfRange;
    result.outcome = c.pcCostOnly ? OperatingDataOutcome::PcCostOnly : OperatingDataOutcome::InletStep;
    return result;
}

} // namespace pumpvale
