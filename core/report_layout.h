// The one layout of a calculation report: what every output shows, as plain data.
//
// The details window, Copy Results (text and HTML), the printed page and the exported files render this
// layout; none of them walks the report itself. A report section becomes a table of four columns
// (quantity, value, unit, how it is found); a section's own table (the inlet sizes compared) becomes a
// second table with its own header row. Every cell is already text, written by the one figure rule with
// the page's separators, the constants in the formulas included; a cell that holds a figure also keeps
// the number, what it is and its unit, for the exported figures.
#pragma once

#include "core/report.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pumpvale {

struct LayoutCell {
    std::string text;
    bool number = false; // aligned on the right
    // A figure: its number in full, the quantity it is and its unit, for a file of figures.
    std::optional<double> value;
    std::string quantity;
    std::string unit;
};

struct LayoutColumn {
    std::string name;
    std::string unit;
    // "Air use (SCFM)"; the name alone when there is no unit.
    std::string header(std::string_view between = " ") const;
};

struct LayoutTable {
    std::string key;     // stable: the report section's key, or its own table's
    std::string heading; // above the table
    std::vector<LayoutColumn> columns;
    std::vector<std::string> rowKeys; // a working row's key; empty for a row of a section's own table
    std::vector<std::vector<LayoutCell>> rows;
};

struct ReportLayout {
    std::string title;
    std::vector<IdentityLine> identity; // the case's tag, location...: under the title, words as given
    std::string dutyPoint;              // "60 psi, 10 US GPM", for a page's running header
    // The answer, before the working: the inlet, the amounts, the payback and the CO2 (rows copied from
    // the working, three columns), and one sentence that says which pump costs less. Both empty for a
    // report without amounts (the Savings Over Time sections alone).
    LayoutTable summary;
    std::string verdict;
    std::vector<LayoutTable> tables;
    std::string notesHeading;
    std::vector<std::string> notes; // the model's assumptions

    const LayoutTable* table(std::string_view key) const; // or null
    // The cells of the working row with that key, in any table, or null.
    const std::vector<LayoutCell>* row(std::string_view key) const;
};

ReportLayout layoutReport(const CalculationReport& report, const Separators& separators);
// A section's own table as the layout shows it, for a window that shows that table alone.
LayoutTable layoutTable(const ReportTable& table, const Separators& separators);

// A working row that is a sentence, not a figure (why the PC pump alone): words with no unit and no
// working. A page sets it as a note under its table, where it cannot widen the table's columns.
bool isSentenceRow(const LayoutTable& table, std::size_t row);

// "Tag: P-103", or the text alone when its column has no name.
std::string identityText(const IdentityLine& line);

// The figures as comma-separated values (RFC 4180, CRLF line ends): a header row, the case's identity
// (section "Case", the column's name, its text, no unit), the verdict (section "Summary", "Verdict"),
// then the summary's and the working's rows: section, quantity, value (a figure's number in full with
// a period, or the words of an entry such as the unit system, the currency or the inlet size), unit.
std::string reportCsv(const ReportLayout& layout);

} // namespace pumpvale
