// The calculator's rules as the session calls them: the entries' checks (checks/field_checks.h), closing
// step one (checks/operating_data.h), the 3-inch lookup and closing the inlet step (aodd/inlet_step.h),
// and the currencies' usual prices (checks/currency.h).
#pragma once

#include "core/session.h"

namespace pumpvale::cases {

const StepRules& calculatorRules();

} // namespace pumpvale::cases
