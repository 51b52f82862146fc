// The report's one layout (core/report_layout.h) as text for the clipboard and for a file (aligned plain
// text and HTML) and as the tables of a window. Each of the layout's tables keeps its own header row and
// its own column widths. The case's identity, when it has one, comes first after the title.
#pragma once

#include "core/report_layout.h"

#include <QLocale>
#include <QString>
#include <map>
#include <string>

class QDateTime;
class QTableWidget;

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

// The case's identity as a small table of two columns (name, text); empty when it has none.
QString reportHtmlIdentity(const ReportLayout& layout);

// The duty point, the summary's table and its verdict, for a window that shows the identity apart.
QString reportHtmlSummary(const ReportLayout& layout);

// The head of every HTML output: the case's identity, the duty point, the summary's table and its
// verdict.
QString reportHtmlHead(const ReportLayout& layout);

// The tables with their header rows, and the assumptions, for a spreadsheet or a word processor: every
// figure lands in a cell.
QString reportHtmlTables(const ReportLayout& layout);

// HTML to put after a table of the layout, by the table's key: a chart, for one.
using HtmlAfterTables = std::map<std::string, QString>;
QString reportHtmlTables(const ReportLayout& layout, const HtmlAfterTables& after);

// A whole HTML document that stands alone: declared UTF-8, a small style that prints well, the title,
// the head, the date, the tables (with what goes after them) and the assumptions.
QString reportHtmlDocument(const ReportLayout& layout, const QDateTime& when,
                           const HtmlAfterTables& after = {});

// A picture as an HTML figure, the PNG inside the page as a data: URI, its heading above it, shown
// width CSS pixels wide (narrower on a narrow page).
QString htmlPngFigure(const QString& heading, const QByteArray& png, int width);

// A layout table in a widget table: its header row (a unit below its name), its cells as the layout
// writes them, figures on the right, none editable. The rows and columns are the source's; the caller
// sizes the table. Narrow headers break their names between words as well, to about the width of the
// column's widest cell or unit, for a table that stands beside something else.
enum class Headers { Wide, Narrow };
void showLayoutTable(QTableWidget& table, const LayoutTable& source, Headers headers = Headers::Wide);

// The date and time of a page in the locale's own format: its long date where its language is the page's
// (English: "Tuesday, December 8, 2026" in the United States, "Tuesday, 8 December 2026" in Britain), its
// numeric one with the year in full elsewhere ("08.12.2026"); then its short time.
QString pageDate(const QDateTime& when);

} // namespace pumpvale
