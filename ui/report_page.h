// The printed report: the report's one layout painted on the pages of a printer or a PDF file.
//
// A document to hand on: body text of 10 pt and tables of 9 pt (headings larger), margins of 18 mm, a
// running header (title and duty point, shortened by rule: ui/page_rules.h) and footer (program and version,
// date, "page N of M") on every page (page 1, which carries the title, has the footer alone), as many pages
// as the content needs. A table row is never split: a row that does not fit starts the next page, under the
// table's header row again; a table of ten rows or fewer is never split, a heading never ends a page, a
// sentence row (why the PC pump alone) is set under its table as a note, and no page but the first holds less
// than a fifth of a page of text (it takes the foot of the page before it). The charts are drawn in vectors
// at the full text width, black on white: the cost of ownership after its table by year, the comparison after
// its table. Text is laid out without shaping, so the PDF's text layer holds "efficiency", not a ligature.
#pragma once

#include "core/report_layout.h"
#include "ui/cost_chart.h"
#include "ui/ownership_chart.h"

#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <limits>
#include <optional>

class QLocale;
class QPagedPaintDevice;

namespace pumpvale {

struct ReportPage {
    ReportLayout layout;
    std::optional<CostChartView> chart; // drawn after the inlet comparison's table
    QDateTime when;
    // Drawn after the payback section's table by year, when the report has one.
    std::optional<OwnershipChartData> ownershipChart;
    // The CSV export's text when it is not the layout's figures (a plant list's table, row by row).
    std::optional<std::string> figuresCsv = std::nullopt;
    // The pages' orientation when the report needs one (a table too wide to stand upright); else the
    // device's.
    std::optional<QPageLayout::Orientation> orientation = std::nullopt;
};

// Letter where the locale's paper is Letter (the United States and the countries that use its
// measures, Canada), A4 elsewhere.
QPageSize localePageSize(const QLocale& locale);

// "Pumpvale 1.41": the program's name and version, as the build knows them.
QString programAndVersion();

// The pages to paint, first to last, counted from 1; every page by default. A span past the report's
// pages is narrowed to them.
struct PageSpan {
    int first = 1;
    int last = std::numeric_limits<int>::max();
};

// Sets the page's margins on device and paints the report's pages of span, each as it stands in the
// whole report (device's page size is kept). Returns the number of pages of the whole report.
int paintReportPages(QPagedPaintDevice& device, const ReportPage& page, PageSpan span = {});
// The number of pages the report takes on device, whose margins are set as for painting.
int reportPageCount(QPagedPaintDevice& device, const ReportPage& page);

} // namespace pumpvale
