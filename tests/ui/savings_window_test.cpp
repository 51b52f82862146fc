// "Savings Over Time": its checks, its figures, and how it follows the main window's result.
#include "core/cost.h"
#include "core/life_cycle_report.h"
#include "core/life_cycle_rules.h"
#include "test_support.h"
#include "ui/case_files.h"
#include "ui/ownership_chart.h"
#include "ui/report_layouts.h"
#include "ui/results_actions.h"
#include "ui/savings_window.h"
#include "ui/workflow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdio>

namespace pumpvale::testing {
namespace {

QAction& savingsAction(Form2& window) {
    for (QAction* candidate : window.actions())
        if (candidate->text() == "Savings Over Time...")
            return *candidate;
    ADD_FAILURE() << "no action Savings Over Time...";
    static QAction none;
    return none;
}

// The window the results' action makes, found by its name as a user's tools would find it.
QWidget& savingsWindow(MainWindowDriver& ui) {
    savingsAction(ui.window()).trigger();
    auto* window = ui.window().findChild<QWidget*>("SavingsWindow");
    EXPECT_NE(window, nullptr);
    static QWidget none;
    return window != nullptr ? *window : none;
}

QString box(const QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(name)->text();
}

void type(QWidget& window, const char* entry, const QString& text) {
    auto* edit = window.findChild<QLineEdit*>(entry);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
}

// 292.54 and 1,173.18 US Dollars a year, 880.64 saved; the PC pump 1,500 dearer pays back in
// 1,500 / 880.64 = 1.7 years.
TEST_F(MainWindowTest, SavingsOverTimeShowsThePaybackOfTheResult) {
    EXPECT_FALSE(savingsAction(ui.window()).isEnabled());
    EXPECT_EQ(savingsAction(ui.window()).shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    ui.reach(ScreenState::FullResults);
    ASSERT_TRUE(savingsAction(ui.window()).isEnabled());
    QWidget& window = savingsWindow(ui);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(box(window, "PaybackBox"), "");
    EXPECT_TRUE(window.findChild<QLabel*>("Messages")->text().contains("installed price of the PC pump"));

    type(window, "PcPriceEntry", "2500");
    type(window, "AoddPriceEntry", "1000");
    EXPECT_EQ(window.findChild<QLabel*>("Messages")->text(), "");
    EXPECT_EQ(box(window, "PaybackBox"), "1.7");
    EXPECT_EQ(box(window, "ExtraFirstCostBox"), "1,500.00");
    EXPECT_EQ(box(window, "NetSavingBox"), "880.64");
    EXPECT_EQ(box(window, "CumulativeSavingBox"), "7,306.37"); // 10 x 880.637 - 1,500
    EXPECT_EQ(window.findChild<QTableWidget*>("YearTable")->rowCount(), 11);
    EXPECT_EQ(window.findChild<QTableWidget*>("YearTable")->item(0, 3)->text(), "-1,500.00");
    EXPECT_EQ(box(window, "Co2AvoidedBox"), ""); // no factor given
    EXPECT_TRUE(
        window.findChild<QWidget*>("OwnershipChart")->accessibleDescription().endsWith("at 1.7 years."));

    // The report holds what the window holds.
    type(window, "EmissionFactorEntry", "0.5");
    EXPECT_FALSE(box(window, "Co2AvoidedBox").isEmpty());
    for (QAction* copy : ui.window().actions())
        if (copy->text() == "Copy Results")
            copy->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    for (const char* row :
         {"PC pump energy a year", "CO2 avoided a year", "Simple payback", "Net present value"})
        EXPECT_TRUE(copied.contains(row)) << row;

    // Open while the user goes back and runs again, it follows the result; closed and reopened, the
    // entries keep their values.
    ui.click("Command7"); // Go Back
    EXPECT_FALSE(savingsAction(ui.window()).isEnabled());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(box(window, "PaybackBox"), "");
    ui.reach(ScreenState::FullResults);
    EXPECT_EQ(box(window, "PaybackBox"), "1.7");
    // Run again with the 1 1/2-inch inlet: 492.83 saved a year, 1,500 / 492.83 = 3.04 years.
    ui.click("Command7");
    for (const char* step : {"Option4", "Command3", "Command4"})
        ui.click(step);
    EXPECT_EQ(box(window, "NetSavingBox"), "492.83");
    EXPECT_EQ(box(window, "PaybackBox"), "3.0");
    QApplication::setActiveWindow(&window); // a key goes to the active window
    QTest::keyClick(window.findChild<QLineEdit*>("YearsEntry"), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(&savingsWindow(ui), &window);
    EXPECT_EQ(box(window, "PcPriceEntry"), "2500");
    EXPECT_EQ(box(window, "PaybackBox"), "3.0");
}

namespace keys = life_cycle_keys;

// What the window shows of the row with that key, and what the report prints: "" when it has no such row.
QString reported(const ReportLayout& report, std::string_view key) {
    const std::vector<LayoutCell>* row = report.row(key);
    return row != nullptr ? QString::fromStdString((*row)[1].text) : QString();
}

struct Agreement {
    const char* name;
    ScreenState state;
    const char* entry; // made refused, or none
    const char* text;
    bool goBack;                      // the result withdrawn
    bool energy, co2, payback, fixes; // energy saved, CO2 avoided and payback shown; a message
};

// clang-format off
const Agreement kAgreements[] = {
    {"Valid",                 ScreenState::FullResults,   nullptr,                 nullptr, false, true,  true,  true,  false},
    {"PcPriceRefused",        ScreenState::FullResults,   "PcPriceEntry",          "2,500", false, true,  true,  false, true},
    {"AoddPriceRefused",      ScreenState::FullResults,   "AoddPriceEntry",        "-1",    false, true,  true,  false, true},
    {"PcMaintenanceRefused",  ScreenState::FullResults,   "PcMaintenanceEntry",    "1e13",  false, true,  true,  false, true},
    {"AoddMaintenanceRefused",ScreenState::FullResults,   "AoddMaintenanceEntry",  "abc",   false, true,  true,  false, true},
    {"YearsRefused",          ScreenState::FullResults,   "YearsEntry",            "10.5",  false, true,  true,  false, true},
    {"DiscountRateRefused",   ScreenState::FullResults,   "DiscountRateEntry",     "inf",   false, true,  true,  false, true},
    {"EmissionFactorRefused", ScreenState::FullResults,   "EmissionFactorEntry",   "3",     false, true,  false, true,  true},
    {"PcOnly",                ScreenState::PcOnlyResults, nullptr,                 nullptr, false, false, false, false, false},
    {"NoResult",              ScreenState::FullResults,   nullptr,                 nullptr, true,  false, false, false, false},
};
// clang-format on

// Prices and a factor filled in, then one state after another: each figure the window shows is the one
// the report prints, figure for figure, table and chart included; a refused entry takes away the figures
// that depend on it in both, and no other.
TEST_F(MainWindowTest, SavingsWindowAndReportAgreeInEveryState) {
    for (const Agreement& a : kAgreements) {
        SCOPED_TRACE(a.name);
        MainWindowDriver driver;
        driver.reach(a.state);
        QWidget& window = savingsWindow(driver);
        type(window, "PcPriceEntry", "2500");
        type(window, "AoddPriceEntry", "1000");
        type(window, "EmissionFactorEntry", "0.4");
        if (a.entry != nullptr)
            type(window, a.entry, a.text);
        if (a.goBack)
            driver.click("Command7");
        const ResultsActions& actions = driver.window().resultsActions();
        const ReportLayout report = localeLayout(actions.report());
        for (const auto& [name, key] : {std::pair{"ExtraFirstCostBox", keys::kExtraFirstCost},
                                        {"NetSavingBox", keys::kNetSavingPerYear},
                                        {"PaybackBox", keys::kSimplePayback},
                                        {"CumulativeSavingBox", keys::kCumulativeSaving},
                                        {"PresentValueBox", keys::kNetPresentValue},
                                        {"EnergySavedBox", keys::kEnergySaved},
                                        {"Co2AvoidedBox", keys::kCo2Avoided}})
            EXPECT_EQ(box(window, name), reported(report, key)) << name;
        EXPECT_EQ(!box(window, "EnergySavedBox").isEmpty(), a.energy);
        EXPECT_EQ(!box(window, "Co2AvoidedBox").isEmpty(), a.co2);
        EXPECT_EQ(!box(window, "PaybackBox").isEmpty(), a.payback);
        EXPECT_EQ(!window.findChild<QLabel*>("Messages")->text().isEmpty(), a.fixes);

        const auto* table = window.findChild<QTableWidget*>("YearTable");
        const LayoutTable* byYear = report.table(keys::kPaybackByYear);
        ASSERT_EQ(table->rowCount(), byYear != nullptr ? int(byYear->rows.size()) : 0);
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                EXPECT_EQ(table->item(row, column)->text().toStdString(),
                          byYear->rows[std::size_t(row)][std::size_t(column)].text);
        const std::optional<OwnershipChartData> printed = actions.page().ownershipChart;
        const OwnershipChartData& drawn = window.findChild<OwnershipChart*>()->data();
        EXPECT_EQ(drawn.pcCumulative, printed ? printed->pcCumulative : std::vector<double>{});
        EXPECT_EQ(drawn.breakEvenYear, printed ? printed->breakEvenYear : std::nullopt);
    }
}

// P-101 of the plant survey with prices, then P-103, whose row holds none: its own entries, cleared
// where the window showed P-101's, and no payback in the window or the report; P-101 saved with its
// prices and opened again brings them back.
TEST_F(MainWindowTest, AnOpenedCaseShowsItsOwnSavingsEntriesOnly) {
    const QString survey = PUMPVALE_SOURCE_DIR "/docs/plant-survey.csv";
    CaseFiles& files = ui.window().caseFiles();
    ASSERT_TRUE(files.openFile(survey, 2)); // P-101
    QWidget& window = savingsWindow(ui);
    type(window, "PcPriceEntry", "2500");
    type(window, "AoddPriceEntry", "1000");
    type(window, "YearsEntry", "12");
    ASSERT_EQ(box(window, "PaybackBox"), "1.7");
    const QTemporaryDir dir;
    const QString saved = dir.filePath("P-101.csv");
    ASSERT_TRUE(files.saveTo(saved));
    const struct {
        QString path;
        std::optional<std::size_t> row;
        const char* prices;
        const char* years;
        const char* payback;
    } opened[] = {
        {survey, 4, "", "10", ""}, {saved, std::nullopt, "2500", "12", "1.7"}, {survey, 4, "", "10", ""}};
    for (const auto& o : opened) {
        SCOPED_TRACE(o.path.toStdString());
        ASSERT_TRUE(files.openFile(o.path, o.row));
        for (const char* entry : {"PcPriceEntry", "AoddPriceEntry"}) {
            EXPECT_EQ(box(window, entry).isEmpty(), QString(o.prices).isEmpty()) << entry;
        }
        EXPECT_EQ(box(window, "PcPriceEntry"), o.prices);
        EXPECT_EQ(box(window, "YearsEntry"), o.years);
        EXPECT_EQ(box(window, "PaybackBox"), o.payback);
        const CalculationReport report = ui.window().resultsActions().report();
        EXPECT_EQ(report.find(keys::kSimplePayback) != nullptr, *o.payback != '\0');
        EXPECT_EQ(report.find(keys::kPcPrice) != nullptr, *o.payback != '\0');
    }
}

// On a 1366 x 768 screen at 100 % and 125 % (in CTest): within the screen, and small enough still for
// one whose panel takes 48 pixels and whose title bar 32, every part shown at its smallest whole.
TEST_F(MainWindowTest, SavingsWindowFitsItsScreen) {
    ui.reach(ScreenState::FullResults);
    QWidget& window = savingsWindow(ui);
    type(window, "PcPriceEntry", "2500");
    type(window, "AoddPriceEntry", "1000");
    QApplication::processEvents();
    const QRect free = window.screen()->availableGeometry();
    const double scale = window.devicePixelRatioF();
    // 614 logical pixels at 125 % are 767.5 device pixels: the whole screen, less rounding.
    if (qRound(free.width() * scale) < 1366 || qRound(free.height() * scale) < 768)
        GTEST_SKIP() << "for a screen of 1366 x 768 or more";
    const QSize least = window.minimumSizeHint();
    std::printf("screen %dx%d, savings window %dx%d, at least %dx%d\n", free.width(), free.height(),
                window.width(), window.height(), least.width(), least.height());
    EXPECT_TRUE(free.contains(window.frameGeometry()));
    EXPECT_LE(least.width() * scale, 1366);
    EXPECT_LE(least.height() * scale, 768 - 48 - 32);
    window.resize(least);
    QApplication::processEvents();
    for (const QWidget* part : window.findChildren<QWidget*>()) {
        if (!part->isVisibleTo(&window) || part->parentWidget() != &window)
            continue;
        EXPECT_TRUE(window.rect().contains(part->geometry())) << part->objectName().toStdString();
        EXPECT_GE(part->width(), part->minimumSizeHint().width()) << part->objectName().toStdString();
        EXPECT_GE(part->height(), part->minimumSizeHint().height()) << part->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, SavingsOverTimeSaysWhyAPcOnlyResultHasNothingToCompare) {
    ui.reach(ScreenState::PcOnlyResults);
    QWidget& window = savingsWindow(ui);
    type(window, "PcPriceEntry", "2500");
    type(window, "AoddPriceEntry", "1000");
    EXPECT_TRUE(window.findChild<QLabel*>("Heading")->text().startsWith("There is nothing to compare"));
    EXPECT_EQ(box(window, "PaybackBox"), "");
    EXPECT_EQ(window.findChild<QTableWidget*>("YearTable")->rowCount(), 0);
}

// The worked example opened as a case (292.54 and 1,173.18 US Dollars a year, 880.64 saved): the checks
// of the window, each refused entry with its message and no figure that depends on it.
Case workedExampleCaseTyped() {
    Case c;
    CaseEntries& e = c.entries;
    e.units = UnitSystem::English;
    e.stages = PumpStages::One;
    e.pressure = "60";
    e.flow = "10";
    e.airPressure = "90";
    e.currency = "US Dollars";
    e.price = "0.065";
    e.inlet = InletSize::One;
    return c;
}

class SavingsWindowTest : public ::testing::Test {
protected:
    SavingsWindowTest() {
        QLocale::setDefault(QLocale::c());
        workflow.open(workedExampleCaseTyped());
        workflow.announce(true, true); // as the main window renders the result
        type(window, "PcPriceEntry", "2500");
        type(window, "AoddPriceEntry", "1000");
    }
    ~SavingsWindowTest() override { QLocale::setDefault(QLocale::c()); }

    QWidget owner;
    Workflow workflow{nullptr};
    SavingsWindow window{owner, workflow};
};

TEST_F(SavingsWindowTest, RefusedEntriesShowTheirMessageAndNoFigure) {
    const struct {
        const char* entry;
        const char* text;
        Message message;
    } cases[] = {
        {"PcPriceEntry", "2,500", msg::kEnterPcPrice},
        {"AoddPriceEntry", "-1", msg::kAoddPriceRange},
        {"YearsEntry", "10.5", msg::kEnterYears},
        {"DiscountRateEntry", "inf", msg::kEnterDiscountRate},
        {"PcMaintenanceEntry", "1e13", msg::kPcMaintenanceRange},
    };
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.entry);
        auto* edit = window.findChild<QLineEdit*>(refused.entry);
        const QString before = edit->text();
        type(window, refused.entry, refused.text);
        EXPECT_EQ(window.findChild<QLabel*>("Messages")->text().toStdString(), refused.message.text);
        for (const char* name :
             {"ExtraFirstCostBox", "NetSavingBox", "PaybackBox", "CumulativeSavingBox", "PresentValueBox"})
            EXPECT_EQ(box(window, name), "") << name;
        EXPECT_EQ(window.findChild<QTableWidget*>("YearTable")->rowCount(), 0);
        EXPECT_TRUE(window.findChild<OwnershipChart*>()->data().pcCumulative.empty());
        type(window, refused.entry, before);
        EXPECT_EQ(box(window, "PaybackBox"), "1.7");
    }
}

TEST_F(SavingsWindowTest, OutcomesAndMoneyReadAsTheResultBoxes) {
    QLocale::setDefault(QLocale(QLocale::German));
    type(window, "PcPriceEntry", "1000000");
    type(window, "DiscountRateEntry", "10");
    EXPECT_EQ(box(window, "ExtraFirstCostBox"), "999.000,00");
    EXPECT_EQ(box(window, "PaybackBox"), "1.134,4"); // 999,000 / 880.637
    type(window, "PcMaintenanceEntry", "900");
    EXPECT_EQ(box(window, "PaybackBox"), "never");
    // Cheaper to buy but dearer to run (880.64 - 900 a year) is no payback at once.
    type(window, "PcPriceEntry", "900");
    EXPECT_EQ(box(window, "PaybackBox"), "never");
    type(window, "PcMaintenanceEntry", "0");
    EXPECT_EQ(box(window, "PaybackBox"), "at once");
    const OwnershipChartData& chart = window.findChild<OwnershipChart*>()->data();
    EXPECT_EQ(chart.pcCumulative.size(), 11U);
    EXPECT_EQ(chart.currency, "US Dollars");
}

// As a screen reader hears the window: a window, each entry and figure by its name and unit, an entry's
// accepted range from the rules, a refused entry's message first; the messages as a read-only text.
TEST_F(SavingsWindowTest, ScreenReaderHearsUnitsRangesAndMessages) {
    const auto reader = [this](const char* name) {
        return QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(name));
    };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
    const struct {
        const char* control;
        QString name;
        LifeCycleField field; // its accepted range; an entry's only
    } spoken[] = {
        {"PcPriceEntry", "Installed price of the PC pump, US Dollars", LifeCycleField::PcPrice},
        {"AoddMaintenanceEntry", "Maintenance of the AODD pump, US Dollars a year",
         LifeCycleField::AoddMaintenance},
        {"YearsEntry", "Years of service, years", LifeCycleField::Years},
        {"EscalationEntry", "Energy price escalation, percent a year", LifeCycleField::EnergyEscalation},
        {"EmissionFactorEntry", "Grid emission factor, kg CO2e per kWh", LifeCycleField::EmissionFactor},
    };
    for (const auto& s : spoken) {
        EXPECT_EQ(reader(s.control)->text(QAccessible::Name), s.name);
        EXPECT_EQ(reader(s.control)->text(QAccessible::Description).toStdString(),
                  acceptedRange(s.field, localeSeparators()));
    }
    EXPECT_EQ(reader("NetSavingBox")->text(QAccessible::Name), "Net saving a year, US Dollars a year");
    EXPECT_EQ(reader("PaybackBox")->text(QAccessible::Name), "Simple payback, years");
    EXPECT_EQ(reader("BreakEvenBox")->text(QAccessible::Name), "Break-even year, years");
    EXPECT_TRUE(reader("PresentValueBox")->text(QAccessible::Description).contains("discount rate"));
    EXPECT_EQ(box(window, "DiscountedPaybackBox"), "1.7");

    type(window, "EscalationEntry", "60");
    const std::string refused(msg::kEnergyEscalationRange.text);
    EXPECT_TRUE(reader("EscalationEntry")
                    ->text(QAccessible::Description)
                    .startsWith(QString::fromStdString(refused)));
    QAccessibleInterface* messages = reader("Messages");
    ASSERT_NE(messages->textInterface(), nullptr);
    EXPECT_TRUE(messages->state().readOnly);
    EXPECT_EQ(messages->textInterface()->text(0, messages->textInterface()->characterCount()).toStdString(),
              refused);
    EXPECT_EQ(messages->text(QAccessible::Description).toStdString(), refused);
    EXPECT_EQ(box(window, "DiscountedPaybackBox"), "");
    EXPECT_EQ(reader("DiscountedPaybackBox")->text(QAccessible::Name), "Discounted payback, no figure");
}

// Through the accessibility interface, as a screen reader sees the window; then Tab from the first entry
// round the window: every control is reached, and the table is left as any other control.
TEST_F(SavingsWindowTest, EveryControlIsNamedAndTabLeavesTheTable) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || control->isHidden() || control->inherits("QScrollBar"))
            continue;
        const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(reader, nullptr);
        EXPECT_FALSE(reader->text(QAccessible::Name).isEmpty()) << control->objectName().toStdString();
    }
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.entry(LifeCycleField::PcPrice).setFocus();
    QStringList reached;
    for (int step = 0; step < 20 && !reached.contains("CloseButton"); ++step) {
        reached << QApplication::focusWidget()->objectName();
        if (!reached.contains("CloseButton"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (const char* name : {"PcPriceEntry", "AoddPriceEntry", "PcMaintenanceEntry", "AoddMaintenanceEntry",
                             "YearsEntry", "DiscountRateEntry", "EscalationEntry", "EmissionFactorEntry",
                             "PaybackBox", "BreakEvenBox", "YearTable"})
        EXPECT_TRUE(reached.contains(name)) << name;
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "CloseButton");
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace pumpvale::testing
