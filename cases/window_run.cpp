#include "cases/window_run.h"

#include "cases/calculator_rules.h"
#include "core/session.h"

namespace pumpvale::cases {
namespace {

// The comparison window reads the compressor entries as they stand.
InletComparison compareAt(OperatingCase c, const DutyPoint& p) {
    c.compressorStages = parseLeadingNumber(p.compressorStages);
    c.compressorEfficiencyPct = parseLeadingNumber(p.compressorEfficiency);
    return compareInletSizes(c);
}

RunStop stopAt(WorkflowState state) {
    if (state.result != ResultShown::None)
        return RunStop::Results;
    switch (state.step) {
        case Step::InletSize:
            return RunStop::InletStep;
        case Step::CostButton:
        case Step::Compressor:
            return RunStop::CostButton;
        case Step::UnitChoice:
        case Step::OperatingData:
            break;
    }
    return RunStop::OperatingDataStep;
}

} // namespace

std::string_view statusId(RunStatus status) {
    constexpr std::string_view kIds[] = {"costed", "pc_only", "refused"};
    return kIds[static_cast<std::size_t>(status)];
}

WindowRun runAsTheWindow(const DutyPoint& p, bool compareInlets) {
    Session session(calculatorRules());
    WindowRun run;
    run.messages = session.open(Case{p, {}, {}});
    const WorkflowState state = session.state();
    run.stop = stopAt(state);
    run.status = state.result == ResultShown::Full     ? RunStatus::Costed
                 : state.result == ResultShown::PcOnly ? RunStatus::PcOnly
                                                       : RunStatus::Refused;
    run.record = session.record();
    if (state.result != ResultShown::None)
        run.costs = session.costs();
    if (session.inletPointFound())
        run.demand = AirDemand{run.record.airConsumptionScfm, run.record.requiredAirPsi};
    if (compareInlets && session.acceptedPoint() && state.step != Step::CostButton)
        run.inlets = compareAt(*session.acceptedPoint(), p);
    return run;
}

} // namespace pumpvale::cases
