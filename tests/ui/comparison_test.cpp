// The inlet sizes compared: the inlet captions' tooltips, "Compare Inlet Sizes..." from the inlet group's
// menu and from Ctrl+I, and its window; the words they and the report use.
#include "aodd/comparison_report.h"
#include "core/cost.h"
#include "core/report_layout.h"
#include "test_support.h"
#include "tests/worked_example.h"
#include "ui/comparison_text.h"
#include "ui/comparison_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>

namespace pumpvale::testing {
namespace {

using enum ScreenState;

class InletComparisonTest : public MainWindowTest {
protected:
    QAction* action() { return ui.window().findChild<QAction*>("CompareInletSizes"); }
    ComparisonWindow* comparison() { return ui.window().findChild<ComparisonWindow*>(); }
    QString tooltip(const char* caption) { return ui.control<QLabel>(caption)->toolTip(); }
    QString cell(int row, int column) {
        return comparison()->findChild<QTableWidget*>("ComparisonTable")->item(row, column)->text();
    }
    void pressCtrlI() {
        QApplication::setActiveWindow(&ui.window());
        QTest::keyClick(&ui.window(), Qt::Key_I, Qt::ControlModifier);
    }
};

struct TooltipCase {
    const char* name;
    void (*path)(MainWindowDriver&);
    const char* caption;
    const char* expected; // empty: no tooltip
};

void PrintTo(const TooltipCase& t, std::ostream* os) {
    *os << t.name;
}

// clang-format off
// 1 inch at 10 GPM and 60 psi: 13.5 SCFM at 77 psi of air, 1,173.18 a year (the full calculation of the
// workflow test); at 1e-300 percent efficiency 1173.1778 x 75 / 1e-300 = 8.799e304.
const TooltipCase kTooltips[] = {
    {"NoneBeforeStepOne", [](MainWindowDriver& ui) { ui.reach(OperatingDataStep); }, "Label10", ""},
    {"ServingSize", [](MainWindowDriver& ui) { ui.reach(InletStep); }, "Label10",
     "1 inch: 13.5 SCFM at 77 psi of air (system 90 psi).\n"
     "AODD 1,173.18 US Dollars a year; savings 880.64 against the PC pump."},
    {"SizeThatCannotServe", [](MainWindowDriver& ui) { ui.reach(InletStep); }, "Label8",
     "1/4 inch cannot serve 10 GPM at 60 psi: flow above its range."},
    {"ShortOfAirInSiUnits", [](MainWindowDriver& ui) {
         ui.click("Option10"); ui.click("Option7");
         ui.type("Text1", "4.1"); ui.type("Text2", "37.85"); ui.chooseCurrency("Euro"); ui.click("Command2"); },
     "Label9",
     "1/2 inch: 16.306 SCFM at 8.22674 Bar of air, more than the system's 6.5 Bar.\n"
     "AODD 1,479.42 Euro a year; savings 1,242.18 against the PC pump."},
    {"FollowsTheCompressorEntries", [](MainWindowDriver& ui) { ui.reach(CompressorStep); ui.type("Text5", "1e-320"); },
     "Label10", "1 inch: 13.5 SCFM at 77 psi of air (system 90 psi).\nNo annual cost: compressor entries rejected."},
    {"AbsurdAmountInPowersOfTen", [](MainWindowDriver& ui) { ui.reach(CompressorStep); ui.type("Text5", "1e-300"); },
     "Label10", "1 inch: 13.5 SCFM at 77 psi of air (system 90 psi).\n"
     "AODD 8.79883E+304 US Dollars a year; savings 8.79883E+304 against the PC pump."},
    {"GoneAfterGoingBack", [](MainWindowDriver& ui) { ui.reach(InletStep); ui.click("Command1"); }, "Label10", ""},
};
// clang-format on

class CaptionTooltip : public InletComparisonTest, public ::testing::WithParamInterface<TooltipCase> {};

TEST_P(CaptionTooltip, GivesTheSizesFigures) {
    GetParam().path(ui);
    EXPECT_EQ(tooltip(GetParam().caption), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(InletComparison, CaptionTooltip, ::testing::ValuesIn(kTooltips),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InletComparisonTest, CtrlIOpensOneWindowOnlyOnceStepOneIsAccepted) {
    ui.reach(OperatingDataStep);
    pressCtrlI();
    EXPECT_EQ(comparison(), nullptr);
    EXPECT_FALSE(action()->isEnabled());

    ui.click("Command2");
    ui.click("Option3");
    pressCtrlI();
    pressCtrlI();
    ASSERT_NE(comparison(), nullptr);
    EXPECT_EQ(ui.window().findChildren<ComparisonWindow*>().size(), 1);
    // A screen reader hears a window by its title, not a "filler".
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(comparison());
    EXPECT_EQ(reader->role(), QAccessible::Window);
    EXPECT_EQ(reader->text(QAccessible::Name), "Compare Inlet Sizes");
    EXPECT_EQ(cell(2, 0), "1 inch (selected)");
    EXPECT_EQ(cell(2, 4), "1,173.18");
    EXPECT_EQ(cell(5, 6), "flow below its range");

    // The mark follows the user's choice while the window is open.
    ui.click("Option4");
    EXPECT_EQ(cell(2, 0), "1 inch");
    EXPECT_EQ(cell(3, 0), "1 1/2 inch (selected)");

    QApplication::setActiveWindow(comparison()); // a key goes to the active window
    QTest::keyClick(comparison(), Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(comparison(), nullptr);
}

// The open comparison follows the session: after Go Back or Run Again it says it is out of date, and
// once the operating data is accepted again it compares the new duty point.
TEST_F(InletComparisonTest, OpenWindowSaysItIsOutOfDateUntilTheDutyIsAcceptedAgain) {
    for (const char* back : {"Command1", "Command5"}) { // Go Back; Run Again from the results
        ui.reach(back == std::string("Command1") ? InletStep : FullResults);
        pressCtrlI();
        ASSERT_NE(comparison(), nullptr) << back;
        auto* heading = comparison()->findChild<QLabel*>("Heading");
        ui.click(back);
        EXPECT_TRUE(comparison()->isOutOfDate()) << back;
        EXPECT_TRUE(heading->text().startsWith("Out of date:")) << heading->text().toStdString();
        EXPECT_TRUE(heading->text().contains("Duty point: 60 psi")) << heading->text().toStdString();
        EXPECT_EQ(comparison()->windowTitle(), "Compare Inlet Sizes (out of date)");

        ui.reach(OperatingDataStep);
        ui.type("Text1", "40");
        ui.click("Command2");
        EXPECT_FALSE(comparison()->isOutOfDate()) << back;
        EXPECT_TRUE(heading->text().startsWith("Duty point: 40 psi")) << heading->text().toStdString();
        EXPECT_EQ(comparison()->windowTitle(), "Compare Inlet Sizes");
        comparison()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ui.click("Command1");
    }
}

// A right-click anywhere on the inlet group, its captions included, offers the comparison.
TEST_F(InletComparisonTest, RightClickOnTheInletGroupOffersTheComparison) {
    ui.reach(InletStep);
    QStringList offered;
    QTimer::singleShot(0, [&offered] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* item : menu->actions())
                offered << item->text();
            menu->close();
        }
    });
    auto* caption = ui.control<QLabel>("Label10");
    QContextMenuEvent click(QContextMenuEvent::Mouse, caption->rect().center(),
                            caption->mapToGlobal(caption->rect().center()));
    QApplication::sendEvent(caption, &click);
    EXPECT_EQ(offered, QStringList{"Compare Inlet Sizes..."});
}

// Outside every size's data (the PC-only path at 250 GPM) each row says why, and no figure is made up.
TEST_F(InletComparisonTest, DutyOutsideEverySizeGivesRowsThatSayWhy) {
    ui.reach(PcOnlyStep);
    pressCtrlI();
    ASSERT_NE(comparison(), nullptr);
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(cell(row, 1), "cannot serve");
        EXPECT_EQ(cell(row, 2), "-");
        EXPECT_EQ(cell(row, 6), "flow above its range");
    }
}

// The results' report carries the comparison: Copy Results as text and as a table of its own.
TEST_F(InletComparisonTest, ReportCarriesTheComparison) {
    ui.reach(FullResults);
    for (QAction* candidate : ui.window().actions())
        if (candidate->text() == "Copy Results")
            candidate->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->text().contains("Inlet sizes compared at this duty point"));
    EXPECT_TRUE(data->text().contains(
        QRegularExpression("1 inch \\(selected\\) +serves +13.5 +77 +1,173.18 +880.64")))
        << data->text().toStdString();
    EXPECT_TRUE(data->html().contains("<td>3 inch</td><td>cannot serve</td>")) << data->html().toStdString();
}

// The details window had four columns for every section, and dropped the comparison's last three.
TEST_F(InletComparisonTest, DetailsWindowDroppedTheComparisonsLastColumns) {
    ui.reach(FullResults);
    for (QAction* candidate : ui.window().actions())
        if (candidate->text() == "Calculation Details...")
            candidate->trigger();
    auto* details = ui.window().findChild<QWidget*>("DetailsWindow");
    ASSERT_NE(details, nullptr);
    // The comparison is a table of its own, under its own header row.
    auto* table = details->findChild<QTableWidget*>("ComparisonTable");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), "Air use\n(SCFM)");
    EXPECT_FALSE(table->findItems("needs more air pressure", Qt::MatchExactly).isEmpty());
    EXPECT_FALSE(table->findItems("880.64", Qt::MatchExactly).isEmpty());
    EXPECT_FALSE(table->tabKeyNavigation());
    details->close();
}

// The words a plant engineer would write: "1 stage", "2 stages", never "stage(s)" nor "costed"; "75 %"
// held together; the PC pump's efficiency a percentage, as the compressor's is, its fraction in the formula.
struct Wording {
    const char* name;
    std::string (*text)();
    const char* contains;
    const char* absent;
};

ComparisonContext workedExample(double stages, double efficiency) {
    ComparisonContext context;
    context.duty = workedExampleCase();
    context.duty.compressorStages = stages;
    context.duty.compressorEfficiencyPct = efficiency;
    context.currency = "US Dollars";
    return context;
}

std::string rowsOf(const ReportSection& section) {
    std::string text;
    for (const ReportRow& row : section.rows)
        text += row.name + " | " + row.unit + " | " + row.formula + "\n";
    return text;
}

// clang-format off
const Wording kWordings[] = {
    {"OneStage", [] { return comparison_text::dutyLine(workedExample(1, 75)).toStdString(); },
     "compressor 1 stage at 75\u00a0%; ", "stage(s)"},
    {"TwoStages", [] { return comparison_text::dutyLine(workedExample(2, 80)).toStdString(); },
     "compressor 2 stages at 80\u00a0%; ", "stage(s)"},
    {"ComparisonRows", [] { return rowsOf(inletComparisonSection(workedExampleCase(), std::nullopt)); },
     "Compressor stages used |  | as entered; each inlet size below is worked out as if it were the one chosen\n"
     "Compressor efficiency used | percent | as entered\n", "costed"},
    {"PcEfficiency", [] {
         OperatingCase c = workedExampleCase();
         c.currency = "US Dollars";
         computePcPower(c);
         const ReportLayout layout = layoutReport(buildCalculationReport(c, AnnualCosts{}), {",", "."});
         for (const auto& row : layout.table("pc-pump")->rows)
             if (row.front().text == "PC pump efficiency")
                 return row[1].text + " " + row[2].text + " | " + row[3].text;
         return std::string();
     },
     "50,6897 percent | (0,3 + fluid pressure × 0,003448275862) × 100, one stage; 0,506897 as a fraction", ""},
};
// clang-format on

TEST(Wording, SaysWhatAPlantEngineerWouldWrite) {
    for (const Wording& w : kWordings) {
        const std::string text = w.text();
        EXPECT_NE(text.find(w.contains), std::string::npos) << w.name << ": " << text;
        if (*w.absent != 0) {
            EXPECT_EQ(text.find(w.absent), std::string::npos) << w.name << ": " << text;
        }
    }
}

} // namespace
} // namespace pumpvale::testing
