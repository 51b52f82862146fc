// The printed report's make-up, read back from the PDF with pdftotext -bbox on A4 and Letter, in English
// and German: short tables whole on a page, no heading left alone, no page of a few lines, a sentence
// under its table rather than in a column, the running header shortened by rule, the locale's date.
#include "pdf_reading.h"
#include "test_support.h"
#include "ui/case_files.h"
#include "ui/page_rules.h"
#include "ui/report_page.h"
#include "ui/report_printing.h"
#include "ui/results_actions.h"
#include "ui/savings_window.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>

namespace pumpvale::testing {
namespace {

// A page as pdftotext -bbox gives it: its size and its lines of words, top to bottom, in points.
struct PdfLine {
    double top = 0;
    double bottom = 0;
    QString text; // the words joined by blanks
};
struct PdfPage {
    double height = 0;
    std::vector<PdfLine> lines;
};

std::vector<PdfPage> pagesOf(const QString& pdf) {
    const QString xhtml = output("pdftotext", {"-bbox", pdf, "-"});
    std::vector<PdfPage> pages;
    const QRegularExpression tag(
        R"re(<page width="[\d.]+" height="([\d.]+)"|<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = tag.globalMatch(xhtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1).size() > 0) {
            pages.push_back({m.captured(1).toDouble(), {}});
            continue;
        }
        if (pages.empty())
            continue;
        const double top = m.captured(2).toDouble();
        const double bottom = m.captured(3).toDouble();
        const QString word = m.captured(4).replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">");
        std::vector<PdfLine>& lines = pages.back().lines;
        const auto same = std::find_if(lines.begin(), lines.end(),
                                       [&](const PdfLine& l) { return std::abs(l.top - top) < 1; });
        if (same != lines.end())
            same->text += ' ' + word;
        else
            lines.push_back({top, bottom, word});
    }
    for (PdfPage& page : pages)
        std::stable_sort(page.lines.begin(), page.lines.end(),
                         [](const PdfLine& a, const PdfLine& b) { return a.top < b.top; });
    return pages;
}

constexpr double kMargin = 18 * 72 / 25.4;
constexpr double kBand = 9 * 1.164 + 4 * 72 / 25.4; // a running line and the space under it

bool inBody(const PdfPage& page, const PdfLine& line) {
    return line.top > kMargin + kBand - 2 && line.bottom < page.height - kMargin - kBand + 2;
}

// The share of the page's body that its text spans, from its first line to its last.
double bodyShare(const PdfPage& page) {
    double top = 1e9, bottom = 0;
    for (const PdfLine& line : page.lines)
        if (inBody(page, line)) {
            top = std::min(top, line.top);
            bottom = std::max(bottom, line.bottom);
        }
    return std::max(0.0, bottom - top) / (page.height - 2 * (kMargin + kBand));
}

std::vector<PdfPage> pagesOf(const ReportPage& report, QPageSize::PageSizeId paper, const QString& pdf) {
    QFile file(pdf);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_TRUE(printing::writeReportPdf(file, QPageSize(paper), report));
    file.close();
    return pagesOf(pdf);
}

QString bodyText(const PdfPage& page) {
    QString text;
    for (const PdfLine& line : page.lines)
        if (inBody(page, line))
            text += line.text + '\n';
    return text;
}

struct MakeUpCase {
    const char* name;
    const char* locale;
    QPageSize::PageSizeId paper;
    ScreenState state;
    bool survey;    // P-103 of the plant survey, whose tag heads every page
    bool lifeCycle; // prices and a factor filled in: payback, CO2 and the cost of ownership
    const char* date;
};

void PrintTo(const MakeUpCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const MakeUpCase kCases[] = {
    {"WorkedExampleLetterUS", "en_US", QPageSize::Letter, ScreenState::FullResults,   false, true,  "December 8, 2026"},
    {"PcOnlyLetterUS",        "en_US", QPageSize::Letter, ScreenState::PcOnlyResults, false, false, "December 8, 2026"},
    {"SurveyA4GB",            "en_GB", QPageSize::A4,     ScreenState::FullResults,   true,  false, "8 December 2026"},
    {"PcOnlyA4GB",            "en_GB", QPageSize::A4,     ScreenState::PcOnlyResults, false, false, "8 December 2026"},
    {"WorkedExampleA4DE",     "de_DE", QPageSize::A4,     ScreenState::FullResults,   false, true,  "08.12.2026"},
    {"PcOnlyLetterDE",        "de_DE", QPageSize::Letter, ScreenState::PcOnlyResults, false, false, "08.12.2026"},
};
// clang-format on

class PageMakeUp : public MainWindowTest, public ::testing::WithParamInterface<MakeUpCase> {};

TEST_P(PageMakeUp, APrinterWouldAcceptIt) {
    const MakeUpCase& c = GetParam();
    QLocale::setDefault(QLocale(c.locale));
    if (c.survey) {
        ASSERT_TRUE(ui.window().caseFiles().openFile(PUMPVALE_SOURCE_DIR "/docs/plant-survey.csv", 4));
    } else {
        ui.reach(c.state);
    }
    ResultsActions& actions = ui.window().resultsActions();
    if (c.lifeCycle) {
        actions.savingsAction().trigger();
        ASSERT_NE(actions.savingsWindow(), nullptr);
        actions.savingsWindow()->entry(LifeCycleField::PcPrice).setText("2500");
        actions.savingsWindow()->entry(LifeCycleField::AoddPrice).setText("1000");
        actions.savingsWindow()->entry(LifeCycleField::EmissionFactor).setText("0.4");
    }
    ReportPage report = actions.page();
    report.when = QDateTime(QDate(2026, 12, 8), QTime(9, 30));
    const QTemporaryDir folder;
    const QString pdf = folder.filePath("report.pdf");
    const std::vector<PdfPage> pages = pagesOf(report, c.paper, pdf);
    if (qEnvironmentVariableIsSet("PUMPVALE_KEEP_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("PUMPVALE_KEEP_PDF") + "-" + c.name + ".pdf");
    ASSERT_GE(pages.size(), 2u);
    const ReportLayout& layout = report.layout;

    // No page of a few lines: every page holds a fifth of its body's height in text.
    std::printf("%s:", c.name);
    for (std::size_t n = 0; n < pages.size(); ++n) {
        std::printf(" page %zu %.0f %%", n + 1, 100 * bodyShare(pages[n]));
        EXPECT_GE(bodyShare(pages[n]), 0.2) << "page " << n + 1;
    }
    std::printf("\n");

    // A table's heading stands on the page of its first three rows, and a table of ten rows or fewer whole.
    const auto pageWith = [&](const QString& heading) {
        const QRegularExpression alone("^" + QRegularExpression::escape(heading) + "$",
                                       QRegularExpression::MultilineOption);
        for (std::size_t n = 0; n < pages.size(); ++n)
            if (bodyText(pages[n]).contains(alone))
                return int(n);
        return -1;
    };
    for (const LayoutTable& table : layout.tables) {
        const int at = pageWith(QString::fromStdString(table.heading));
        ASSERT_GE(at, 0) << table.heading;
        const QString text = bodyText(pages[std::size_t(at)]).replace('\n', ' ');
        const std::size_t kept = table.rows.size() <= 10 ? table.rows.size() : 3;
        for (std::size_t r = 0; r < kept; ++r)
            EXPECT_TRUE(text.contains(QString::fromStdString(table.rows[r].front().text)))
                << table.heading << ": row " << r << " " << table.rows[r].front().text;
    }

    // The sentence of a PC-only result is a note under its table; the formulas keep their line.
    const bool pcOnly = c.state == ScreenState::PcOnlyResults;
    QString all;
    for (const PdfPage& page : pages)
        all += bodyText(page);
    EXPECT_EQ(all.contains("Why the PC pump alone: The "), pcOnly);
    EXPECT_TRUE(all.contains("PC pump input power in kW × hours × price\n")) << all.toStdString();

    // The title once on page 1, which has no running header; then a header shortened by rule, whole.
    const QString title = QString::fromStdString(layout.title);
    const QString shortTitle = title.left(title.indexOf(':'));
    EXPECT_TRUE(pages[0].lines.front().text.startsWith(shortTitle + ": "));
    EXPECT_EQ(output("pdftotext", {"-f", "1", "-l", "1", pdf, "-"}).count(shortTitle + ": "), 1);
    const QString duty = QString::fromStdString(layout.dutyPoint);
    for (std::size_t n = 1; n < pages.size(); ++n) {
        const QString header = pages[n].lines.front().text;
        EXPECT_TRUE(header.startsWith(title + ' ') || header.startsWith(shortTitle + ' '))
            << header.toStdString();
        EXPECT_TRUE(header.endsWith(duty)) << header.toStdString();
        EXPECT_FALSE(header.contains("...") || header.contains(QChar(0x2026))) << header.toStdString();
        EXPECT_EQ(header.contains("P-103 · "), c.survey) << header.toStdString();
    }
    // The locale's own date in every footer.
    for (const PdfPage& page : pages)
        EXPECT_TRUE(page.lines.back().text.contains(c.date)) << page.lines.back().text.toStdString();
}

// A long table and a few notes, the table a row longer each time, so that the notes and the table's last
// rows fall at every place of a page's foot: no page holds less than a fifth of a page.
TEST(PageMakeUpOfALongTable, NoPageHoldsOnlyAFewLines) {
    ReportLayout layout;
    layout.title = "Pumpvale: a long table";
    layout.dutyPoint = "60 psi, 10 US GPM";
    layout.notesHeading = "Assumptions";
    layout.notes = {"A first note.", "A second note.", "A third note, a little longer than the others."};
    const QTemporaryDir folder;
    for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter})
        for (int rows = 30; rows <= 90; rows += 3) {
            LayoutTable table{"long", "Long table", {{"Year", ""}, {"Value", ""}}, {}, {}};
            for (int r = 0; r < rows; ++r) {
                table.rowKeys.emplace_back();
                table.rows.push_back({{std::to_string(r), false, {}, {}, {}}, {"1.5", true, 1.5, {}, {}}});
            }
            layout.tables = {table};
            const std::vector<PdfPage> pages =
                pagesOf(ReportPage{layout, std::nullopt, QDateTime(), std::nullopt}, paper,
                        folder.filePath("long.pdf"));
            for (std::size_t n = 0; n < pages.size(); ++n)
                EXPECT_GE(bodyShare(pages[n]), 0.2)
                    << rows << " rows, page " << n + 1 << " on " << int(paper);
        }
}

// Narrowed a point at a time, the running header gives up "Duty point: ", then the title's words after its
// colon, then the tag and the title: always whole words that fit, each step once, in that order.
TEST(PageMakeUpRunningHeader, ShortensByRuleNeverCuts) {
    ReportLayout layout;
    layout.title = "Pumpvale: annual electricity cost of a durvane PC pump and an AODD pump";
    layout.identity = {{"Tag", "P-103"}};
    layout.dutyPoint = "60 psi, 10 US GPM";
    const QFontMetricsF font(QFont(QStringLiteral("DejaVu Sans"), 9));
    const QString title = QString::fromStdString(layout.title);
    const QStringList steps{title + "|P-103 · Duty point: 60 psi, 10 US GPM",
                            title + "|P-103 · 60 psi, 10 US GPM",
                            "Pumpvale|P-103 · Duty point: 60 psi, 10 US GPM",
                            "Pumpvale|P-103 · 60 psi, 10 US GPM",
                            "Pumpvale|60 psi, 10 US GPM",
                            "|60 psi, 10 US GPM",
                            "|"};
    qsizetype step = 0;
    for (qreal width = 700; width >= 0; width -= 1) {
        const RunningHeader header = runningHeader(layout, font, width, 10);
        const qsizetype now = steps.indexOf(header.left + '|' + header.right);
        ASSERT_GE(now, step) << width << ": " << (header.left + '|' + header.right).toStdString();
        step = now;
        const qreal gap = header.left.isEmpty() || header.right.isEmpty() ? 0 : 10;
        EXPECT_LE(font.horizontalAdvance(header.left) + gap + font.horizontalAdvance(header.right), width);
    }
    EXPECT_EQ(step, steps.size() - 1);
}

INSTANTIATE_TEST_SUITE_P(Report, PageMakeUp, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pumpvale::testing
