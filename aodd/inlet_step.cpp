#include "aodd/inlet_step.h"

namespace pumpvale {

InletStepResult closeInletStep(OperatingCase&, AnnualCosts&, std::optional<InletSize>) { return {}; }

} // namespace pumpvale
