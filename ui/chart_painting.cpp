#include "ui/chart_painting.h"

#include <QLocale>
#include <QPainter>
#include <cmath>
#include <utility>

namespace pumpvale::chart_painting {

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

void record(ChartRecord* out, const std::vector<chart::PlacedLabel>& placed) {
    if (out == nullptr)
        return;
    for (const chart::PlacedLabel& label : placed) {
        if (label.placed)
            out->names.push_back(toQt(label.box));
        else
            ++out->namesLeftOut;
    }
}

} // namespace

void placeAndDrawNames(QPainter& painter, ChartNames names, const QRectF& frame, const QRectF& area,
                       qreal pen, qreal line, const QColor& text, const QColor& background,
                       ChartRecord* record) {
    chart::LabelScene scene;
    scene.obstacles = std::move(names.obstacles);
    scene.areas = {toChart(frame.adjusted(pen * 2, pen * 2, -pen * 2, -pen * 2)),
                   toChart(QRectF(QPointF(frame.right() + pen * 2, frame.top()),
                                  QPointF(area.right() - pen, frame.bottom())))};
    scene.curves = std::move(names.curves);
    scene.gap = line * 0.25;
    const std::vector<chart::PlacedLabel> placed = chart::placeLabels(names.requests, scene);
    drawNames(painter, placed, names.texts, text, background);
    if (record != nullptr) {
        record->frame = frame;
        for (const chart::Rect& box : scene.obstacles)
            record->keepClear.push_back(toQt(box));
        chart_painting::record(record, placed);
    }
}

} // namespace pumpvale::chart_painting
