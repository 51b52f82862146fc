// A stand-in for the chart of each pump's cost of ownership: a frame only, so that the savings window
// builds and lays out; the chart itself replaces this file.
#include "ui/ownership_chart.h"

#include <QPainter>
#include <QPen>

namespace pumpvale {

void drawOwnershipChart(QPainter& painter, const QRectF& area, const OwnershipChartData& /*data*/) {
    painter.save();
    painter.setPen(QPen(painter.pen().color(), 1));
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

OwnershipChart::OwnershipChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 200);
}

void OwnershipChart::setData(OwnershipChartData data) {
    data_ = std::move(data);
    update();
}

void OwnershipChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    drawOwnershipChart(painter, QRectF(rect()), data_);
}

} // namespace pumpvale
