#include "ui/chart_painting.h"

#include <QLocale>
#include <QPainter>
#include <cmath>

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

} // namespace pumpvale::chart_painting
