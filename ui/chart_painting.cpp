#include "ui/chart_painting.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace pumpvale::chart_painting {

QPen dashedPen(const QColor& colour, qreal width, qreal line, qreal stretchLength) {
    QPen pen(colour, width);
    const chart::DashPattern dash = chart::dashPattern(width, line, stretchLength);
    pen.setDashPattern({dash.dash, dash.gap});
    pen.setDashOffset(dash.offset);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QString tickText(double value) {
    if (!std::isfinite(value))
        return {};
    const QLocale locale;
    const double magnitude = std::fabs(value);
    if (value != 0 && (magnitude < 1e-3 || magnitude >= 1e9))
        return locale.toString(value, 'g', 3);
    for (int decimals = 0; decimals < 6; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        if (std::fabs(std::round(value * scale) - value * scale) <= 1e-6 * std::max(1.0, magnitude * scale))
            return locale.toString(value, 'f', decimals);
    }
    return locale.toString(value, 'g', 6);
}

namespace {

// The grid at the ticks, the frame over it, and each tick's label, noted as a place the names keep clear.
void drawGridAndTicks(QPainter& painter, Axes& axes, const AxesPlan& plan, const QFontMetricsF& fm,
                      const ChartColours& colours) {
    const QRectF& frame = axes.frame;
    const double line = axes.line;
    if (plan.ticks) {
        painter.setPen(QPen(colours.grid, 0));
        for (const double v : axes.x.ticks)
            painter.drawLine(QPointF(axes.px(v), frame.top()), QPointF(axes.px(v), frame.bottom()));
        for (const double v : axes.y.ticks)
            painter.drawLine(QPointF(frame.left(), axes.py(v)), QPointF(frame.right(), axes.py(v)));
    }
    painter.setPen(QPen(colours.text, 0));
    painter.drawRect(frame);
    if (!plan.ticks)
        return;
    for (const double v : axes.x.ticks) {
        const QString text = plan.xText(v);
        const double w = fm.horizontalAdvance(text);
        const QRectF box(axes.px(v) - w / 2, frame.bottom() + line * 0.2, w, line);
        painter.drawText(box, Qt::AlignCenter, text);
        axes.tickLabels.push_back(toChart(box));
    }
    for (const double v : axes.y.ticks) {
        const QString text = plan.yText(v);
        const double w = fm.horizontalAdvance(text);
        const QRectF box(frame.left() - line * 0.3 - w, axes.py(v) - line / 2, w, line);
        painter.drawText(box, Qt::AlignCenter, text);
        axes.tickLabels.push_back(toChart(box));
    }
}

void drawTitles(QPainter& painter, const QRectF& area, const Axes& axes, const AxesPlan& plan,
                int titleLines) {
    const QRectF& frame = axes.frame;
    const double line = axes.line;
    painter.drawText(QRectF(frame.left(), frame.bottom() + line * 1.4, frame.width(), line), Qt::AlignHCenter,
                     plan.xTitle);
    painter.save();
    painter.translate(area.left(), frame.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-frame.height() / 2, 0, frame.height(), line), Qt::AlignHCenter, plan.yTitle);
    painter.restore();
    painter.drawText(QRectF(area.left(), area.top() + line * 0.2, area.width(), titleLines * line),
                     Qt::AlignHCenter | Qt::TextWordWrap, plan.title);
}

void drawNames(QPainter& painter, const std::vector<chart::PlacedLabel>& placed, const QStringList& names,
               const QColor& text, const QColor& background) {
    painter.save();
    for (std::size_t i = 0; i < placed.size() && i < static_cast<std::size_t>(names.size()); ++i) {
        const chart::PlacedLabel& label = placed[i];
        if (!label.placed)
            continue;
        const QRectF box = toQt(label.box);
        if (label.leader) {
            painter.setPen(QPen(text, 0));
            painter.drawLine(QPointF(label.leaderStart.x, label.leaderStart.y),
                             QPointF(label.leaderEnd.x, label.leaderEnd.y));
        }
        painter.fillRect(box, background);
        painter.setPen(text);
        painter.drawText(box, Qt::AlignCenter, names[static_cast<qsizetype>(i)]);
    }
    painter.restore();
}

void record(ChartRecord* out, const std::vector<chart::PlacedLabel>& placed,
            const std::vector<chart::LabelRequest>& requests) {
    if (out == nullptr)
        return;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (placed[i].placed) {
            out->names.push_back(toQt(placed[i].box));
            out->nameOwners.push_back(requests[i].owner);
        } else {
            ++out->namesLeftOut;
        }
    }
}

} // namespace

Axes drawFrameAndAxes(QPainter& painter, const QRectF& area, AxesPlan plan, const ChartColours& colours,
                      ChartRecord* record) {
    painter.fillRect(area, colours.background);
    const QFontMetricsF fm(painter.font(), painter.device());
    Axes axes;
    axes.line = fm.height();
    axes.pen = std::max(1.0, axes.line / 7);
    const double line = axes.line;
    axes.x = std::move(plan.x);
    axes.y = std::move(plan.y);

    const int titleLines = fm.horizontalAdvance(plan.title) <= area.width() ? 1 : 2;
    const double top = area.top() + line * (1.2 + titleLines);
    const double bottom = area.bottom() - line * 2.8;
    // The y labels stand one above another, a line high each and a fifth of a line apart; the x labels
    // side by side within the frame's width, so the two never meet.
    chart::chooseTicks(axes.y, bottom - top, line * 0.2, line * 0.45, [&](double) { return line; });
    double labelWidth = 0;
    for (const double v : axes.y.ticks)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(plan.yText(v)));
    double gutter = 0;
    for (const QString& name : plan.names)
        gutter = std::max(gutter, fm.horizontalAdvance(name));
    axes.frame = QRectF(QPointF(area.left() + line * 2 + labelWidth, top),
                        QPointF(area.right() - gutter - line * 1.2, bottom));
    chart::chooseTicks(
        axes.x, axes.frame.width(), line * 0.8, 0,
        [&](double v) { return fm.horizontalAdvance(plan.xText(v)); }, plan.xMinStep);

    drawGridAndTicks(painter, axes, plan, fm, colours);
    drawTitles(painter, area, axes, plan, titleLines);
    if (record != nullptr) {
        record->frame = axes.frame;
        record->xTicks = plan.ticks ? axes.x.ticks.size() : 0;
        record->yTicks = plan.ticks ? axes.y.ticks.size() : 0;
    }
    return axes;
}

void placeAndDrawNames(QPainter& painter, ChartNames names, const QRectF& frame, const QRectF& area,
                       qreal pen, qreal line, const QColor& text, const QColor& background,
                       ChartRecord* record) {
    chart::LabelScene scene;
    scene.obstacles = std::move(names.obstacles);
    scene.areas = {toChart(frame.adjusted(pen * 2, pen * 2, -pen * 2, -pen * 2)),
                   toChart(QRectF(QPointF(frame.right() + pen * 2, frame.top()),
                                  QPointF(area.right() - pen, frame.bottom())))};
    scene.curves = std::move(names.curves);
    scene.owners = std::move(names.owners);
    scene.gap = line * 0.25;
    const std::vector<chart::PlacedLabel> placed = chart::placeLabels(names.requests, scene);
    drawNames(painter, placed, names.texts, text, background);
    if (record != nullptr) {
        record->frame = frame;
        for (const chart::Rect& box : scene.obstacles)
            record->keepClear.push_back(toQt(box));
        chart_painting::record(record, placed, names.requests);
        record->curves = scene.curves;
        record->curveOwners = scene.owners;
    }
}

} // namespace pumpvale::chart_painting
