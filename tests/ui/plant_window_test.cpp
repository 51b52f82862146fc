// The plant list opened by Open Case on a file of several rows: its figures are pumpvale-batch's, row for
// row and bit for bit, its totals the batch's; it is filtered and sorted, its rows open in the calculator,
// it is named and keyboard-complete, and its report reads back from the PDF, HTML and CSV files.
#include "batch/run.h"
#include "cases/csv_writer.h"
#include "test_support.h"
#include "ui/case_files.h"
#include "ui/keys_window.h"
#include "ui/plant_model.h"
#include "ui/plant_window.h"
#include "ui/window_parts.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <random>
#include <sstream>
#include <tuple>

namespace pumpvale::testing {
namespace {

const std::string kHeader =
    "tag,location,units,pc_stages,pressure,flow,air_pressure,weeks,days,hours,currency,"
    "price,inlet,compressor_stages,compressor_efficiency,emission_factor,pc_price,"
    "aodd_price\n";

// Rows of every kind: both unit systems, every inlet and none, three currencies, refused cells, a
// tenth with an emission factor and prices.
std::string generatedList(std::size_t rows, unsigned seed) {
    std::mt19937 random(seed);
    const auto pick = [&](auto... choices) {
        const std::array<std::string, sizeof...(choices)> all{choices...};
        return all[random() % all.size()];
    };
    const auto number = [&](double low, double high) {
        return exactNumber(std::round((low + (high - low) * (random() % 1000) / 1000.0) * 100) / 100);
    };
    std::string text = kHeader;
    for (std::size_t i = 0; i < rows; ++i) {
        const bool si = random() % 3 == 0;
        text += "T-" + std::to_string(10000 + i) + ",\"Hall " + std::to_string(i % 7) + ", bay\"," +
                (si ? "SI," : "English,") + pick("1", "2", "1") + "," +
                (random() % 50 == 0 ? "\"4,5\""
                 : si               ? number(0.5, 8)
                                    : number(8, 120)) +
                "," + (si ? number(1, 800) : number(0.2, 260)) + "," + (si ? number(4, 9) : number(50, 130)) +
                "," + pick("52", "48", "60") + "," + pick("7", "5") + "," + pick("24", "16", "8") + "," +
                pick("US Dollars", "Euro", "Japanese Yen", "") + "," + pick("", "0.1", "0.072") + "," +
                pick("1/4", "1/2", "1", "1 1/2", "2", "3", "") + "," + pick("", "1", "2") + "," +
                pick("", "70", "85") + "," + (i % 10 == 0 ? "0.35,4000,1500" : ",,") + "\n";
    }
    return text;
}

std::string surveyFile() {
    QFile file(QStringLiteral(PUMPVALE_SOURCE_DIR "/docs/plant-survey.csv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

// The cells of a CSV text, row by row.
std::vector<std::vector<std::string>> csvRows(const std::string& text) {
    std::istringstream in(text);
    cases::CsvReader reader(*in.rdbuf());
    std::vector<std::vector<std::string>> rows;
    for (cases::CsvRecord record; reader.read(record);)
        rows.push_back(record.cells);
    return rows;
}

class PlantListTest : public MainWindowTest {
protected:
    // Opens text through Open Case: the plant list, costing it.
    PlantWindow* start(const std::string& text) {
        path = dir.filePath("plant.csv");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
        file.close();
        EXPECT_TRUE(ui.window().caseFiles().openFile(path));
        return ui.window().findChild<PlantWindow*>();
    }

    // The plant list once it has costed it all.
    PlantWindow& open(const std::string& text) {
        PlantWindow* list = start(text);
        EXPECT_NE(list, nullptr);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !list->isCosting() && list->model().rowCount() > 0; }, 20000));
        QTest::qWait(1); // the costing's end is announced by a queued call
        return *list;
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(PlantListTest, FiguresAndTotalsArePumpvaleBatchsRowForRow) {
    for (const auto& [name, text] :
         {std::pair{"plant-survey.csv", surveyFile()}, std::pair{"generated 1", generatedList(1500, 1)},
          std::pair{"generated 2", generatedList(700, 2)}}) {
        SCOPED_TRACE(name);
        PlantWindow& list = open(text);
        std::istringstream in(text);
        std::ostringstream out;
        std::ostringstream errors;
        const batch::BatchSummary summary = batch::runBatch(in, out, errors, "list", {false, true});
        const auto batchRows = csvRows(out.str());
        const cases::PlantList& rows = list.model().list();
        ASSERT_EQ(batchRows.size(), rows.size() + 1);
        const auto& header = batchRows.front();
        const auto at = [&](const char* column) {
            return std::size_t(std::find(header.begin(), header.end(), column) - header.begin());
        };
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const auto& expected = batchRows[k + 1];
            const cases::PlantFigures f = rows.figures(k);
            const bool full = f.status == cases::RunStatus::Costed;
            EXPECT_EQ(expected[at("status")], cases::statusId(f.status)) << "row " << rows.rowNumber(k);
            EXPECT_EQ(expected[at("pc_annual_cost")],
                      f.costs ? exactNumber(f.costs->pcAnnualCost) : "");
            EXPECT_EQ(expected[at("aodd_annual_cost")],
                      full ? exactNumber(f.costs->aoddAnnualCost) : "");
            EXPECT_EQ(expected[at("total_savings")], full ? exactNumber(f.costs->totalSavings) : "");
            EXPECT_EQ(expected[0], rows.cell(k, 0));
        }
        EXPECT_EQ(list.model().totals(), summary.totals.byCurrency());
        list.close();
        QTest::qWait(1);
    }
}

TEST_F(PlantListTest, SortedBySavingsFilteredByStatusTotalledOverTheRowsShown) {
    PlantWindow& list = open(generatedList(400, 3));
    PlantModel& model = list.model();
    ASSERT_EQ(model.sortColumn(), int(model.table()->savingsColumn()));
    const auto savingsOf = [&](int row) { return model.list().figures(model.shown()[std::size_t(row)]); };
    EXPECT_EQ(savingsOf(0).status, cases::RunStatus::Costed);
    for (int row = 1; row < model.rowCount() && savingsOf(row).status == cases::RunStatus::Costed; ++row)
        EXPECT_GE(savingsOf(row - 1).costs->totalSavings, savingsOf(row).costs->totalSavings);

    auto* filter = list.findChild<QComboBox*>("StatusFilter");
    for (const auto& [choice, status] :
         {std::pair{3, cases::RunStatus::Refused}, std::pair{2, cases::RunStatus::PcOnly}}) {
        filter->setCurrentIndex(choice);
        ASSERT_GT(model.rowCount(), 0);
        std::size_t counted = 0;
        for (const cases::CurrencyTotals& t : model.totals()) {
            counted += t.costed + t.pcOnly + t.refused;
            EXPECT_EQ(t.costed, 0U);
        }
        EXPECT_EQ(counted, std::size_t(model.rowCount()));
        for (int row = 0; row < model.rowCount(); ++row)
            EXPECT_EQ(savingsOf(row).status, status);
    }
    // The keyboard's sort: the row column, ascending, as the file has them.
    filter->setCurrentIndex(0);
    auto* column = list.findChild<QComboBox*>("SortColumn");
    auto* order = list.findChild<QComboBox*>("SortOrder");
    order->setCurrentIndex(1);
    column->setCurrentIndex(0);
    for (int row = 0; row < model.rowCount(); ++row)
        EXPECT_EQ(model.shown()[std::size_t(row)], std::uint32_t(row));
    EXPECT_EQ(list.table().horizontalHeader()->sortIndicatorSection(), 0);
}

// Cancel, and a quote that never closes, end the reading: the rows costed stay, totalled, and the
// status line says why the rest is missing.
TEST_F(PlantListTest, CancelAndAFaultOfTheFileKeepTheRowsCosted) {
    const std::string longList = generatedList(20000, 6);
    for (const auto& [text, cancel, says] :
         {std::tuple{longList, true, "Costing stopped"},
          std::tuple{generatedList(30, 7) +
                         "T-1,\"Hall, bay,English,1,60,10,90,52,7,24,US Dollars,,1,,,,,,\n",
                     false, "a quote opens here and never closes"}}) {
        PlantWindow* list = start(text);
        ASSERT_NE(list, nullptr);
        if (cancel)
            list->findChild<QPushButton*>("CancelButton")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !list->isCosting(); }, 20000));
        QTest::qWait(1);
        const PlantModel& model = list->model();
        EXPECT_GT(model.rowCount(), 0);
        EXPECT_LT(std::size_t(model.rowCount()), std::size_t(std::count(text.begin(), text.end(), '\n')) - 1);
        std::size_t counted = 0;
        for (const cases::CurrencyTotals& t : model.totals())
            counted += t.costed + t.pcOnly + t.refused;
        EXPECT_EQ(counted, std::size_t(model.rowCount()));
        EXPECT_TRUE(list->findChild<QLabel*>("Status")->text().contains(says))
            << list->findChild<QLabel*>("Status")->text().toStdString();
        delete list;
    }
}

// Named for assistive tools, Tab leaves the table, F1 lists the keys, Enter opens the row in the
// calculator as Open Case would open it alone, the list stays open, and Escape closes it.
TEST_F(PlantListTest, KeyboardCompleteAndNamedAndEnterOpensTheRowInTheCalculator) {
    installKeysHelp();
    PlantWindow& list = open(surveyFile());
    QPointer<PlantWindow> alive(&list);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&list)->role(), QAccessible::Window);
    for (QWidget* control : list.findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(&list)) {
            EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                << control->objectName().toStdString();
        }
    }
    list.show();
    QApplication::setActiveWindow(&list);
    list.table().setFocus();
    QTest::keyClick(&list.table(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), list.findChild<QWidget*>("TotalsTable"));

    QTest::keyClick(&list.table(), Qt::Key_F1);
    auto* keys = list.findChild<KeysWindow*>();
    ASSERT_NE(keys, nullptr);
    delete keys;

    // P-103 opens as a file of that row alone opens.
    const auto& rows = list.model().list();
    std::size_t p103 = 0;
    while (p103 < rows.size() && rows.cell(p103, 0) != "P-103")
        ++p103;
    const auto& shown = list.model().shown();
    const int row = int(std::find(shown.begin(), shown.end(), std::uint32_t(p103)) - shown.begin());
    list.table().setCurrentIndex(list.model().index(row, 0));
    ui.messages.shown.clear();
    QTest::keyClick(&list.table(), Qt::Key_Return);
    const Messages fromList = ui.messages.shown;
    MainWindowDriver alone;
    const QString one = dir.filePath("one.csv");
    QFile file(one);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(surveyFile().substr(0, surveyFile().find('\n') + 1)) + "P-103," +
               "Filter press feed,English,2,95,60,120,52,7,24,US Dollars,0.072,3,2,80\n");
    file.close();
    ASSERT_TRUE(alone.window().caseFiles().openFile(one));
    EXPECT_EQ(fromList, alone.messages.shown);
    for (const char* box : {"Text1", "Text2", "Text10", "Text11", "Text12"})
        EXPECT_EQ(ui.text(box), alone.text(box)) << box;
    EXPECT_EQ(ui.window().caseFiles().carried(), alone.window().caseFiles().carried());
    EXPECT_TRUE(alive && list.isVisible());

    QApplication::setActiveWindow(&list);
    QTest::keyClick(&list.table(), Qt::Key_Escape);
    QTest::qWait(1);
    EXPECT_FALSE(alive && alive->isVisible());
}

QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The report of 300 rows: the totals and the ten largest savings on page 1, then every row once with
// the table's header on every page, text of 9 pt and more; the HTML and the CSV hold the same rows.
TEST_F(PlantListTest, TheReportReadsBackWithTotalsFirstAndEveryRowOnce) {
    PlantWindow& list = open(generatedList(300, 4));
    const QString pdf = dir.filePath("plant.pdf");
    ASSERT_EQ(list.printReportToPdf(pdf), printing::Outcome::Printed);
    if (qEnvironmentVariableIsSet("PUMPVALE_KEEP_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("PUMPVALE_KEEP_PDF") + "-plant.pdf");
    const QStringList pages = output("pdftotext", {"-layout", pdf, "-"}).split('\f', Qt::SkipEmptyParts);
    ASSERT_GT(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Totals per currency"));
    EXPECT_TRUE(pages[0].contains("The ten largest savings"));
    const QString all = pages.join('\f');
    const auto& rows = list.model().list();
    const std::vector<std::uint32_t> top = cases::largestSavings(rows, list.model().shown(), 10);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const QString tag = parts::qText(rows.cell(k, 0));
        const bool inTop = std::find(top.begin(), top.end(), std::uint32_t(k)) != top.end();
        EXPECT_EQ(all.count(QRegularExpression("\\b" + tag + "\\b")), inTop ? 2 : 1) << tag.toStdString();
    }
    for (qsizetype page = 1; page < pages.size() - 1; ++page)
        EXPECT_TRUE(pages[page].contains("Duty point")) << "page " << page + 1;
    const QString boxes = output("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression word(R"re(<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)")re");
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ASSERT_GE(m.captured(2).toDouble() - m.captured(1).toDouble(), 9.0 * 1.1) << "a word under 9 pt";
    }

    const QString html = dir.filePath("plant.html");
    const QString csv = dir.filePath("plant.csv.out");
    ASSERT_EQ(list.exportReportTo(html, report_export::Format::Html), std::nullopt);
    ASSERT_EQ(list.exportReportTo(csv, report_export::Format::Csv), std::nullopt);
    QFile htmlFile(html);
    ASSERT_TRUE(htmlFile.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(htmlFile.readAll());
    EXPECT_EQ(page.count("<tr>"),
              qsizetype(1 + list.model().totals().size() + 1 + top.size() + 1 + rows.size()));
    QFile csvFile(csv);
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    const auto cells = csvRows(csvFile.readAll().toStdString());
    ASSERT_EQ(cells.size(), rows.size() + 1);
    EXPECT_EQ(cells[0][0], "row");
    EXPECT_EQ(cells[1][1], rows.cell(list.model().shown()[0], 0));
}

} // namespace
} // namespace pumpvale::testing
