// The plant report as the report's one layout (core/report_layout.h), so that it prints, exports to PDF
// and HTML by the same page rules as a single case's: first the totals per currency and the ten largest
// savings, then the whole table as the list shows it, every row with its own columns (a tag, a
// location). And the table as CSV, every figure in full, for a spreadsheet.
#pragma once

#include "cases/plant_table.h"
#include "core/report_layout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pumpvale::cases {

// A printed table of more rows than this holds the first ones as the list sorts them, and says so: a
// list of a million rows would print on twenty thousand pages. The CSV export holds every row.
inline constexpr std::size_t kMostPrintedRows = 20000;

// What the report says of the list it shows.
struct PlantReportSource {
    std::string fileName;  // the duty list's
    std::string shownRows; // which rows, in which order: "All duty points, by total savings, largest first"
    bool complete = true;  // false: the reading stopped before the end of the file
};

// The totals as a table: a row per currency, with the CO2 avoided when the list has Savings Over Time
// columns.
LayoutTable plantTotalsTable(const std::vector<CurrencyTotals>& totals, bool withCo2,
                             const Separators& separators);

// The ten largest savings come from the rows shown.
ReportLayout plantReportLayout(const PlantTable& table, const PlantList& list,
                               const std::vector<std::uint32_t>& shown,
                               const std::vector<CurrencyTotals>& totals, const PlantReportSource& source,
                               const Separators& separators);

// The rows shown, in their order, one line each (RFC 4180, LF line ends): a header row of the columns'
// file names, numbers in full with a period, the status as pumpvale-batch writes it.
std::string plantCsv(const PlantTable& table, const PlantList& list, const std::vector<std::uint32_t>& shown);

} // namespace pumpvale::cases
