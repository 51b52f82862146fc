#include "cases/calculator_rules.h"

#include "aodd/inlet_step.h"
#include "aodd/lookup.h"
#include "checks/currency.h"
#include "checks/field_checks.h"
#include "checks/operating_data.h"

namespace pumpvale::cases {
namespace {

class CalculatorRules final : public StepRules {
public:
    std::optional<Message> entryEdited(OperatingCase& c, EntryField field, std::string_view text,
                                       UnitSystem units) const override {
        switch (field) {
            case EntryField::Pressure:
                return pressureEdited(c, text, units);
            case EntryField::Flow:
                return flowEdited(c, text, units);
            case EntryField::CompressorStages:
                return compressorStagesEdited(c, text);
            case EntryField::CompressorEfficiency:
                return compressorEfficiencyEdited(c, text);
            case EntryField::Weeks:
                return weeksEdited(c, text);
            case EntryField::Days:
                return daysEdited(c, text);
            case EntryField::Hours:
                return hoursEdited(c, text);
            case EntryField::AirPressure:
            case EntryField::Price:
                break;
        }
        return std::nullopt;
    }

    StepOutcome closeOperatingData(OperatingCase& c, const CaseEntries& e) const override {
        OperatingDataResult result =
            closeOperatingDataStep(c, {e.pressure, e.flow, e.airPressure, e.weeks, e.days, e.hours, e.price,
                                       e.stages, e.units, e.currency});
        StepOutcome outcome;
        outcome.messages = std::move(result.messages);
        if (result.outcome == OperatingDataOutcome::InletStep)
            outcome.next = Step::InletSize;
        else if (result.outcome == OperatingDataOutcome::PcCostOnly)
            outcome.next = Step::CostButton;
        return outcome;
    }

    Messages threeInchChosen(OperatingCase& c) const override { return lookupThreeInch(c).messages; }

    StepOutcome closeInlet(OperatingCase& c, AnnualCosts& costs,
                           std::optional<InletSize> inlet) const override {
        InletStepResult result = closeInletStep(c, costs, inlet);
        StepOutcome outcome;
        outcome.messages = std::move(result.messages);
        outcome.pointFound = result.pointFound;
        if (result.handover == InletHandover::CompressorStep)
            outcome.next = Step::Compressor;
        outcome.pcCostShown = result.handover == InletHandover::PcCostOnly;
        return outcome;
    }

    std::optional<std::string> usualPrice(std::string_view currency) const override {
        if (const auto price = defaultPriceFor(currency))
            return std::string(*price);
        return std::nullopt;
    }
};

} // namespace

const StepRules& calculatorRules() {
    static const CalculatorRules rules;
    return rules;
}

} // namespace pumpvale::cases
