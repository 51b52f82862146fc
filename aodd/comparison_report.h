// The comparison of the six inlet sizes as a section of the calculation report, so that the details
// window, Copy Results, the printed page, the export and the comparison window show one table.
#pragma once

#include "aodd/comparison.h"
#include "core/report.h"

#include <optional>

namespace pumpvale {

// The key of the section's own table.
inline constexpr const char* kInletComparisonTableKey = "inlet-sizes";

// One table row per size: verdict, air use, air pressure needed (in duty's unit system), AODD cost,
// savings and the reason in a few words. duty holds the compressor entries to cost at; selected is marked.
ReportSection inletComparisonSection(const OperatingCase& duty, std::optional<InletSize> selected);
// The same, from rows already compared at duty.
ReportSection inletComparisonSection(const OperatingCase& duty, const InletComparison& rows,
                                     std::optional<InletSize> selected);

} // namespace pumpvale
