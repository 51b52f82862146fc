// Frames and rules that stay whole at every display scale.
//
// A one-pixel line drawn with a pen at a widget's edge lands between device pixels when the scale is
// fractional (125 %, 175 %) and the widget starts part-way into a pixel; the pixel it rounds to may lie
// outside the widget's clip, and the edge vanishes. Filling a strip one layout pixel wide inside the
// widget always covers at least one device pixel within it, and at 100 % draws exactly the pixels the
// pen did.
#pragma once

#include <QColor>
#include <QFrame>
#include <QRect>

class QPainter;

namespace pumpvale {

// The outline of area, each side one layout pixel wide and inside area.
void drawWholeBox(QPainter& painter, const QRect& area, const QColor& colour);

// A plain box or horizontal rule in the window's text colour, as QFrame draws them at 100 %.
class WholeLineFrame final : public QFrame {
public:
    WholeLineFrame(QFrame::Shape shape, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pumpvale
