// The charts for any amount the core can give: the comparison's window with absurd entries, and the
// layout rules both charts share, read back from where they drew their parts.
#include "test_support.h"
#include "ui/comparison_window.h"
#include "ui/cost_chart.h"
#include "ui/metrics.h"
#include "ui/ownership_chart.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <functional>

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

// The case of the absurd efficiency, stopped before the comparison window.
void yenAtFortyPsi(MainWindowDriver& ui, const char* efficiency) {
    ui.click("Option9");
    ui.click("Option7");
    ui.type("Text1", "40");
    ui.type("Text2", "100");
    ui.chooseCurrency("Japanese Yen");
    ui.type("Text9", "50");
    ui.click("Command2");
    ui.click("Option5");
    ui.click("Command3");
    ui.type("Text5", efficiency);
}

CostChartView comparisonView(MainWindowDriver& ui) {
    const ComparisonContext context =
        comparisonContext(comparisonControls(ui.window().controls()), ui.window().operatingCase());
    return {costChartData(context.duty), compareInletSizes(context.duty), context.units, context.currency,
            context.selected};
}

// Every cost scaled so that the largest is top, as if the core had given such amounts.
CostChartView scaledTo(CostChartView view, double top) {
    double largest = view.data.dutyPcAnnualCost;
    for (const CostSample& s : view.data.pcPump)
        largest = std::max(largest, s.annualCost);
    for (const SizeCurve& curve : view.data.sizes)
        for (const CostRun& run : curve.runs)
            for (const CostSample& s : run)
                largest = std::max(largest, s.annualCost);
    const double factor = top / largest;
    for (CostSample& s : view.data.pcPump)
        s.annualCost *= factor;
    for (SizeCurve& curve : view.data.sizes)
        for (CostRun& run : curve.runs)
            for (CostSample& s : run)
                s.annualCost *= factor;
    for (InletComparisonRow& row : view.rows)
        if (row.costs)
            row.costs->aoddAnnualCost = std::min(row.costs->aoddAnnualCost * factor, top);
    view.data.dutyPcAnnualCost *= factor;
    return view;
}

// The worked example's payback: the PC pump 1,500 dearer, saving 880.64 a year over ten years.
OwnershipChartData ownership(double scale, std::optional<double> breakEven) {
    OwnershipChartData data;
    for (int year = 0; year <= 10; ++year) {
        data.pcCumulative.push_back((3000 + 292.54 * year) * scale);
        data.aoddCumulative.push_back((1500 + 1173.18 * year) * scale);
    }
    data.breakEvenYear = breakEven;
    data.currency = "US Dollars";
    return data;
}

using Draw = std::function<void(QPainter&, const QRectF&, chart_painting::ChartRecord*)>;

Draw comparisonChart(MainWindowDriver& ui, double top = 0) {
    const CostChartView view = top > 0 ? scaledTo(comparisonView(ui), top) : comparisonView(ui);
    return [view](QPainter& painter, const QRectF& area, chart_painting::ChartRecord* record) {
        drawCostChart(painter, area, view, ChartColours{}, record);
    };
}

Draw ownershipChart(const OwnershipChartData& data) {
    return [data](QPainter& painter, const QRectF& area, chart_painting::ChartRecord* record) {
        drawOwnershipChart(painter, area, data, ChartColours{}, record);
    };
}

struct PictureCase {
    const char* name;
    std::function<Draw(MainWindowDriver&)> make;
    std::size_t names; // placed at the larger size: every one asked for
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const PictureCase kPictures[] = {
    {"WorkedExampleComparison", [](MainWindowDriver& ui) { ui.reach(ScreenState::FullResults); return comparisonChart(ui); }, 7},
    {"TwoStageShortOfAir", [](MainWindowDriver& ui) {
         ui.click("Option9"); ui.click("Option8"); ui.type("Text1", "80"); ui.type("Text2", "150"); ui.type("Text3", "120");
         ui.chooseCurrency("US Dollars");
         ui.click("Command2"); ui.click("Option6"); return comparisonChart(ui); }, 7},
    {"LeastPressureAndFlow", [](MainWindowDriver& ui) {
         ui.click("Option9"); ui.click("Option7"); ui.type("Text1", "20"); ui.type("Text2", "0.5"); ui.type("Text3", "120");
         ui.chooseCurrency("US Dollars");
         ui.click("Command2"); ui.click("Option1"); return comparisonChart(ui); }, 7},
    {"MostPressureAndFlowTwoStage", [](MainWindowDriver& ui) {
         ui.click("Option9"); ui.click("Option8"); ui.type("Text1", "100"); ui.type("Text2", "200"); ui.type("Text3", "120");
         ui.chooseCurrency("US Dollars");
         ui.click("Command2"); ui.click("Option6"); return comparisonChart(ui); }, 6}, // 1/4 inch cannot serve 100 psi
    // The six sizes' curves lie within a pixel of one another at 1e300: only the selected size and the PC
    // pump can be named where no other curve is nearer.
    {"EfficiencyOf1eMinus300", [](MainWindowDriver& ui) { yenAtFortyPsi(ui, "1e-300"); return comparisonChart(ui); }, 2},
    {"CostsUpTo1e308", [](MainWindowDriver& ui) { ui.reach(ScreenState::FullResults); return comparisonChart(ui, 1e308); }, 7},
    {"Ownership", [](MainWindowDriver&) { return ownershipChart(ownership(1, 1.7)); }, 3},
    {"OwnershipUpTo1e308", [](MainWindowDriver&) { return ownershipChart(ownership(1e308 / 15000, 1.7)); }, 3},
    {"OwnershipNotFinite", [](MainWindowDriver&) {
         OwnershipChartData data = ownership(1, 1.7); data.aoddCumulative[4] = NAN; return ownershipChart(data); }, 0},
    {"OwnershipEmpty", [](MainWindowDriver&) { return ownershipChart({}); }, 0},
};
// clang-format on

class ChartPicture : public MainWindowTest, public ::testing::WithParamInterface<PictureCase> {};

// Drawn at a window's size and at the charts' smallest: no name over another, over a tick label or a
// marked point, or across the frame; the ticks few; something drawn.
TEST_P(ChartPicture, NamesAndTicksNeverCollide) {
    const Draw draw = GetParam().make(ui);
    for (const QSize size : {QSize(700, 420), QSize(420, 240)}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        chart_painting::ChartRecord record;
        {
            QPainter painter(&image);
            painter.setFont(metrics::font());
            draw(painter, QRectF(QPointF(0, 0), size), &record);
        }
        if (qEnvironmentVariableIsSet("PUMPVALE_KEEP_CHARTS")) // a folder, to look at them
            image.save(QStringLiteral("%1/%2-%3.png")
                           .arg(qEnvironmentVariable("PUMPVALE_KEEP_CHARTS"), GetParam().name)
                           .arg(size.width()));
        const QRectF area(QPointF(0, 0), size);
        EXPECT_TRUE(area.contains(record.frame)) << size.width();
        EXPECT_LE(record.xTicks, static_cast<std::size_t>(chart::kMaxTicks));
        EXPECT_LE(record.yTicks, static_cast<std::size_t>(chart::kMaxTicks));
        for (std::size_t i = 0; i < record.names.size(); ++i) {
            const QRectF& name = record.names[i];
            EXPECT_TRUE(area.contains(name)) << i;
            EXPECT_TRUE(record.frame.contains(name) || !record.frame.intersects(name))
                << i << " crosses the frame";
            for (const QRectF& other : record.keepClear)
                EXPECT_FALSE(name.intersects(other)) << i;
            for (std::size_t k = 0; k < i; ++k)
                EXPECT_FALSE(name.intersects(record.names[k])) << i << " over " << k;
            // A curve's name reads as that curve's: no other curve is nearer to it.
            chart::LabelScene curves;
            curves.curves = record.curves;
            curves.owners = record.curveOwners;
            curves.gap = 0;
            EXPECT_TRUE(chart::nearestToOwnCurve(chart_painting::toChart(name),
                                                 i < record.nameOwners.size() ? record.nameOwners[i] : -1,
                                                 curves))
                << i << " at " << size.width();
        }
        if (size.width() == 700) {
            EXPECT_EQ(record.names.size(), GetParam().names);
            EXPECT_EQ(record.namesLeftOut, GetParam().names == 2 ? 5u : 0u);
        }
        int inked = 0;
        for (int yy = 0; yy < image.height(); yy += 3)
            for (int xx = 0; xx < image.width(); xx += 3)
                inked += image.pixel(xx, yy) != qRgb(255, 255, 255);
        EXPECT_GT(inked, 100) << size.width();
    }
}

// A dashed stretch drawn as the chart draws it, at any pen width and length: along its middle it shows a
// gap of background at least a pixel wide, and a long stretch several.
TEST(DashedStretch, ShowsItsGapsAtEveryPenWidth) {
    for (const qreal width : {1.0, 1.5, 2.4, 4.8, 8.0, 12.0})
        for (const qreal length : {6.0, 30.0, 300.0}) {
            QImage image(340, 40, QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(chart_painting::dashedPen(Qt::black, width, 15, length));
                painter.drawLine(QPointF(20.3, 20), QPointF(20.3 + length, 20));
            }
            int gaps = 0;
            bool inGap = false;
            for (int x = 21; x < 20 + int(length); ++x) {
                const bool clear = image.pixel(x, 20) == qRgb(255, 255, 255);
                gaps += clear && !inGap;
                inGap = clear;
            }
            EXPECT_GE(gaps, length >= 300 ? 3 : 1) << width << " px on " << length;
        }
}

INSTANTIATE_TEST_SUITE_P(Charts, ChartPicture, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pumpvale::testing
