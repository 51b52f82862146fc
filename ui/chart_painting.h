// What the two charts share in drawing: the core's layout types in Qt's terms, the text of a tick, and
// the names with their leader lines.
#pragma once

#include "core/chart_layout.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

class QPainter;

namespace pumpvale::chart_painting {

inline QRectF toQt(const chart::Rect& r) {
    return {r.left, r.top, r.width, r.height};
}
inline chart::Rect toChart(const QRectF& r) {
    return {r.left(), r.top(), r.width(), r.height()};
}

// A tick's value in the locale's separators: plainly between a thousandth and a billion, with only the
// decimals it needs; in powers of ten beyond ("1e+300"). Empty for a value that is not finite.
QString tickText(double value);

// The names placed by the core, each on a patch of the background so that a curve it must cross cannot
// blur it, with its leader line; names that found no room are left out.
void drawNames(QPainter& painter, const std::vector<chart::PlacedLabel>& placed, const QStringList& names,
               const QColor& text, const QColor& background);

// What a chart drew where, for the tests of its layout: the frame, the tick labels, the names placed
// (and the break-even's label), in the painter's coordinates.
struct ChartRecord {
    QRectF frame;
    std::vector<QRectF> keepClear; // the tick labels and the marked points
    std::vector<QRectF> names;
    std::size_t xTicks = 0;
    std::size_t yTicks = 0;
    std::size_t namesLeftOut = 0;
};

// Fills a record's names from the placement.
void record(ChartRecord* out, const std::vector<chart::PlacedLabel>& placed);

} // namespace pumpvale::chart_painting
