#include "aodd/inlet_step.h"

#include "aodd/lookup.h"
#include "core/cost.h"

#include <cmath>

namespace pumpvale {
namespace {

void append(Messages& to, const Messages& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// The 3-inch lookup ran when its option was clicked; the flow or pressure may have changed since.
bool threeInchIsStale(const OperatingCase& c) {
    return c.threeInchOutcome == ThreeInchOutcome::NotRun || c.threeInchFlowGpm != c.flowGpm ||
           c.threeInchPressurePsi != c.pressurePsi;
}

// Resets the step and runs the lookup of the chosen size. Returns whether the AODD operating point now
// describes the current flow, pressure and size.
bool runInletStep(OperatingCase& c, Messages& messages, std::optional<LookupReport>& lookup) {
    c.stepStatus = StepStatus::Ok;
    c.lookupInRange = true;
    if (!c.inletSize) {
        messages.push_back(msg::kSelectInletDiameter);
        c.stepStatus = StepStatus::Rejected;
        return false;
    }
    if (*c.inletSize != InletSize::Three) {
        lookup = lookupAodd(performanceTable(*c.inletSize), c);
        append(messages, lookup->messages);
        return lookup->producedResult();
    }
    if (threeInchIsStale(c)) {
        lookup = lookupThreeInch(c);
        append(messages, lookup->messages);
    }
    if (c.threeInchOutcome == ThreeInchOutcome::OutOfRange)
        c.stepStatus = StepStatus::PcCostOnly; // its warning announced the PC pump cost alone
    return c.threeInchOutcome == ThreeInchOutcome::InRange;
}

// The air pressure check and the hand-over. The check and the compressor step need an operating point
// computed for this press; a stale one would compare or cost a point the user no longer asks for.
InletHandover completeInletStep(OperatingCase& c, AnnualCosts& costs, bool currentResult,
                                InletStepResult& result) {
    Messages& messages = result.messages;
    const bool threeInch = c.inletSize == InletSize::Three;
    if (currentResult && c.requiredAirPsi > c.airPressurePsi) {
        result.airPressureShort =
            threeInch ? msg::kAirPressureInsufficientNoLarger : msg::kAirPressureInsufficient;
        messages.push_back(*result.airPressureShort);
        c.stepStatus = threeInch ? StepStatus::PcCostOnly : StepStatus::Rejected;
    }

    const bool pcCostAnnounced = threeInch && c.threeInchOutcome == ThreeInchOutcome::OutOfRange;
    const bool inTable = threeInch ? currentResult || pcCostAnnounced : c.lookupInRange && currentResult;
    if (c.inletSize && !inTable) {
        messages.push_back(msg::kSelectLargerInlet);
        return InletHandover::StayOpen;
    }

    switch (c.stepStatus) {
        case StepStatus::Ok:
            return InletHandover::CompressorStep;
        case StepStatus::PcCostOnly:
            if (const double pc = computePcAnnualCost(c); std::isfinite(pc)) {
                costs.pcAnnualCost = pc;
                return InletHandover::PcCostOnly;
            }
            messages.push_back(msg::kNoPcCost);
            break;
        case StepStatus::Rejected:
            break;
    }
    return InletHandover::StayOpen;
}

} // namespace

InletStepResult closeInletStep(OperatingCase& c, AnnualCosts& costs, std::optional<InletSize> selected) {
    c.inletSize = selected;
    InletStepResult result;
    result.pointFound = runInletStep(c, result.messages, result.lookup);
    result.handover = completeInletStep(c, costs, result.pointFound, result);
    return result;
}

} // namespace pumpvale
