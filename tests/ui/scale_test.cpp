// Frames, rules and the exit box are drawn whole at the display scale this program runs at
// (QT_SCALE_FACTOR; CTest runs it at 100, 125, 150, 175 and 200 %).
#include "main_window_driver.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace pumpvale::testing {
namespace {

// Checks that along one side of a frame every device pixel row (or column) has the line's colour
// somewhere within the layout pixel the side is drawn in.
class EdgeCheck {
public:
    EdgeCheck(const QImage& picture, qreal scale) : picture_(picture), scale_(scale) {}

    // A vertical side at layout column x, from layout row top to bottom (exclusive).
    int missingVertical(int x, int top, int bottom, QRgb colour) const {
        int missing = 0;
        for (int row = device(top) + 1; row < device(bottom) - 1; ++row)
            if (!found(device(x), device(x + 1), row, row + 1, colour))
                ++missing;
        return missing;
    }
    // A horizontal side at layout row y, from layout column left to right (exclusive).
    int missingHorizontal(int y, int left, int right, QRgb colour) const {
        int missing = 0;
        for (int column = device(left) + 1; column < device(right) - 1; ++column)
            if (!found(column, column + 1, device(y), device(y + 1), colour))
                ++missing;
        return missing;
    }

private:
    int device(int layout) const { return static_cast<int>(std::floor(layout * scale_)); }
    bool found(int left, int right, int top, int bottom, QRgb colour) const {
        for (int x = left; x <= right && x < picture_.width(); ++x)
            for (int y = top; y <= bottom && y < picture_.height(); ++y)
                if (picture_.pixel(x, y) == colour)
                    return true;
        return false;
    }

    const QImage& picture_;
    qreal scale_;
};

TEST(DisplayScale, FramesRulesAndTheExitBoxAreDrawnWhole) {
    MainWindowDriver ui;
    Form2& window = ui.window();
    ui.click("Option9");
    for (QGroupBox* group : window.findChildren<QGroupBox*>())
        group->show();
    QApplication::processEvents();
    // The page whole, as it scrolls on a screen too small for it.
    QWidget& page = *window.findChild<QWidget*>("Page");
    const QImage picture = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal scale = window.devicePixelRatioF();
    const EdgeCheck edges(picture, scale);

    const QRgb groupColour = window.palette().color(QPalette::Mid).rgb();
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        const QRect r(group->mapTo(&page, QPoint(0, 0)), group->size());
        const QFontMetrics metrics(group->font());
        const int top = r.top() + metrics.height() / 2;
        const int captionEnd =
            r.left() + 10 + metrics.horizontalAdvance(group->title()) + metrics.averageCharWidth();
        const std::string name = group->objectName().toStdString();
        EXPECT_EQ(edges.missingVertical(r.left(), top, r.bottom() + 1, groupColour), 0) << name << " left";
        EXPECT_EQ(edges.missingVertical(r.right(), top, r.bottom() + 1, groupColour), 0) << name << " right";
        EXPECT_EQ(edges.missingHorizontal(top, captionEnd, r.right() + 1, groupColour), 0) << name << " top";
        EXPECT_EQ(edges.missingHorizontal(r.bottom(), r.left(), r.right() + 1, groupColour), 0)
            << name << " bottom";
    }

    const QRgb lineColour = window.palette().color(QPalette::WindowText).rgb();
    for (const char* name : {"Line1", "Line2"}) {
        const auto* rule = ui.control<QFrame>(name);
        const QRect r(rule->mapTo(&page, QPoint(0, 0)), rule->size());
        EXPECT_EQ(edges.missingHorizontal(r.top() + r.height() / 2, r.left(), r.right() + 1, lineColour), 0)
            << name;
    }
    const auto* box = ui.control<QFrame>("Shape1");
    const QRect r(box->mapTo(&page, QPoint(0, 0)), box->size());
    EXPECT_EQ(edges.missingVertical(r.left(), r.top(), r.bottom() + 1, lineColour), 0) << "exit box left";
    EXPECT_EQ(edges.missingVertical(r.right(), r.top(), r.bottom() + 1, lineColour), 0) << "exit box right";
    EXPECT_EQ(edges.missingHorizontal(r.top(), r.left(), r.right() + 1, lineColour), 0) << "exit box top";
    EXPECT_EQ(edges.missingHorizontal(r.bottom(), r.left(), r.right() + 1, lineColour), 0)
        << "exit box bottom";
}

} // namespace
} // namespace pumpvale::testing
