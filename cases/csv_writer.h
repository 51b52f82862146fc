// Writing the window's entries and choices as a one-row duty list, each cell by the core's rule
// (core/csv_cells.h), each number in its shortest exact form (core/number_format.h).
#pragma once

#include "cases/duty_list.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pumpvale::cases {

// Other columns to write beside the duty point's, by header name and cell.
using CarriedCells = std::vector<std::pair<std::string, std::string>>;

// A duty list of one row: the header and the point, then the carried columns. Each number entry is
// written as the number the window reads in it (an entry "60 psi" is written 60), so that the list,
// opened again, gives the same results; an empty entry stays empty. Lines end in LF.
std::string oneRowDutyList(const DutyPoint& point, const CarriedCells& carried = {});

} // namespace pumpvale::cases
