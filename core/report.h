// The working of one calculation, as plain data: what the user entered, every intermediate of the cost
// model with its formula in words, and the amounts.
//
// A report is data before it is a window: the details window, the clipboard and the printed page are
// three layouts of the same sections, and none of them knows what a section holds. A section is a
// heading with rows (name, value, unit, formula in words) and, where a comparison reads better across
// columns, a small table of its own below the rows. To add a part to the report, append a
// ReportSection (rows, a table, or both) to CalculationReport::sections: the one layout
// (core/report_layout.h) shows it in order, and every output renders that layout.
//
// Sections and rows carry stable keys ("pc-pump", "air-consumption"): code that looks a row up asks by
// key, never by the label a person reads, so rewording a label changes no tooltip.
//
// Values keep their numbers; formatValue turns them into text with the locale's separators, money in
// the "Standard" format like the result boxes, a payback in years to one decimal, other figures by the
// one rule of formatQuantity.
#pragma once

#include "core/case_entries.h"
#include "core/number_format.h"
#include "core/operating_case.h"

#include <string>
#include <string_view>
#include <vector>

namespace pumpvale {

struct ReportValue {
    enum class Kind { Text, Figure, Money, Years };
    Kind kind = Kind::Text;
    double number = 0; // Figure, Money and Years
    std::string text;  // Text

    static ReportValue figure(double value) { return {Kind::Figure, value, {}}; }
    static ReportValue money(double value) { return {Kind::Money, value, {}}; }
    static ReportValue years(double value) { return {Kind::Years, value, {}}; } // a payback
    static ReportValue words(std::string value) { return {Kind::Text, 0, std::move(value)}; }
};

struct ReportRow {
    std::string key; // stable: what code finds the row by
    std::string name;
    ReportValue value;
    std::string unit;
    std::string formula; // in words; empty for an entry
};

// A column of a section's own table: its heading and the unit of its figures (empty for words).
struct ReportColumn {
    std::string name;
    std::string unit;
};

// Columns of headings and rows of values, shown after a section's rows as a table of its own.
struct ReportTable {
    std::string key;   // stable
    std::string title; // what the table shows, above it
    std::vector<ReportColumn> columns;
    std::vector<std::vector<ReportValue>> rows;

    bool empty() const { return columns.empty(); }
};

struct ReportSection {
    std::string key; // stable
    std::string title;
    std::vector<ReportRow> rows;
    ReportTable table;
};

// A line of the case's identity: a column the duty list carried (a tag, a location) and its cell.
struct IdentityLine {
    std::string name; // "Tag", "Plant area": the column's header made readable
    std::string text; // the cell as the file holds it
    friend bool operator==(const IdentityLine&, const IdentityLine&) = default;
};

struct CalculationReport {
    std::string title;
    std::vector<IdentityLine> identity;     // heads every output; empty for a case typed in
    bool pcCostOnly = false;                // only the PC pump was costed: no AODD amount and no savings
    UnitSystem units = UnitSystem::English; // the case's, in which a summary speaks
    std::vector<ReportSection> sections;
    std::vector<std::string> assumptions; // what the model takes for granted, one sentence each

    // The row with that key in any section, or null.
    const ReportRow* find(std::string_view key) const;
};

// The report of the last result shown. Whether it is a PC-only result is read from c (pcCostOnly, or the
// inlet step's PC-only outcome); in that case costs.pcAnnualCost is the only amount.
CalculationReport buildCalculationReport(const OperatingCase& c, const AnnualCosts& costs);

// The identity of a case from the columns its duty list carried: each one with a cell that is not
// blank, in the file's order, its line ends read as blanks.
std::vector<IdentityLine> caseIdentity(const CarriedCells& carried);

// The value as the user reads it: money by formatMoney, years by formatYears, figures by formatQuantity,
// text as it is.
std::string formatValue(const ReportValue& value, const Separators& separators);

// The three result boxes, and the few lines that say how each amount came about, each pressure in the
// report's unit system as the comparison speaks it.
enum class ResultAmount { AoddCost, PcCost, Savings };
std::string amountDerivation(const CalculationReport& report, ResultAmount amount,
                             const Separators& separators);

} // namespace pumpvale
