// "Savings Over Time": its checks, its figures, and how it follows the main window's result.
#include "core/cost.h"
#include "test_support.h"
#include "ui/ownership_chart.h"
#include "ui/savings_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
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
    EXPECT_EQ(box(window, "PaybackBox"), "1.7 years");
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
    EXPECT_EQ(box(window, "PaybackBox"), "1.7 years");
    // Run again with the 1 1/2-inch inlet: 492.83 saved a year, 1,500 / 492.83 = 3.04 years.
    ui.click("Command7");
    for (const char* step : {"Option4", "Command3", "Command4"})
        ui.click(step);
    EXPECT_EQ(box(window, "NetSavingBox"), "492.83");
    EXPECT_EQ(box(window, "PaybackBox"), "3.0 years");
    QApplication::setActiveWindow(&window); // a key goes to the active window
    QTest::keyClick(window.findChild<QLineEdit*>("YearsEntry"), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(&savingsWindow(ui), &window);
    EXPECT_EQ(box(window, "PcPriceEntry"), "2500");
    EXPECT_EQ(box(window, "PaybackBox"), "3.0 years");
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
    if (free.width() * scale < 1366 || free.height() * scale < 768)
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

// Yearly costs of 200 and 1,000: the checks of the window, each refused entry with its message and no
// figure anywhere.
class SavingsWindowTest : public ::testing::Test {
protected:
    SavingsWindowTest() {
        QLocale::setDefault(QLocale::c());
        c.currency = "US Dollars";
        costs = {200, 1000, 800};
        window.resultsChanged();
        type(window, "PcPriceEntry", "2500");
        type(window, "AoddPriceEntry", "1000");
    }
    ~SavingsWindowTest() override { QLocale::setDefault(QLocale::c()); }

    OperatingCase c;
    AnnualCosts costs;
    QWidget owner;
    SavingsWindow window{owner, c, costs};
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
        EXPECT_EQ(box(window, "PaybackBox"), "1.9 years");
    }
}

TEST_F(SavingsWindowTest, OutcomesAndMoneyReadAsTheResultBoxes) {
    QLocale::setDefault(QLocale(QLocale::German));
    type(window, "PcPriceEntry", "1000000");
    type(window, "DiscountRateEntry", "10");
    EXPECT_EQ(box(window, "ExtraFirstCostBox"), "999.000,00");
    EXPECT_EQ(box(window, "PaybackBox"), "1.248,8 years"); // 999,000 / 800
    type(window, "PcMaintenanceEntry", "900");
    EXPECT_EQ(box(window, "PaybackBox"), "never");
    type(window, "PcPriceEntry", "900");
    EXPECT_EQ(box(window, "PaybackBox"), "at once");
    const OwnershipChartData& chart = window.findChild<OwnershipChart*>()->data();
    EXPECT_EQ(chart.pcCumulative.size(), 11U);
    EXPECT_EQ(chart.currency, "US Dollars");
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
    for (const char* name :
         {"PcPriceEntry", "AoddPriceEntry", "PcMaintenanceEntry", "AoddMaintenanceEntry", "YearsEntry",
          "DiscountRateEntry", "EmissionFactorEntry", "PaybackBox", "YearTable"})
        EXPECT_TRUE(reached.contains(name)) << name;
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "CloseButton");
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace pumpvale::testing
