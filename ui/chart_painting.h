// What the two charts share in drawing: the core's layout types in Qt's terms, the text of a tick, the
// frame with its grid, ticks and titles, and the names with their leader lines.
#pragma once

#include "core/chart_layout.h"

#include <QColor>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPainter;

namespace pumpvale {

struct ChartColours {
    QColor background = Qt::white;
    QColor text = Qt::black;
    QColor grid = QColor(0xd0, 0xd0, 0xd0);
};

} // namespace pumpvale

namespace pumpvale::chart_painting {

inline QRectF toQt(const chart::Rect& r) {
    return {r.left, r.top, r.width, r.height};
}
inline chart::Rect toChart(const QRectF& r) {
    return {r.left(), r.top(), r.width(), r.height()};
}

// The pen of a stretch drawn dashed: the core's dash pattern for its width, flat caps, begun with a gap.
QPen dashedPen(const QColor& colour, qreal width, qreal line, qreal stretchLength);

// A tick's value in the locale's separators: plainly between a thousandth and a billion, with only the
// decimals it needs; in powers of ten beyond ("1e+300"). Empty for a value that is not finite.
QString tickText(double value);

// What a chart drew where, for the tests of its layout: the frame, the tick labels, the names placed
// (and the break-even's label), in the painter's coordinates.
struct ChartRecord {
    QRectF frame;
    std::vector<QRectF> keepClear; // the tick labels and the marked points
    std::vector<QRectF> names;
    std::vector<int> nameOwners; // each placed name's owner, and the curves with theirs (chart::LabelScene)
    std::vector<std::vector<chart::Point>> curves;
    std::vector<int> curveOwners;
    std::size_t xTicks = 0;
    std::size_t yTicks = 0;
    std::size_t namesLeftOut = 0;
};

// What a chart's frame shows: its two axes' ranges (the ticks are chosen to fit), how a tick reads, the
// titles, and the names its curves will bear right of the frame, whose widest sets the room left there.
struct AxesPlan {
    chart::Axis x;
    chart::Axis y;
    std::function<QString(double)> xText;
    std::function<QString(double)> yText;
    double xMinStep = 0; // 1 for whole years
    QString title;       // above the frame, on two lines where one is too narrow
    QString xTitle;      // below the x labels
    QString yTitle;      // turned, left of the y labels
    QStringList names;
    bool ticks = true; // false: the frame and the titles alone, when there is nothing to scale
};

// The frame as drawn, and the scale of each axis in it.
struct Axes {
    QRectF frame;
    chart::Axis x;
    chart::Axis y;
    double line = 0; // the text's height, which sets every margin and clearance
    double pen = 0;  // the curves' base width
    std::vector<chart::Rect> tickLabels;

    double px(double v) const { return x.at(v, frame.left(), frame.right()); }
    double py(double v) const { return y.at(v, frame.bottom(), frame.top()); }
};

// Fills area with the background and draws, with the painter's font, the grid, the frame, the tick
// labels, the axes' titles and the chart's title. record, when given, gets the frame and the ticks.
Axes drawFrameAndAxes(QPainter& painter, const QRectF& area, AxesPlan plan, const ChartColours& colours,
                      ChartRecord* record);

// What a chart gathers to name its curves: what the names must keep clear of (tick labels, dots), the
// curves drawn with the owner of each (chart::LabelScene), and each name with the point it names.
struct ChartNames {
    std::vector<chart::Rect> obstacles;
    std::vector<std::vector<chart::Point>> curves;
    std::vector<int> owners;
    std::vector<chart::LabelRequest> requests;
    QStringList texts;
};

// Places the names inside the frame or in area's margin right of it, pen and line (the text's height)
// setting the clearances, and draws them; record, when given, gets the frame, what stayed clear and the
// names.
void placeAndDrawNames(QPainter& painter, ChartNames names, const QRectF& frame, const QRectF& area,
                       qreal pen, qreal line, const QColor& text, const QColor& background,
                       ChartRecord* record);

} // namespace pumpvale::chart_painting
