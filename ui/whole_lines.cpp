#include "ui/whole_lines.h"

#include <QPainter>

namespace pumpvale {

void drawWholeBox(QPainter& painter, const QRect& area, const QColor& colour) {
    if (area.width() <= 0 || area.height() <= 0)
        return;
    const QRectF box(area);
    painter.fillRect(QRectF(box.left(), box.top(), box.width(), 1), colour);
    painter.fillRect(QRectF(box.left(), box.bottom() - 1, box.width(), 1), colour);
    painter.fillRect(QRectF(box.left(), box.top(), 1, box.height()), colour);
    painter.fillRect(QRectF(box.right() - 1, box.top(), 1, box.height()), colour);
}

WholeLineFrame::WholeLineFrame(QFrame::Shape shape, QWidget* parent) : QFrame(parent) {
    setFrameShape(shape);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
}

void WholeLineFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor colour = palette().color(QPalette::WindowText);
    if (frameShape() == QFrame::HLine) {
        const int middle = height() / 2; // the row QFrame draws its rule in
        painter.fillRect(QRectF(0, middle, width(), 1), colour);
    } else {
        drawWholeBox(painter, rect(), colour);
    }
}

} // namespace pumpvale
