// The results group beyond its boxes: whole amounts, tooltips, the working, copy and print.
#include "core/cost.h"
#include "test_support.h"
#include "tests/worked_example.h"
#include "ui/report_layouts.h"
#include "ui/result_box_fit.h"
#include "ui/shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace pumpvale::testing {
namespace {

qsizetype longestLine(const QString& text) {
    qsizetype longest = 0;
    for (const QString& line : text.split('\n'))
        longest = std::max(longest, line.size());
    return longest;
}

// The window's action of that text.
QAction& action(Form2& window, const QString& text) {
    for (QAction* candidate : window.actions())
        if (candidate->text() == text)
            return *candidate;
    ADD_FAILURE() << "no action " << text.toStdString();
    static QAction none;
    return none;
}

// Whole from its first digit: the box holds every character, shows its start, and either draws it at a
// legible size within its room, or marks it as cut and gives it whole in the tooltip.
::testing::AssertionResult showsWhole(const QLineEdit& box, const QString& amount) {
    if (box.text() != amount)
        return ::testing::AssertionFailure() << "holds " << box.text().toStdString();
    if (box.cursorPosition() != 0)
        return ::testing::AssertionFailure() << "shows its end, not its first digit";
    if (box.font().pointSizeF() < kSmallestAmountPointSize)
        return ::testing::AssertionFailure() << "drawn at " << box.font().pointSizeF() << " pt";
    const auto* mark = box.findChild<QWidget*>("cutMark");
    const bool cut = mark != nullptr && !mark->isHidden();
    const double width = std::ceil(QFontMetricsF(box.font()).horizontalAdvance(amount)) + 1;
    if (!cut && width > roomForText(box))
        return ::testing::AssertionFailure() << "needs " << width << " px, has " << roomForText(box);
    if (cut && !box.toolTip().contains(amount))
        return ::testing::AssertionFailure() << "cut, and the tooltip lacks the whole figure";
    return ::testing::AssertionSuccess() << (cut ? "cut" : "whole");
}

// 54,491,543.78 (a large duty point in Japanese Yen) showed as "4,491,543.78"; 1e15 and the amount a
// compressor efficiency of 1e-300 percent gives cannot fit any legible font.
TEST_F(MainWindowTest, ResultBoxShowedTheTailOfALongAmount) {
    ui.reach(ScreenState::FullResults);
    auto* box = ui.control<QLineEdit>("Text11");
    const double designSize = box->font().pointSizeF();
    for (const double amount : {0.0, 292.54, -284.1, 54491543.78, 999999999.99, 1e15, 4.1e304}) {
        const QString text = QString::fromStdString(formatStandard(amount));
        box->setText(text);
        const auto result = showsWhole(*box, text);
        EXPECT_TRUE(result) << text.toStdString();
        if (amount < 1e6) {
            EXPECT_EQ(box->font().pointSizeF(), designSize) << text.toStdString();
        }
        if (amount == 54491543.78) {
            EXPECT_STREQ(result.message(), "whole");
        }
        if (amount >= 1e15) {
            EXPECT_STREQ(result.message(), "cut");
        }
    }
}

TEST_F(MainWindowTest, AnAbsurdCompressorEfficiencyGivesAWholeOrMarkedAmount) {
    ui.reach(ScreenState::CompressorStep);
    ui.type("Text5", "1e-300");
    ui.messages.shown.clear();
    ui.click("Command4");
    ASSERT_TRUE(isIn(ui.window(), ScreenState::FullResults));
    for (const char* name : {"Text10", "Text11", "Text12"}) {
        const auto* box = ui.control<QLineEdit>(name);
        EXPECT_TRUE(showsWhole(*box, box->text())) << name;
        EXPECT_FALSE(box->text().contains("inf") || box->text().contains("nan")) << name;
    }
    EXPECT_TRUE(ui.control<QLineEdit>("Text11")->toolTip().startsWith("The amount is too long"));
}

// The driver's worked example: 292.54, 1,173.18 and 880.64 US Dollars.
TEST_F(MainWindowTest, EachResultBoxSaysHowItsAmountCameAbout) {
    ui.reach(ScreenState::FullResults);
    const QString pc = ui.control("Text10")->toolTip();
    EXPECT_TRUE(pc.contains("8,736 hours × 0.065 US Dollars per kWh")) << pc.toStdString();
    EXPECT_TRUE(pc.endsWith("= 292.54 US Dollars")) << pc.toStdString();
    EXPECT_TRUE(ui.control("Text11")->toolTip().endsWith("= 1,173.18 US Dollars"));
    EXPECT_TRUE(ui.control("Text12")->toolTip().contains("1,173.18 − 292.54\n= 880.64"));
}

TEST_F(MainWindowTest, ActionsAreOfferedWhileAResultIsShown) {
    const auto* group = ui.control<QGroupBox>("Frame8");
    EXPECT_EQ(group->contextMenuPolicy(), Qt::ActionsContextMenu);
    // Every action the keys list has for a result, in its order; Save Case and Compare Inlet Sizes too.
    QStringList texts, listed;
    for (const QAction* action : group->actions())
        texts << action->text();
    for (const KeyEntry& entry : kResultKeys)
        listed << QString::fromUtf8(entry.action.data(), qsizetype(entry.action.size()));
    EXPECT_EQ(texts, listed);
    EXPECT_EQ(texts,
              QStringList({"Save Case...", "Compare Inlet Sizes...", "Calculation Details...", "Copy Results",
                           "Print Report...", "Export Report...", "Savings Over Time..."}));
    EXPECT_TRUE(group->toolTip().contains("Compare Inlet Sizes... (Ctrl+I)"))
        << group->toolTip().toStdString();
    QAction& copy = action(ui.window(), "Copy Results");
    EXPECT_EQ(action(ui.window(), "Calculation Details...").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_EQ(copy.shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(action(ui.window(), "Print Report...").shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_EQ(action(ui.window(), "Export Report...").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));

    EXPECT_FALSE(copy.isEnabled());
    ui.reach(ScreenState::PcOnlyResults);
    EXPECT_TRUE(copy.isEnabled());
    ui.click("Command5");
    EXPECT_FALSE(copy.isEnabled());
}

// Ctrl+C with the focus on a box copies the box's selection, as in any entry; without one, the results.
TEST_F(MainWindowTest, CopyResultsPutsTextAndATableOnTheClipboard) {
    ui.reach(ScreenState::FullResults);
    QApplication::setActiveWindow(&ui.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.window()));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(ui.control("Command5"), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->html().contains("<td align=\"right\">880.64</td>")) << data->html().toStdString();
    EXPECT_TRUE(data->text().contains("Total savings")) << data->text().toStdString();
    // Within a terminal's 100 columns, the long cells wrapped: the comparison once made every line 222
    // characters long, the working 171.
    const qsizetype longest = longestLine(data->text());
    std::printf("longest copied line: %lld characters\n", static_cast<long long>(longest));
    EXPECT_LE(longest, 100) << data->text().toStdString();
    // A wrapped formula keeps its words, in order, its other cells standing beside its first line.
    EXPECT_TRUE(data->text().contains(QRegularExpression(
        R"(Ideal compressor power +2\.07711 +hp +stages × 14\.7 × air consumption × k ÷ \(k − 1\))"
        R"(\n {40,}× \(ratio \^ exponent − 1\) ÷ 229\.2\n)")))
        << data->text().toStdString();

    auto* box = ui.control<QLineEdit>("Text10");
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "292.54");
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasHtml());
}

TEST(ReportLayouts, PlainTextAlignsTheValuesOnTheRight) {
    OperatingCase c = workedExampleCase();
    c.currency = "US Dollars";
    c.pcCostOnly = true;
    c.aoddFlowOutOfRange = true;
    computePcPower(c);
    AnnualCosts costs;
    costs.pcAnnualCost = computePcAnnualCost(c);
    const QStringList lines = reportPlainText(layoutReport(buildCalculationReport(c, costs), {})).split('\n');
    const auto endOf = [&](const QString& value) { // in the working, after the summary
        for (qsizetype i = lines.size() - 1; i >= 0; --i)
            if (lines[i].contains(value + "  "))
                return lines[i].indexOf(value + "  ") + value.size();
        return qsizetype(-1);
    };
    EXPECT_GT(endOf("292.54"), 0);
    EXPECT_EQ(endOf("292.54"), endOf("8,736")); // each table aligns its own columns
    EXPECT_LE(longestLine(lines.join('\n')), 100) << "why the PC pump alone, wrapped";
}

// A section appended to the report, with a table of its own, appears in every layout unchanged: its own
// table under its own header row, each table as wide as its own columns (no 222-character lines).
TEST(ReportLayouts, ShowASectionAddedToTheReport) {
    OperatingCase c = workedExampleCase();
    c.currency = "US Dollars";
    computePcPower(c);
    AnnualCosts costs;
    findCostSavings(c, costs, "1", "75");
    CalculationReport report = buildCalculationReport(c, costs);
    report.sections.push_back({"compared",
                               "Inlet comparison",
                               {},
                               {"own", "Each size", {{"Inlet", ""}, {"Annual cost", "US Dollars"}}, {}}});
    report.sections.back().table.rows.push_back({ReportValue::words("1 inch"), ReportValue::money(1173.18)});
    const ReportLayout layout = layoutReport(report, {});
    const QString text = reportPlainText(layout);
    EXPECT_TRUE(text.contains(QRegularExpression("Inlet +Annual cost \\(US Dollars\\)\n +1 inch +1,173.18")))
        << text.toStdString();
    EXPECT_LE(longestLine(text), 100);
    const QString html = reportHtmlTables(layout);
    EXPECT_TRUE(html.contains(
        "<tr><th align=\"left\">Inlet</th><th align=\"left\">Annual cost (US Dollars)</th></tr>"))
        << html.toStdString();
    EXPECT_TRUE(html.contains("<tr><td>1 inch</td><td align=\"right\">1,173.18</td></tr>"))
        << html.toStdString();
}

TEST_F(MainWindowTest, DetailsWindowIsOneAtATimeAndClosesOnEscape) {
    ui.reach(ScreenState::FullResults);
    QApplication::setActiveWindow(&ui.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.window()));
    QTest::keyClick(ui.control("Command5"), Qt::Key_D, Qt::ControlModifier);
    QAction& details = action(ui.window(), "Calculation Details...");
    QPointer<QDialog> window = ui.window().findChild<QDialog*>("DetailsWindow");
    ASSERT_NE(window, nullptr);
    details.trigger();
    EXPECT_EQ(ui.window().findChildren<QDialog*>("DetailsWindow"), QList<QDialog*>({window.data()}));

    int found = 0;
    for (const auto* table : window->findChildren<QTableWidget*>("DetailsTable"))
        for (const QTableWidgetItem* item : table->findItems("Total savings", Qt::MatchExactly)) {
            EXPECT_EQ(table->item(item->row(), 1)->text(), "880.64");
            ++found;
        }
    EXPECT_EQ(found, 1);

    QTest::keyClick(window, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window, nullptr);
}

// Ctrl+P opens the system's print dialog; cancelling it prints nothing.
TEST_F(MainWindowTest, PrintReportOpensThePrintDialog) {
    ui.reach(ScreenState::FullResults);
    QApplication::setActiveWindow(&ui.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.window()));
    QString seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            seen = dialog->metaObject()->className();
            dialog->reject();
        }
    });
    closer.start(20);
    QTest::keyClick(ui.control("Command5"), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(seen, "QPrintDialog");
}

} // namespace
} // namespace pumpvale::testing
