#include "ui/result_box_fit.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace pumpvale {
namespace {

// QLineEdit keeps this many pixels free on each side of its text, inside the frame.
constexpr int kLineEditMargin = 2;

constexpr auto kCutMarkName = "cutMark";

// An ellipsis on the box's own background at its right edge: the figure goes on past it.
class CutMark final : public QWidget {
public:
    explicit CutMark(QLineEdit& box) : QWidget(&box) {
        setObjectName(kCutMarkName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Base));
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("\u2026"));
    }
};

// The width the text needs: its advance, and one pixel more for the text cursor, which QLineEdit always
// keeps room for.
double needed(const QString& text, const QFont& font) {
    return std::ceil(QFontMetricsF(font).horizontalAdvance(text)) + 1;
}

} // namespace

int roomForText(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.rect();
    option.lineWidth =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QMargins margins = box.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin;
}

QWidget* makeCutMark(QLineEdit& box) {
    auto* mark = new CutMark(box);
    mark->hide();
    return mark;
}

AmountFit fitAmount(QLineEdit& box, QWidget& mark, const QFont& designFont) {
    box.setTextMargins(0, 0, 0, 0);
    const int room = roomForText(box);

    QFont font = designFont;
    AmountFit fit{designFont.pointSizeF(), false};
    constexpr double kStep = 0.25;
    // Each size measured once: laying the text out is most of a fit's cost.
    double width = needed(box.text(), font);
    while (width > room && fit.pointSize - kStep >= kSmallestAmountPointSize - 1e-9) {
        fit.pointSize -= kStep;
        font.setPointSizeF(fit.pointSize);
        width = needed(box.text(), font);
    }
    fit.cut = width > room;
    box.setFont(font);

    if (fit.cut) {
        const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("\u2026")) * 2;
        QStyleOptionFrame option;
        option.initFrom(&box);
        const int frame = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
        box.setTextMargins(0, 0, width, 0);
        mark.setGeometry(box.width() - frame - width, frame, width, box.height() - 2 * frame);
    }
    mark.setVisible(fit.cut);
    // From the first digit: QLineEdit scrolls to keep its cursor in view, and setText leaves it at the end.
    box.setCursorPosition(0);
    return fit;
}

} // namespace pumpvale
