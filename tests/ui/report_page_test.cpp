// The report on paper and in files: the printed and the exported PDF read back as a user's tools read
// them, the paper by locale, a failed export, and the details window within its screen.
#include "pdf_reading.h"
#include "test_support.h"
#include "ui/case_files.h"
#include "ui/details_window.h"
#include "ui/report_export.h"
#include "ui/report_layouts.h"
#include "ui/report_page.h"
#include "ui/report_printing.h"
#include "ui/results_actions.h"
#include "ui/savings_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace pumpvale::testing {
namespace {

// The report as the results' Print and Export make it, at a fixed time.
ReportPage pageOf(const Form2& window) {
    ReportPage page = window.resultsActions().page();
    page.when = QDateTime(QDate(2026, 12, 8), QTime(9, 30));
    return page;
}

// What pdftotext -bbox says of the pages: their size and every word's box, in points.
struct Boxes {
    double width = 0;
    double height = 0;
    double smallestText = 1e9;
    double left = 1e9, top = 1e9, right = 1e9, bottom = 1e9; // the narrowest margins
};

Boxes boxesOf(const QString& pdf) {
    const QString xhtml = output("pdftotext", {"-bbox", pdf, "-"});
    Boxes boxes;
    const QRegularExpressionMatch page =
        QRegularExpression(R"re(<page width="([\d.]+)" height="([\d.]+)")re").match(xhtml);
    boxes.width = page.captured(1).toDouble();
    boxes.height = page.captured(2).toDouble();
    const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re");
    for (auto it = word.globalMatch(xhtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const double x0 = m.captured(1).toDouble(), y0 = m.captured(2).toDouble();
        const double x1 = m.captured(3).toDouble(), y1 = m.captured(4).toDouble();
        boxes.smallestText = std::min(boxes.smallestText, y1 - y0);
        boxes.left = std::min(boxes.left, x0);
        boxes.top = std::min(boxes.top, y0);
        boxes.right = std::min(boxes.right, boxes.width - x1);
        boxes.bottom = std::min(boxes.bottom, boxes.height - y1);
    }
    return boxes;
}

// What pdfinfo says of the file: "Title", "Author", "Pages"...
QMap<QString, QString> infoOf(const QString& pdf) {
    QMap<QString, QString> info;
    for (const QString& line : output("pdfinfo", {pdf}).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            info[line.left(colon)] = line.mid(colon + 1).trimmed();
    }
    return info;
}

// One rule, printed or exported: the report's title, the program and version as author and creator, the
// duty point as subject.
void expectReportInfo(const QString& pdf, const ReportPage& page) {
    const QMap<QString, QString> info = infoOf(pdf);
    EXPECT_EQ(info["Title"].toStdString(), page.layout.title);
    EXPECT_EQ(info["Author"], "Pumpvale " PUMPVALE_TEST_VERSION);
    EXPECT_EQ(info["Creator"], "Pumpvale " PUMPVALE_TEST_VERSION);
    EXPECT_EQ(info["Subject"].toStdString(), "Duty point: " + page.layout.dutyPoint);
    EXPECT_FALSE(page.layout.dutyPoint.empty());
}

constexpr double kPointsPerMm = 72 / 25.4;

struct PaperCase {
    const char* name;
    const char* locale;
    bool printed; // through the print path, else exported
    double width; // points
};

void PrintTo(const PaperCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const PaperCase kPapers[] = {
    {"PrintedOnA4InBritain",        "en_GB", true,  595.276},
    {"ExportedOnLetterInTheUS",     "en_US", false, 612},
    {"ExportedOnA4InGermany",       "de_DE", false, 595.276},
};
// clang-format on

class ReportOnPaper : public MainWindowTest, public ::testing::WithParamInterface<PaperCase> {};

// The 60 psi / 10 GPM, 1-inch case: text of 9 pt or more, margins of 15 mm or more, every table's rows,
// "page 1 of N", and "efficiency" found word for word.
TEST_P(ReportOnPaper, ReadsAsADocumentToHandOn) {
    QLocale::setDefault(QLocale(GetParam().locale));
    ui.reach(ScreenState::FullResults);
    const ReportPage page = pageOf(ui.window());
    const QTemporaryDir folder;
    const QString pdf = folder.filePath("report.pdf");
    if (GetParam().printed) {
        ASSERT_EQ(printing::printToPdf(pdf, localePageSize(QLocale()), page), printing::Outcome::Printed);
    } else {
        ASSERT_EQ(report_export::write(pdf, report_export::Format::Pdf, page), std::nullopt);
    }
    if (qEnvironmentVariableIsSet("PUMPVALE_KEEP_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("PUMPVALE_KEEP_PDF") + "-" + GetParam().name + ".pdf");

    expectReportInfo(pdf, page);
    const QString text = output("pdftotext", {"-layout", pdf, "-"});
    const qsizetype pages = text.count('\f');
    EXPECT_TRUE(text.contains(QStringLiteral("page 1 of %1").arg(pages))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("page %1 of %1").arg(pages)));
    EXPECT_TRUE(text.contains("efficiency")) << "a ligature in the text layer";
    EXPECT_TRUE(text.contains("Pumpvale " PUMPVALE_TEST_VERSION));
    for (const LayoutTable& table : page.layout.tables) {
        EXPECT_TRUE(text.contains(QString::fromStdString(table.heading))) << table.heading;
        for (const auto& row : table.rows)
            EXPECT_TRUE(text.contains(QString::fromStdString(row.front().text))) << row.front().text;
    }
    const QString decimal = QLocale().decimalPoint();
    EXPECT_TRUE(text.contains("14" + decimal + "7 + required air pressure")) << "the constants' separator";

    // Every font embedded, so the page reads the same on any machine.
    const QStringList fonts = output("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts)
        EXPECT_TRUE(font.contains(QRegularExpression(R"(\byes\s+\S+\s+\S+\s+\d+\s+\d+$)")))
            << font.toStdString();

    const Boxes boxes = boxesOf(pdf);
    EXPECT_NEAR(boxes.width, GetParam().width, 0.5);
    // A word's box is as tall as the font's ascent and descent, 1.164 em in DejaVu Sans, over 1.1 em in
    // any common face: 9 pt text gives 10.5 pt boxes, 8 pt text 9.3.
    EXPECT_GE(boxes.smallestText, 9.0 * 1.1);
    for (const double margin : {boxes.left, boxes.top, boxes.right, boxes.bottom})
        EXPECT_GE(margin, 15 * kPointsPerMm);
    std::printf("%s: %lld page(s) of %.1f x %.1f pt; smallest text %.2f pt; margins %.1f %.1f %.1f %.1f mm\n",
                GetParam().name, static_cast<long long>(pages), boxes.width, boxes.height, boxes.smallestText,
                boxes.left / kPointsPerMm, boxes.top / kPointsPerMm, boxes.right / kPointsPerMm,
                boxes.bottom / kPointsPerMm);
}

INSTANTIATE_TEST_SUITE_P(Report, ReportOnPaper, ::testing::ValuesIn(kPapers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportPaper, LetterWhereTheLocaleUsesIt) {
    for (const auto& [locale, letter] :
         {std::pair{"en_US", true}, std::pair{"es_US", true}, std::pair{"fr_CA", true},
          std::pair{"en_GB", false}, std::pair{"de_DE", false}, std::pair{"C", false}})
        EXPECT_EQ(localePageSize(QLocale(locale)).id() == QPageSize::Letter, letter) << locale;
}

// The name's ending decides the format, else the dialog's filter, whose ending is then added; a write
// that cannot be made names the file and the reason and leaves what was there.
TEST(ReportExport, AFailedWriteNamesTheFileAndWhy) {
    using report_export::Format;
    EXPECT_EQ(report_export::formatOf("Figures as CSV (*.csv)", "a.pdf"), Format::Pdf);
    EXPECT_EQ(report_export::formatOf("PDF document (*.pdf)", "figures.CSV"), Format::Csv);
    EXPECT_EQ(report_export::formatOf("Figures as CSV (*.csv)", "figures.v2"), Format::Csv);
    EXPECT_EQ(report_export::formatOf("", "a.HTM"), Format::Html);
    EXPECT_EQ(report_export::withSuffix("/tmp/report", Format::Html), "/tmp/report.html");
    EXPECT_EQ(report_export::withSuffix("/tmp/report.v2", Format::Pdf), "/tmp/report.v2.pdf");
    EXPECT_EQ(report_export::withSuffix("/tmp/report.htm", Format::Pdf), "/tmp/report.htm");

    const QTemporaryDir folder;
    const ReportPage page{layoutReport(CalculationReport{}, {}), std::nullopt, QDateTime(), std::nullopt};
    const QString kept = folder.filePath("kept.csv");
    {
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("before");
    }
    // A folder that went away, and a "folder" that is a file.
    for (const QString& path : {folder.filePath("gone/report.csv"), kept + "/report.pdf"}) {
        const std::optional<QString> failure = report_export::write(path, Format::Csv, page);
        ASSERT_TRUE(failure.has_value()) << path.toStdString();
        EXPECT_TRUE(failure->startsWith("The report could not be saved to \"" + path + "\": "))
            << failure->toStdString();
        EXPECT_GT(failure->size(), path.size() + 40) << "a reason";
    }
    const auto contents = [&kept] {
        QFile file(kept);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_EQ(contents(), "before");
    EXPECT_EQ(report_export::write(kept, Format::Csv, page), std::nullopt);
    EXPECT_TRUE(contents().startsWith("Section,Quantity,Value,Unit\r\n"));
}

// The 1-inch example with the PC pump 1,500 dearer and a factor of 0.4: details, copy and the printed
// page hold the energy, CO2 and payback sections, the payback as "1.7" years, and the page draws the
// cost of ownership chart after the table by year, its break-even named, its text as large as the
// tables'. Without prices there is no payback and no chart.
TEST_F(MainWindowTest, FilledInSavingsJoinTheReportWithTheirChart) {
    ui.reach(ScreenState::FullResults);
    ResultsActions& actions = ui.window().resultsActions();
    const QTemporaryDir folder;
    const auto printed = [&](const QString& name) {
        QString pdf = folder.filePath(name);
        EXPECT_EQ(actions.printReportToPdf(pdf), printing::Outcome::Printed);
        if (qEnvironmentVariableIsSet("PUMPVALE_KEEP_PDF"))
            QFile::copy(pdf, qEnvironmentVariable("PUMPVALE_KEEP_PDF") + "-" + name);
        return pdf;
    };
    actions.savingsAction().trigger();
    SavingsWindow* savings = actions.savingsWindow();
    ASSERT_NE(savings, nullptr);
    const QString bare = output("pdftotext", {"-layout", printed("bare.pdf"), "-"});
    EXPECT_TRUE(bare.contains("Energy saved a year"));
    for (const char* absent : {"CO2 emissions", "Payback and life-cycle cost", "break-even"})
        EXPECT_FALSE(bare.contains(absent)) << absent;

    savings->entry(LifeCycleField::PcPrice).setText("2500");
    savings->entry(LifeCycleField::AoddPrice).setText("1000");
    savings->entry(LifeCycleField::EmissionFactor).setText("0.4");
    const QStringList sections{"Energy", "CO2 emissions", "Payback and life-cycle cost",
                               "Cost of ownership by year"};
    actions.showDetails();
    QStringList shown;
    for (const QTableWidget* table : actions.detailsWindow()->findChildren<QTableWidget*>())
        shown << table->accessibleName();
    actions.copyResults();
    const QString copied = QGuiApplication::clipboard()->text();
    const QString pdf = printed("filled.pdf");
    const QString page = output("pdftotext", {"-layout", pdf, "-"});
    for (const QString& section : sections) {
        EXPECT_TRUE(shown.contains(section)) << section.toStdString();
        EXPECT_TRUE(copied.contains(section)) << section.toStdString();
        EXPECT_TRUE(page.contains(section)) << section.toStdString();
    }
    const QRegularExpression payback(R"(Simple payback\s+1\.7\s+years)");
    EXPECT_TRUE(copied.contains(payback)) << copied.toStdString();
    EXPECT_TRUE(page.contains(payback));
    const qsizetype table = page.indexOf("Cost of ownership by year");
    const qsizetype chart = page.indexOf("Cumulative cost against years in service");
    const qsizetype inlets = page.indexOf("Inlet sizes compared");
    EXPECT_LT(table, chart);
    EXPECT_LT(chart, inlets);
    for (const char* words : {"break-even 1.7 years", "Years in service", "AODD pump", "PC pump"})
        EXPECT_GT(page.indexOf(words, chart), chart) << words;
    EXPECT_GE(boxesOf(pdf).smallestText, 9.0 * 1.1);
}

// The dialog offered pages 1 to 9999 of a report of three. It offers the report's pages; printed to a
// file, the pages chosen are written, and the file says of itself what an exported one does.
TEST_F(MainWindowTest, PrintDialogOffersTheReportsPagesAndPrintsThoseChosen) {
    ui.reach(ScreenState::FullResults);
    const QTemporaryDir folder;
    const QString whole = folder.filePath("whole.pdf");
    ASSERT_EQ(ui.window().resultsActions().printReportToPdf(whole), printing::Outcome::Printed);
    const int pages = infoOf(whole)["Pages"].toInt();
    ASSERT_GE(pages, 2);

    const QString chosen = folder.filePath("chosen.pdf");
    std::pair<int, int> offered;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        auto* printers = dialog->findChild<QComboBox*>("printers");
        auto* first = dialog->findChild<QSpinBox*>("from");
        auto* last = dialog->findChild<QSpinBox*>("to");
        if (printers == nullptr || first == nullptr || last == nullptr) {
            dialog->reject();
            return;
        }
        printers->setCurrentIndex(printers->findText("Print to File (PDF)"));
        offered = {first->maximum(), last->maximum()};
        dialog->findChild<QRadioButton*>("printRange")->setChecked(true);
        first->setValue(2);
        last->setValue(2);
        dialog->findChild<QLineEdit*>("filename")->setText(chosen);
        dialog->accept();
    });
    answer.start(20);
    ui.window().resultsActions().printAction().trigger();
    EXPECT_EQ(offered, std::pair(pages, pages));
    EXPECT_EQ(infoOf(chosen)["Pages"], "1");
    EXPECT_TRUE(output("pdftotext", {chosen, "-"}).contains(QStringLiteral("page 2 of %1").arg(pages)));
    expectReportInfo(chosen, ui.window().resultsActions().page());
}

// P-103 of the plant survey: its tag and location head the details window, the printed page, the HTML
// page and the figures file, before the working; a case typed in has no such lines.
TEST_F(MainWindowTest, TheCaseIdentityHeadsDetailsPageAndFiles) {
    const QTemporaryDir folder;
    const auto read = [&](MainWindowDriver& driver, report_export::Format format, const char* name) {
        const QString path = folder.filePath(name);
        EXPECT_EQ(report_export::write(path, format, pageOf(driver.window())), std::nullopt);
        if (qEnvironmentVariableIsSet("PUMPVALE_KEEP_PDF"))
            QFile::copy(path, qEnvironmentVariable("PUMPVALE_KEEP_PDF") + "-" + name);
        if (format == report_export::Format::Pdf)
            return output("pdftotext", {"-layout", path, "-"});
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    };
    const auto details = [](MainWindowDriver& driver) {
        driver.window().resultsActions().showDetails();
        const auto* label =
            driver.window().resultsActions().detailsWindow()->findChild<QLabel*>("CaseIdentity");
        return label != nullptr ? label->text() : QString();
    };
    ASSERT_TRUE(ui.window().caseFiles().openFile(PUMPVALE_SOURCE_DIR "/docs/plant-survey.csv", 4));
    const QString page = read(ui, report_export::Format::Pdf, "P-103.pdf");
    EXPECT_TRUE(page.contains(QRegularExpression(R"(Tag: P-103\s+Location: Filter press feed\s+Duty point)")))
        << page.toStdString();
    const QString html = read(ui, report_export::Format::Html, "P-103.html");
    EXPECT_LT(html.indexOf("<td>Filter press feed</td>"), html.indexOf("<h3>Inputs</h3>"));
    EXPECT_GT(html.indexOf("<th align=\"left\">Tag</th><td>P-103</td>"), html.indexOf("<h1>"));
    const QStringList csv = read(ui, report_export::Format::Csv, "P-103.csv").split("\r\n");
    ASSERT_GT(csv.size(), 3);
    EXPECT_EQ(csv[1].split(','), QStringList({"Case", "Tag", "P-103", ""}));
    EXPECT_EQ(csv[2].split(','), QStringList({"Case", "Location", "Filter press feed", ""}));
    EXPECT_TRUE(details(ui).contains("Filter press feed"));

    MainWindowDriver typed;
    typed.reach(ScreenState::FullResults);
    EXPECT_FALSE(read(typed, report_export::Format::Pdf, "typed.pdf").contains("Tag:"));
    EXPECT_TRUE(read(typed, report_export::Format::Csv, "typed.csv").split("\r\n")[1].startsWith("Summary,"));
    EXPECT_EQ(details(typed), QString());
}

// Within the screen it appears on (a 1366 x 768 one, at 100 % and 125 %, in CTest), its buttons in view,
// no table wider than the pane; it can be made smaller, the pane scrolling; Tab goes through its tables
// to its buttons.
TEST_F(MainWindowTest, DetailsWindowFitsItsScreenWithItsButtonsVisible) {
    ui.reach(ScreenState::FullResults);
    for (QAction* action : ui.window().actions())
        if (action->text() == "Calculation Details...")
            action->trigger();
    auto* window = ui.window().findChild<QDialog*>("DetailsWindow");
    ASSERT_NE(window, nullptr);
    QApplication::processEvents();
    const QRect free = window->screen()->availableGeometry();
    std::printf("screen %dx%d at %d,%d, details window %dx%d at %d,%d\n", free.width(), free.height(),
                free.x(), free.y(), window->width(), window->height(), window->x(), window->y());
    EXPECT_TRUE(free.contains(window->frameGeometry())) << "within the screen";
    EXPECT_LE(window->frameGeometry().width(), free.width() * 0.9 + 1);
    EXPECT_LE(window->frameGeometry().height(), free.height() * 0.9 + 1);
    // At 125 % the working's formulas made it scroll sideways and cut "How it is found": they wrap.
    const auto* scroll = window->findChild<QScrollArea*>("DetailsScroll");
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    for (const QTableWidget* table : window->findChildren<QTableWidget*>())
        EXPECT_LE(table->width(), scroll->viewport()->width()) << table->accessibleName().toStdString();
    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 4);
    for (const QSize size : {window->size(), QSize(400, 300)}) {
        window->resize(size);
        QApplication::processEvents();
        EXPECT_LE(window->width(), std::max(size.width(), window->minimumWidth()));
        for (const QPushButton* button : buttons)
            EXPECT_TRUE(window->rect().contains(QRect(button->mapTo(window, QPoint()), button->size())))
                << button->text().toStdString() << " at " << size.width() << "x" << size.height();
    }

    QApplication::setActiveWindow(window);
    const QList<QTableWidget*> tables = window->findChildren<QTableWidget*>();
    ASSERT_GE(tables.size(), 6);
    tables.front()->setFocus();
    QStringList reached;
    for (int i = 0; i < tables.size() + 4 && reached.size() < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (const auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget()))
            reached << button->text();
    }
    EXPECT_EQ(reached, QStringList({"Copy Results", "Print Report...", "Export Report...", "Close"}));
    window->close();
}

} // namespace
} // namespace pumpvale::testing
