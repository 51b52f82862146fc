// The comparison's chart and heading for any amount the core can give.
#include "test_support.h"
#include "ui/comparison_window.h"
#include "ui/cost_chart.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTableWidget>

namespace pumpvale::testing {
namespace {

struct AbsurdEfficiency {
    const char* name;
    const char* typed;
};

void PrintTo(const AbsurdEfficiency& c, std::ostream* os) {
    *os << c.name;
}

class ComparisonWithAbsurdEfficiency : public MainWindowTest,
                                       public ::testing::WithParamInterface<AbsurdEfficiency> {};

bool showsNoInfinity(const QString& text) {
    return !text.contains("inf", Qt::CaseInsensitive) && !text.contains("nan", Qt::CaseInsensitive);
}

// English, one stage, 40 psi, 100 GPM, Japanese Yen at 50 per kWh, the 2-inch inlet, Ctrl+I, then the
// efficiency typed: at 1e-300 percent the cost axis was rounded up to 10^309, which is infinite, and its
// tick loop never ended (std::bad_alloc); at 1e999 the heading read "at inf %".
TEST_P(ComparisonWithAbsurdEfficiency, CostAxisOverflowedToInfinityAndTheHeadingReadInf) {
    ui.click("Option9");
    ui.click("Option7");
    ui.type("Text1", "40");
    ui.type("Text2", "100");
    ui.chooseCurrency("Japanese Yen");
    ui.type("Text9", "50");
    ui.click("Command2");
    ui.click("Option5");
    ui.click("Command3");
    QApplication::setActiveWindow(&ui.window());
    QTest::keyClick(&ui.window(), Qt::Key_I, Qt::ControlModifier);
    ui.type("Text5", GetParam().typed);

    auto* window = ui.window().findChild<ComparisonWindow*>();
    ASSERT_NE(window, nullptr);
    const QString heading = window->findChild<QLabel*>("Heading")->text();
    EXPECT_TRUE(heading.startsWith("Duty point: 40 psi")) << heading.toStdString();
    EXPECT_TRUE(showsNoInfinity(heading)) << heading.toStdString();
    const auto* table = window->findChild<QTableWidget*>("ComparisonTable");
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column) {
            EXPECT_TRUE(showsNoInfinity(table->item(row, column)->text())) << row << ", " << column;
            EXPECT_TRUE(showsNoInfinity(table->item(row, column)->toolTip())) << row << ", " << column;
        }

    auto* chart = window->findChild<CostChart*>("CostChart");
    const QImage picture = chart->grab().toImage();
    // Drawn: more than the background, the frame and the text in the chart's colours.
    int inked = 0;
    for (int yy = 0; yy < picture.height(); yy += 2)
        for (int xx = 0; xx < picture.width(); xx += 2)
            inked += picture.pixel(xx, yy) != picture.pixel(0, 0);
    EXPECT_GT(inked, 500);
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(AbsurdEntry, ComparisonWithAbsurdEfficiency,
                         ::testing::Values(AbsurdEfficiency{"Tiny", "1e-300"},
                                           AbsurdEfficiency{"Infinite", "1e999"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pumpvale::testing
