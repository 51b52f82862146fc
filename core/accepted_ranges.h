// The accepted ranges of the operating data in words, made from the limits (core/limits.h) so that
// every place that states them (the entries' accessible descriptions, the README, the manual page, held
// to these by a test) says the same. English figures are the limits as written. S.I. figures are
// converted and rounded inward to four significant digits: a lower bound up, an upper bound down, so
// that a value typed as described is always accepted.
#pragma once

#include "core/operating_case.h"

#include <string>

namespace pumpvale::ranges {

enum class Bound { Lower, Upper };

// A limit held in psi or GPM, in units, with its unit: "14.5 psi", "1.379 Bar", "3785 l/min".
std::string pressure(double psi, UnitSystem units, Bound bound);
std::string flow(double gpm, UnitSystem units, Bound bound);

// The ranges, without their unit where the wording adds it.
std::string onePcStage(UnitSystem units);   // "14.5 to 87 psi"
std::string twoPcStages(UnitSystem units);  // "29 to 174 psi"
std::string pcFlow(UnitSystem units);       // "above 0.005 up to 1000 GPM"
std::string aoddPressure(UnitSystem units); // "20 to 100 psi"
std::string aoddFlow(UnitSystem units);     // "0.5 to 200 GPM"
std::string airPressure(UnitSystem units);  // "above 0, below 500 psi"

} // namespace pumpvale::ranges
