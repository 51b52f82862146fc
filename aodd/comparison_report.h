// The comparison of the six inlet sizes as a section of the calculation report, so that the details
// window, Copy Results and the printed page show it with the rest of the working.
#pragma once

#include "aodd/comparison.h"
#include "core/report.h"

#include <optional>

namespace pumpvale {

// One table row per size: verdict, air use, air pressure needed (in duty's unit system), AODD cost,
// savings and the reason in a few words. duty holds the compressor entries to cost at; selected is marked.
ReportSection inletComparisonSection(const OperatingCase& duty, std::optional<InletSize> selected);

} // namespace pumpvale
