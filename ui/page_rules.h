// The rules of the printed page that need no painter: how wide a table's columns are, and the words of
// the running header on a line of a given width.
#pragma once

#include "core/report_layout.h"

#include <QFontMetricsF>
#include <QStringList>
#include <QString>
#include <vector>

namespace pumpvale {

// Columns of a table, as wide as their cells where they fit, the text columns narrowed and wrapped
// where they do not; padding is a cell's space on each side. A sentence row (isSentenceRow) is not
// measured: the page sets it under the table.
std::vector<qreal> columnWidths(const LayoutTable& table, const QFontMetricsF& body,
                                const QFontMetricsF& bold, qreal width, qreal padding);

// The running header: the title on the left, the case's tag and the duty point on the right.
struct RunningHeader {
    QString left;
    QString right;
};

// The running header that fits width with gap between its halves, shortened by rule and never cut
// within a word: the full title with "Tag · Duty point: 60 psi, 10 US GPM"; else without "Duty point: ";
// else the title's first part (before its colon) with each of these; else the duty point alone.
RunningHeader runningHeader(const ReportLayout& layout, const QFontMetricsF& font, qreal width, qreal gap);

} // namespace pumpvale
