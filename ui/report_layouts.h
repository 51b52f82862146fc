// Three layouts of one CalculationReport: aligned plain text, an HTML table, and the printed page.
//
// They walk the report's sections in order and know nothing of what a section holds: a section's rows
// become rows of four columns (quantity, value, unit, how it is found) and its table, when it has one,
// follows as rows of its own columns. A section added to the report appears in all three.
#pragma once

#include "core/report.h"

#include <QString>

class QDateTime;

namespace pumpvale {

// The separators of the user's locale, for the amounts and figures.
Separators localeSeparators();

// Columns padded with blanks, for a mail or a terminal.
QString reportPlainText(const CalculationReport& report, const Separators& separators);

// One <table> with a header row, for a spreadsheet or a word processor: every figure lands in a cell.
QString reportHtmlTable(const CalculationReport& report, const Separators& separators);

// The whole printed page: title, date, the table and the model's assumptions.
QString reportPageHtml(const CalculationReport& report, const Separators& separators, const QDateTime& when);

} // namespace pumpvale
