// Closing the inlet step: the lookup of the chosen size, the air pressure check and the hand-over.
#pragma once

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
};

// "Press to Continue" of the inlet step, with the first selected inlet option (none: nothing selected).
InletStepResult closeInletStep(OperatingCase& c, AnnualCosts& costs, std::optional<InletSize> selected);

} // namespace pumpvale
