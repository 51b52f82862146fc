// Renders the real windows offscreen to PNG files in the folder given (default /tmp/pumpvale-shots):
// the intro, About and Acknowledgements windows, the main window in each screen state it can reach, and
// with every group shown. The README's pictures are made with it (docs/screenshots); a test runs it.
// With PUMPVALE_DARK set they are drawn under a desktop's dark colour scheme, named "-dark".
#include "dark_palette.h"
#include "main_window_driver.h"
#include "ui/case_files.h"
#include "ui/comparison_window.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/keys_window.h"
#include "ui/metrics.h"
#include "ui/navigator.h"
#include "ui/ownership_chart.h"
#include "ui/plant_window.h"
#include "ui/window_parts.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <cstdio>
#include <sstream>
#include <tuple>
#include <utility>

using namespace pumpvale;
using namespace pumpvale::testing;

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "/tmp/pumpvale-shots";
    QDir().mkpath(folder);
    QString suffix = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                         ? "-x" + qEnvironmentVariable("QT_SCALE_FACTOR")
                         : QString();
    if (qEnvironmentVariableIsSet("PUMPVALE_DARK")) {
        QApplication::setPalette(darkDesktopPalette());
        suffix += "-dark";
    }

    int failures = 0;
    const auto saveWidget = [&](QWidget& widget, const QString& name) {
        QApplication::processEvents();
        const QString path = folder + "/" + name + suffix + ".png";
        if (!widget.grab().save(path))
            ++failures;
        std::printf("%s\n", qPrintable(path));
    };
    const auto save = [&](MainWindowDriver& ui, const QString& name) { saveWidget(ui.window(), name); };

    {
        Navigator navigator;
        saveWidget(*navigator.showIntro(), "Intro");
        saveWidget(*navigator.showAbout(), "About");
        saveWidget(*navigator.showAcknowledgements(), "Acknowledgements");
    }

    for (const ScreenState state : kScreenStates) {
        MainWindowDriver ui;
        ui.reach(state);
        const bool reached = screenStateMismatches(ui.window(), state).empty();
        save(ui, parts::qText(nameOf(state)) + (reached ? "" : "-not-reached"));
    }

    // Every group at once, with sample results, to judge the whole layout, in both unit systems.
    for (const auto& [units, name] :
         {std::pair{"Option9", "AllGroups"}, std::pair{"Option10", "AllGroupsSI"}}) {
        MainWindowDriver ui;
        ui.click(units);
        for (QGroupBox* group : ui.window().findChildren<QGroupBox*>())
            group->show();
        for (const char* button : {"Command1", "Command3", "Command4", "Command7"})
            ui.control(button)->show();
        ui.control<QLineEdit>("Text10")->setText("1,569.47");
        ui.control<QLineEdit>("Text11")->setText("12,345.68");
        ui.control<QLineEdit>("Text12")->setText("-10,776.21");
        for (const char* label : {"Label32", "Label33", "Label34"})
            ui.control<QLabel>(label)->setText("Canadian Dollars");
        save(ui, name);
    }
    // The results' working: the details window of a full and of a PC-only result, a box's tooltip, and
    // amounts too long for their boxes (the smaller font, and the cut mark).
    for (const auto& [state, name] : {std::pair{ScreenState::FullResults, "DetailsWindow"},
                                      std::pair{ScreenState::PcOnlyResults, "DetailsWindowPcOnly"}}) {
        MainWindowDriver ui;
        ui.reach(state);
        for (QAction* action : ui.window().actions())
            if (action->text() == "Calculation Details...")
                action->trigger();
        if (auto* details = ui.window().findChild<QDialog*>("DetailsWindow")) {
            saveWidget(*details, name);
            // Scrolled to its end: the inlet sizes compared, as a table of their own.
            if (auto* pane = details->findChild<QScrollArea*>()) {
                pane->verticalScrollBar()->setValue(pane->verticalScrollBar()->maximum());
                saveWidget(*details, QString(name) + "End");
            }
        } else {
            ++failures;
        }
        if (state != ScreenState::FullResults)
            continue;
        auto* box = ui.control<QLineEdit>("Text10");
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), box->toolTip(), box);
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->inherits("QTipLabel") && widget->isVisible())
                saveWidget(*widget, "ResultTooltip");
        QToolTip::hideText();
    }
    // Savings Over Time, with prices filled in, and for a PC-only result.
    for (const auto& [state, name] : {std::pair{ScreenState::FullResults, "SavingsOverTime"},
                                      std::pair{ScreenState::PcOnlyResults, "SavingsOverTimePcOnly"}}) {
        MainWindowDriver ui;
        ui.reach(state);
        for (QAction* action : ui.window().actions())
            if (action->text() == "Savings Over Time...")
                action->trigger();
        auto* savings = ui.window().findChild<QWidget*>("SavingsWindow");
        if (savings == nullptr) {
            ++failures;
            continue;
        }
        for (const auto& [entry, text] :
             {std::pair{"PcPriceEntry", "2500"}, std::pair{"AoddPriceEntry", "1000"},
              std::pair{"PcMaintenanceEntry", "50"}, std::pair{"DiscountRateEntry", "8"},
              std::pair{"EscalationEntry", "3"}, std::pair{"EmissionFactorEntry", "0.4"}})
            savings->findChild<QLineEdit*>(entry)->setText(text);
        saveWidget(*savings, name);
        if (state != ScreenState::FullResults)
            continue;
        savings->findChild<QLineEdit*>("PcPriceEntry")->setText("2,500");
        savings->findChild<QLineEdit*>("YearsEntry")->setText("60");
        saveWidget(*savings, "SavingsOverTimeRefused");
        // A refused factor takes away the CO2 figures alone.
        savings->findChild<QLineEdit*>("PcPriceEntry")->setText("2500");
        savings->findChild<QLineEdit*>("YearsEntry")->setText("10");
        savings->findChild<QLineEdit*>("EmissionFactorEntry")->setText("3");
        saveWidget(*savings, "SavingsOverTimeFactorRefused");
    }
    // A case opened from a plant list: its tag and location head the details window.
    {
        const QString list = folder + "/P-103.csv";
        QFile file(list);
        const bool written =
            file.open(QIODevice::WriteOnly) &&
            file.write(
                "tag,location,units,pc_stages,pressure,flow,air_pressure,weeks,days,hours,currency,price,"
                "inlet,compressor_stages,compressor_efficiency\n"
                "P-103,Filter press feed,English,2,95,60,120,52,7,24,US Dollars,0.072,3,2,80\n") > 0;
        file.close();
        MainWindowDriver ui;
        if (!written || !ui.window().caseFiles().openFile(list))
            ++failures;
        QFile::remove(list);
        for (QAction* action : ui.window().actions())
            if (action->text() == "Calculation Details...")
                action->trigger();
        if (auto* details = ui.window().findChild<QDialog*>("DetailsWindow"))
            saveWidget(*details, "DetailsWindowCase");
        else
            ++failures;
    }
    for (const auto& [efficiency, name] :
         {std::pair{"0.001", "LongAmounts"}, std::pair{"1e-300", "CutAmount"}}) {
        MainWindowDriver ui;
        ui.reach(ScreenState::CompressorStep);
        ui.type("Text5", efficiency);
        ui.click("Command4");
        save(ui, name);
    }
    // The inlet sizes compared, for a small and a large duty in both unit systems.
    struct Duty {
        const char* name;
        const char* units;
        const char* stages;
        const char* pressure;
        const char* flow;
        const char* air;
        const char* inlet;
        const char* caption;
        const char* currency;
    };
    for (const Duty& duty :
         {Duty{"Small", "Option9", "Option7", "60", "10", "90", "Option3", "Label10", "US Dollars"},
          Duty{"SmallSI", "Option10", "Option7", "4.1", "37.85", "6.5", "Option3", "Label10", "Euro"},
          Duty{"Large", "Option9", "Option8", "80", "150", "120", "Option6", "Label13", "US Dollars"},
          Duty{"LargeSI", "Option10", "Option8", "4", "570", "8", "Option6", "Label13", "Japanese Yen"}}) {
        MainWindowDriver ui;
        ui.click(duty.units);
        ui.click(duty.stages);
        ui.type("Text1", duty.pressure);
        ui.type("Text2", duty.flow);
        ui.type("Text3", duty.air);
        ui.chooseCurrency(duty.currency);
        ui.click("Command2");
        ui.click(duty.inlet);
        // The selected inlet's caption tooltip, on its own.
        const auto* caption = ui.control<QLabel>(duty.caption);
        QToolTip::showText(caption->mapToGlobal(caption->rect().center()), caption->toolTip(),
                           ui.control(duty.caption));
        for (QWidget* tip : QApplication::topLevelWidgets())
            if (tip->inherits("QTipLabel") && tip->isVisible())
                saveWidget(*tip, QStringLiteral("CaptionTooltip-") + duty.name);
        QToolTip::hideText();
        ui.window().findChild<QAction*>("CompareInletSizes")->trigger();
        auto* comparison = ui.window().findChild<ComparisonWindow*>();
        if (comparison == nullptr) {
            ++failures;
            continue;
        }
        if (!QTest::qWaitForWindowExposed(comparison))
            ++failures;
        saveWidget(*comparison, QStringLiteral("CompareInletSizes-") + duty.name);
    }
    // The comparison at the extremes, in Japanese Yen at 50 per kWh: a duty flow beyond every size (PC
    // only), and an efficiency of 1e-300 percent, whose costs near the largest double.
    for (const auto& [flow, efficiency, name] : {std::tuple{"250", "", "CompareInletSizes-PcOnly"},
                                                 std::tuple{"100", "1e-300", "CompareInletSizes-Absurd"}}) {
        MainWindowDriver ui;
        ui.click("Option9");
        ui.click("Option7");
        ui.type("Text1", "40");
        ui.type("Text2", flow);
        ui.chooseCurrency("Japanese Yen");
        ui.type("Text9", "50");
        ui.click("Command2");
        if (*efficiency != 0) {
            ui.click("Option5");
            ui.click("Command3");
            ui.type("Text5", efficiency);
        }
        ui.window().findChild<QAction*>("CompareInletSizes")->trigger();
        if (auto* comparison = ui.window().findChild<ComparisonWindow*>())
            saveWidget(*comparison, name);
        else
            ++failures;
    }
    // The cost of ownership chart of the worked example, the PC pump 1,500 dearer.
    {
        OwnershipChart chart;
        OwnershipChartData data;
        for (int year = 0; year <= 10; ++year) {
            data.pcCumulative.push_back(3000 + 292.54 * year);
            data.aoddCumulative.push_back(1500 + 1173.18 * year);
        }
        data.breakEvenYear = 1500 / 880.64;
        data.currency = "US Dollars";
        chart.setData(data);
        chart.setFont(metrics::font());
        chart.resize(640, 380);
        saveWidget(chart, "OwnershipChart");
    }
    // The list that F1 opens.
    {
        KeysWindow keys;
        keys.show();
        saveWidget(keys, "KeysAndActions");
    }
    // The plant list of the example survey, costed, sorted by savings, and its totals.
    {
        MainWindowDriver ui;
        ui.window().caseFiles().openFile(QStringLiteral(PUMPVALE_SOURCE_DIR "/docs/plant-survey.csv"));
        auto* list = ui.window().findChild<PlantWindow*>();
        if (list == nullptr || !QTest::qWaitFor([list] { return !list->isCosting(); }, 10000)) {
            ++failures;
        } else {
            QTest::qWait(1);
            list->show();
            list->table().setFocus();
            saveWidget(*list, "PlantList");
            // Its report, whose first page the README shows (pdftoppm makes the picture).
            if (list->printReportToPdf(folder + "/PlantReport" + suffix + ".pdf") !=
                printing::Outcome::Printed)
                ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
