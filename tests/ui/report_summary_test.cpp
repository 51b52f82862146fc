// The answer first, and files that stand alone: page 1 of the printed report, the HTML page and the CSV
// file read back as a user's tools read them.
#include "cases/csv_reader.h"
#include "test_support.h"
#include "ui/details_window.h"
#include "ui/report_export.h"
#include "ui/results_actions.h"
#include "ui/savings_window.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sstream>

namespace pumpvale::testing {
namespace {

QString pdfText(const QString& pdf, const QStringList& options) {
    QProcess process;
    process.start("pdftotext", options + QStringList{pdf, "-"});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Section and quantity to value and unit, as a CSV reader finds them.
std::map<std::pair<std::string, std::string>, std::vector<std::string>> csvCells(const QByteArray& text) {
    std::istringstream in(text.toStdString());
    cases::CsvReader reader(*in.rdbuf());
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> cells;
    for (cases::CsvRecord record; reader.read(record);) {
        EXPECT_EQ(record.cells.size(), 4U);
        if (record.cells.size() == 4)
            cells.try_emplace({record.cells[0], record.cells[1]},
                              std::vector<std::string>{record.cells[2], record.cells[3]});
    }
    return cells;
}

// The 60 psi / 10 GPM, 1-inch case with prices and an emission factor: page 1 holds the three amounts,
// the verdict, the payback and the CO2 avoided; so do the details window and the clipboard, first; the
// HTML page declares UTF-8, has its style and both charts as PNG pictures inside it; the CSV file says
// what its figures are about.
TEST_F(MainWindowTest, TheAnswerLeadsAndTheFilesStandAlone) {
    ui.reach(ScreenState::FullResults);
    ResultsActions& actions = ui.window().resultsActions();
    actions.savingsAction().trigger();
    SavingsWindow* savings = actions.savingsWindow();
    ASSERT_NE(savings, nullptr);
    savings->entry(LifeCycleField::PcPrice).setText("2500");
    savings->entry(LifeCycleField::AoddPrice).setText("1000");
    savings->entry(LifeCycleField::EmissionFactor).setText("0.4");
    const QString verdict = "The durvane PC pump costs 880.64 US Dollars a year less in electricity than the "
                            "AODD pump.";
    const QRegularExpression answer(R"(AODD annual cost\s+1,173\.18\s+US Dollars\s+durvane annual cost\s+)"
                                    R"(292\.54\s+US Dollars\s+Total savings\s+880\.64\s+US Dollars\s+)"
                                    R"(Simple payback\s+1\.7\s+years\s+CO2 avoided a year)");

    const QTemporaryDir folder;
    const auto exported = [&](report_export::Format format, const char* name) {
        const QString path = folder.filePath(name);
        EXPECT_EQ(report_export::write(path, format, actions.page()), std::nullopt);
        if (qEnvironmentVariableIsSet("PUMPVALE_KEEP_PDF"))
            QFile::copy(path, qEnvironmentVariable("PUMPVALE_KEEP_PDF") + "-" + name);
        return path;
    };
    const QString pageOne =
        pdfText(exported(report_export::Format::Pdf, "answer.pdf"), {"-layout", "-f", "1", "-l", "1"});
    EXPECT_TRUE(pageOne.contains(answer)) << pageOne.toStdString();
    EXPECT_TRUE(pageOne.simplified().contains(verdict));
    EXPECT_LT(pageOne.indexOf("Total savings"), pageOne.indexOf("Inputs"));

    actions.copyResults();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    EXPECT_LT(copied->text().indexOf(answer), copied->text().indexOf("Inputs"));
    EXPECT_TRUE(copied->html().contains("<meta charset=\"utf-8\">"));
    actions.showDetails();
    const auto* summary = actions.detailsWindow()->findChild<QLabel*>("Summary");
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->text().contains(verdict));

    const QString html = QString::fromUtf8(bytesOf(exported(report_export::Format::Html, "answer.html")));
    const qsizetype head = html.indexOf("</head>");
    EXPECT_GT(html.indexOf(QRegularExpression(R"(<meta charset="utf-8">)")), 0);
    EXPECT_LT(html.indexOf("<meta charset=\"utf-8\">"), head);
    EXPECT_LT(html.indexOf("<style>"), head);
    EXPECT_LT(html.indexOf(verdict), html.indexOf("<h3>Inputs</h3>"));
    QStringList charts;
    auto images =
        QRegularExpression(R"re(<img src="data:image/png;base64,([A-Za-z0-9+/=]+)"[^>]*alt="([^"]*)">)re")
            .globalMatch(html);
    while (images.hasNext()) {
        const QRegularExpressionMatch image = images.next();
        const QImage picture = QImage::fromData(QByteArray::fromBase64(image.captured(1).toLatin1()), "PNG");
        EXPECT_GE(picture.width(), 1000) << image.captured(2).toStdString();
        charts << image.captured(2);
    }
    EXPECT_EQ(charts, QStringList({"Cumulative cost against years in service", "Annual cost against flow"}));

    const auto csv = csvCells(bytesOf(exported(report_export::Format::Csv, "answer.csv")));
    using Cell = std::vector<std::string>;
    EXPECT_EQ(csv.at({"Summary", "Verdict"}), Cell({verdict.toStdString(), ""}));
    EXPECT_EQ(csv.at({"Summary", "AODD inlet size"}), Cell({"1 inch", ""}));
    EXPECT_EQ(csv.at({"Inputs", "Currency"}), Cell({"US Dollars", ""}));
    EXPECT_EQ(csv.at({"Inputs", "Unit system"}), Cell({"English units (psi, US GPM)", ""}));
    EXPECT_EQ(csv.at({"Summary", "Simple payback"}).back(), "years");
}

// Outside the AODD pumps' data: the summary is the PC pump's cost and why it stands alone.
TEST_F(MainWindowTest, APcOnlyResultSaysWhyItsCostStandsAlone) {
    ui.reach(ScreenState::PcOnlyResults);
    const QTemporaryDir folder;
    const QString pdf = folder.filePath("pc-only.pdf");
    ASSERT_EQ(report_export::write(pdf, report_export::Format::Pdf, ui.window().resultsActions().page()),
              std::nullopt);
    const QString pageOne = pdfText(pdf, {"-layout", "-f", "1", "-l", "1"}).simplified();
    EXPECT_TRUE(
        pageOne.contains(QRegularExpression(R"(Summary Quantity Value Unit durvane annual cost [\d,.]+ )"
                                            R"(US Dollars Only the durvane PC pump was costed\. The )")))
        << pageOne.toStdString();
    EXPECT_FALSE(pageOne.contains("Total savings"));
}

} // namespace
} // namespace pumpvale::testing
