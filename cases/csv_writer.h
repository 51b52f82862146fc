// Writing the window's entries and choices as a one-row duty list, each cell by the core's rule
// (core/csv_cells.h), each number in its shortest exact form (core/number_format.h).
#pragma once

#include "cases/duty_list.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pumpvale::cases {

using pumpvale::CarriedCells;

// A duty list of one row: the header and the point, then the carried columns. Each entry is written so
// that the list, opened again, reaches the same state with the same messages and results: a number
// filling the entry as it stands, else the number the window reads in it (an entry "60 psi" is written
// 60). Lines end in LF.
std::string oneRowDutyList(const DutyPoint& point, const CarriedCells& carried = {});

// A case as Save Case writes it: the point, the Savings Over Time entries as typed, then the carried
// columns.
std::string savedCase(const Case& c);

} // namespace pumpvale::cases
