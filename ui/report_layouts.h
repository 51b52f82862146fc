// The report's one layout (core/report_layout.h) as text for the clipboard and for a file: aligned plain
// text and HTML. Each of the layout's tables keeps its own header row and its own column widths.
#pragma once

#include "core/report_layout.h"

#include <QLocale>
#include <QString>

class QDateTime;

namespace pumpvale {

// The separators of the user's locale, for the amounts and figures.
inline Separators localeSeparators() {
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

// The layout of report with the user's separators.
ReportLayout localeLayout(const CalculationReport& report);

// Columns padded with blanks, for a mail or a terminal: no line is longer than 100 characters, a long
// cell wrapping within its column as a terminal user expects.
QString reportPlainText(const ReportLayout& layout);

// The tables with their header rows, and the assumptions, for a spreadsheet or a word processor: every
// figure lands in a cell.
QString reportHtmlTables(const ReportLayout& layout);

// A whole HTML document: title, duty point, date, the tables and the assumptions.
QString reportHtmlDocument(const ReportLayout& layout, const QDateTime& when);

// The date and time of a page, in the page's language (English), whatever the user's locale.
QString pageDate(const QDateTime& when);

} // namespace pumpvale
