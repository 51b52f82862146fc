// Closing the inlet step: the lookup of the chosen size, the air pressure check and the hand-over.
#pragma once

#include "aodd/lookup.h"
#include "core/messages.h"
#include "core/operating_case.h"

#include <optional>

namespace pumpvale {

enum class InletHandover {
    StayOpen,       // the user chooses another size and presses again
    CompressorStep, // the compressor step opens
    PcCostOnly,     // the PC pump cost alone is shown (costs.pcAnnualCost is set)
};

struct InletStepResult {
    Messages messages;
    InletHandover handover = InletHandover::StayOpen;
    // c.airConsumptionScfm and c.requiredAirPsi were computed for this flow, pressure and size.
    bool pointFound = false;
    // The lookup this press ran; none when no size is chosen, or for the 3-inch inlet when the outcome
    // of the click on its option still holds.
    std::optional<LookupReport> lookup;
    // The air pressure message, when the pump needs more air pressure than the system gives.
    std::optional<Message> airPressureShort;
};

// "Press to Continue" of the inlet step, with the first selected inlet option (none: nothing selected).
// Stores the choice in c.inletSize and runs the lookup of that size; for the 3-inch inlet it takes the
// outcome of the last click on its option, or runs that lookup again first when the flow or pressure has
// changed since. Then the required air pressure is checked against the system air pressure, and the step
// goes on only with an operating point computed for this flow, pressure and size:
// - CompressorStep when the point is found and the air pressure suffices;
// - PcCostOnly for the 3-inch inlet when its point lies outside its table or the air pressure is too low,
//   and the PC cost is finite (otherwise StayOpen with kNoPcCost);
// - StayOpen otherwise, with the messages that say why (c.stepStatus Rejected when no size is chosen or
//   the air pressure is too low).
InletStepResult closeInletStep(OperatingCase& c, AnnualCosts& costs, std::optional<InletSize> selected);

} // namespace pumpvale
