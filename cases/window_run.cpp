#include "cases/window_run.h"

#include "aodd/inlet_step.h"
#include "aodd/lookup.h"
#include "checks/field_checks.h"
#include "checks/operating_data.h"
#include "core/cost.h"

namespace pumpvale::cases {
namespace {

void append(Messages& to, const Messages& more) {
    to.insert(to.end(), more.begin(), more.end());
}

void append(Messages& to, const std::optional<Message>& message) {
    if (message)
        to.push_back(*message);
}

// The edit checks of step one's entries. The entries stay hidden until a unit system is chosen, and a
// hidden entry runs no handler.
void fillStepOne(OperatingCase& c, const DutyPoint& p, Messages& shown) {
    if (p.units == UnitSystem::None)
        return;
    append(shown, pressureEdited(c, p.pressure, p.units));
    append(shown, flowEdited(c, p.flow, p.units));
    append(shown, weeksEdited(c, p.weeks));
    append(shown, daysEdited(c, p.days));
    append(shown, hoursEdited(c, p.hours));
}

// The comparison window reads the compressor entries as they stand.
InletComparison compareAt(OperatingCase c, const DutyPoint& p) {
    c.compressorStages = parseLeadingNumber(p.compressorStages);
    c.compressorEfficiencyPct = parseLeadingNumber(p.compressorEfficiency);
    return compareInletSizes(c);
}

} // namespace

WindowRun runAsTheWindow(const DutyPoint& p, bool compareInlets) {
    WindowRun run;
    OperatingCase& c = run.record;
    AnnualCosts costs;

    fillStepOne(c, p, run.messages);
    const OperatingDataResult stepOne =
        closeOperatingDataStep(c, {p.pressure, p.flow, p.airPressure, p.weeks, p.days, p.hours, p.price,
                                   p.stages, p.units, p.currency});
    append(run.messages, stepOne.messages);
    if (stepOne.outcome == OperatingDataOutcome::Rejected)
        return run;

    if (stepOne.outcome == OperatingDataOutcome::InletStep) {
        if (compareInlets)
            run.inlets = compareAt(c, p);
        run.stop = RunStop::InletStep;
        if (p.inlet == InletSize::Three) // the click on its option runs its lookup
            append(run.messages, lookupThreeInch(c).messages);
        const InletStepResult inlet = closeInletStep(c, costs, p.inlet);
        append(run.messages, inlet.messages);
        if (inlet.pointFound)
            run.demand = AirDemand{c.airConsumptionScfm, c.requiredAirPsi};
        if (inlet.handover == InletHandover::StayOpen)
            return run;
        if (inlet.handover == InletHandover::PcCostOnly) {
            run.status = RunStatus::PcOnly;
            run.stop = RunStop::Results;
            run.costs = costs;
            return run;
        }
        append(run.messages, compressorStagesEdited(c, p.compressorStages));
        append(run.messages, compressorEfficiencyEdited(c, p.compressorEfficiency));
    }

    run.stop = RunStop::CostButton;
    const CostSavingsResult cost = findCostSavings(c, costs, p.compressorStages, p.compressorEfficiency);
    append(run.messages, cost.messages);
    if (cost.display() == CostDisplay::Nothing)
        return run;
    run.status = cost.display() == CostDisplay::Full ? RunStatus::Costed : RunStatus::PcOnly;
    run.stop = RunStop::Results;
    run.costs = costs;
    return run;
}

} // namespace pumpvale::cases
