#include "ui/report_layouts.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLocale>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>
#include <vector>

namespace pumpvale {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QString escaped(const std::string& text) {
    return q(text).toHtmlEscaped();
}

// The plain text fits a terminal of this many columns: long cells wrap within their column.
constexpr qsizetype kPlainWidth = 100;
constexpr qsizetype kPlainIndent = 2; // before a table's rows
constexpr qsizetype kPlainGap = 2;    // between its columns
constexpr qsizetype kNarrowest = 8;   // a column narrowed past its longest word breaks words here

// Lines of at most width characters, broken at blanks (a no-break space holds), a longer word cut.
QStringList wrapped(const QString& text, qsizetype width) {
    QStringList lines{QString()};
    for (QString word : text.split(' ')) {
        if (!lines.back().isEmpty() && lines.back().size() + 1 + word.size() <= width) {
            lines.back() += ' ' + word;
            continue;
        }
        if (!lines.back().isEmpty())
            lines << QString();
        for (qsizetype cut = 0; word.size() > width && cut < text.size(); ++cut) {
            lines.back() = word.left(width);
            lines << QString();
            word = word.mid(width);
        }
        lines.back() = word;
    }
    return lines;
}

qsizetype longestWord(const QString& text) {
    qsizetype longest = 0;
    for (const QString& word : text.split(' '))
        longest = std::max(longest, word.size());
    return longest;
}

// Each column as wide as its widest cell, header included; then, the widest first, narrowed until the
// table fits: a header wraps before a cell does, a cell wraps at its blanks, and only then is a word cut.
// rows.front() is the header row.
std::vector<qsizetype> plainWidths(const std::vector<std::vector<QString>>& rows, std::size_t count) {
    std::vector<qsizetype> widths(count, 0);
    std::vector<qsizetype> cells(count, 0); // the widest cell below the header, or the header's longest word
    std::vector<qsizetype> words(count, 0);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t i = 0; i < rows[r].size() && i < count; ++i) {
            widths[i] = std::max(widths[i], rows[r][i].size());
            words[i] = std::max(words[i], longestWord(rows[r][i]));
            cells[i] = std::max(cells[i], r == 0 ? longestWord(rows[r][i]) : rows[r][i].size());
        }
    qsizetype total = kPlainIndent + kPlainGap * qsizetype(count > 0 ? count - 1 : 0);
    for (const qsizetype width : widths)
        total += width;
    std::vector<qsizetype> narrowest(count, kNarrowest);
    const qsizetype steps = total; // each step takes one character off
    for (const std::vector<qsizetype>* floor : {&cells, &words, &narrowest})
        for (qsizetype step = 0; step < steps && total > kPlainWidth; ++step) {
            std::size_t widest = count;
            for (std::size_t i = 0; i < count; ++i)
                if (widths[i] > (*floor)[i] && (widest == count || widths[i] >= widths[widest]))
                    widest = i;
            if (widest == count)
                break;
            --widths[widest];
            --total;
        }
    return widths;
}

// A paragraph wrapped to the page's width, its first line after lead and the others indented as far.
QString plainParagraph(const QString& lead, const QString& text) {
    const QStringList lines = wrapped(text, kPlainWidth - lead.size());
    QString out;
    for (qsizetype i = 0; i < lines.size(); ++i)
        out += (i == 0 ? lead : QString(lead.size(), ' ')) + lines[i] + "\n";
    return out;
}

QString plainTable(const LayoutTable& table) {
    // The header row first, then the table's rows; a cell holding a figure is set to the right.
    std::vector<std::vector<QString>> rows(1);
    std::vector<std::vector<bool>> right(1, std::vector<bool>(table.columns.size(), false));
    for (const LayoutColumn& column : table.columns)
        rows.front().push_back(q(column.header()));
    for (const auto& row : table.rows) {
        rows.emplace_back();
        right.emplace_back();
        for (std::size_t i = 0; i < row.size() && i < table.columns.size(); ++i) {
            rows.back().push_back(q(row[i].text));
            right.back().push_back(row[i].number);
        }
    }
    const std::vector<qsizetype> widths = plainWidths(rows, table.columns.size());
    QString out = "\n" + plainParagraph({}, q(table.heading));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<QStringList> cells;
        qsizetype height = 1;
        for (std::size_t i = 0; i < rows[r].size(); ++i) {
            cells.push_back(wrapped(rows[r][i], widths[i]));
            height = std::max(height, cells.back().size());
        }
        for (qsizetype line = 0; line < height; ++line) {
            QString text(kPlainIndent, ' ');
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const QString part = line < cells[i].size() ? cells[i][line] : QString();
                text += (right[r][i] ? part.rightJustified(widths[i]) : part.leftJustified(widths[i])) +
                        QString(kPlainGap, ' ');
            }
            while (text.endsWith(' '))
                text.chop(1);
            out += text + "\n";
        }
    }
    return out;
}

// The column's name broken between words into lines about as wide as its widest cell or its unit (a
// few characters more, so that a short word need not stand alone), the unit on a line of its own.
QString narrowHeader(const LayoutTable& table, std::size_t column, const QFontMetrics& header,
                     const QFontMetrics& body) {
    const LayoutColumn& c = table.columns[column];
    const QString unit = c.unit.empty() ? QString() : "(" + q(c.unit) + ")";
    int width = header.horizontalAdvance(unit);
    for (const auto& row : table.rows)
        if (column < row.size())
            width = std::max(width, body.horizontalAdvance(q(row[column].text)));
    width += 3 * header.averageCharWidth();
    QStringList lines;
    for (const QString& word : q(c.name).split(' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && header.horizontalAdvance(lines.back() + ' ' + word) <= width)
            lines.back() += ' ' + word;
        else
            lines << word;
    }
    if (!unit.isEmpty())
        lines << unit;
    return lines.join('\n');
}

// A table with its heading and header row; figures on the right.
QString htmlTable(const LayoutTable& table) {
    QString html = "<h3>" + escaped(table.heading) + "</h3>\n";
    html +=
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" style=\"border-collapse: collapse\">\n<tr>";
    for (const LayoutColumn& column : table.columns)
        html += "<th align=\"left\">" + escaped(column.header()) + "</th>";
    html += "</tr>\n";
    for (const auto& row : table.rows) {
        html += "<tr>";
        for (const LayoutCell& cell : row)
            html += QString("<td%1>%2</td>").arg(cell.number ? " align=\"right\"" : "", escaped(cell.text));
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

// Black on white in the body's font, grey header rows as on the printed page; a table's heading stays
// with it, and neither a row nor a chart is split between printed pages.
const char* const kDocumentStyle =
    "body { font-family: \"DejaVu Sans\", Arial, sans-serif; font-size: 10pt; color: #000; background: #fff;"
    " max-width: 60em; margin: 1.5em auto; padding: 0 1em; }\n"
    "h1 { font-size: 15pt; } h3 { font-size: 12pt; margin: 1.2em 0 0.3em; break-after: avoid; }\n"
    "table { border-collapse: collapse; font-size: 9pt; }\n"
    "th, td { border: 1px solid #a0a0a0; padding: 2px 5px; vertical-align: top; text-align: left; }\n"
    "th { background: #e4e4e4; } td[align=right] { text-align: right; white-space: nowrap; }\n"
    "tr, figure, img { break-inside: avoid; }\n"
    "figure { margin: 0; } img { max-width: 100%; height: auto; }\n"
    "p.verdict { font-size: 11pt; } p.date { color: #444; }\n"
    "@page { margin: 18mm; }\n";

} // namespace

ReportLayout localeLayout(const CalculationReport& report) {
    return layoutReport(report, localeSeparators());
}

QString reportPlainText(const ReportLayout& layout) {
    QString out = plainParagraph({}, q(layout.title));
    for (const IdentityLine& line : layout.identity)
        out += plainParagraph({}, q(identityText(line)));
    if (!layout.dutyPoint.empty())
        out += plainParagraph({}, "Duty point: " + q(layout.dutyPoint));
    if (!layout.summary.rows.empty())
        out += plainTable(layout.summary);
    if (!layout.verdict.empty())
        out += "\n" + plainParagraph({}, q(layout.verdict));
    for (const LayoutTable& table : layout.tables)
        out += plainTable(table);
    out += "\n" + q(layout.notesHeading) + "\n";
    for (const std::string& note : layout.notes)
        out += plainParagraph("  - ", q(note));
    return out;
}

QString reportHtmlIdentity(const ReportLayout& layout) {
    if (layout.identity.empty())
        return {};
    QString html = "<table cellspacing=\"0\" cellpadding=\"3\">\n";
    for (const IdentityLine& line : layout.identity)
        html += "<tr><th align=\"left\">" + escaped(line.name) + "</th><td>" + escaped(line.text) +
                "</td></tr>\n";
    return html + "</table>\n";
}

QString reportHtmlSummary(const ReportLayout& layout) {
    QString html;
    if (!layout.dutyPoint.empty())
        html += "<p>Duty point: " + escaped(layout.dutyPoint) + "</p>\n";
    if (!layout.summary.rows.empty())
        html += htmlTable(layout.summary);
    if (!layout.verdict.empty())
        html += "<p class=\"verdict\"><b>" + escaped(layout.verdict) + "</b></p>\n";
    return html;
}

QString reportHtmlHead(const ReportLayout& layout) {
    return reportHtmlIdentity(layout) + reportHtmlSummary(layout);
}

QString reportHtmlTables(const ReportLayout& layout) {
    return reportHtmlTables(layout, {});
}

QString reportHtmlTables(const ReportLayout& layout, const HtmlAfterTables& after) {
    QString html;
    for (const LayoutTable& table : layout.tables) {
        html += htmlTable(table);
        if (const auto figure = after.find(table.key); figure != after.end())
            html += figure->second;
    }
    html += "<h3>" + escaped(layout.notesHeading) + "</h3>\n<ul>\n";
    for (const std::string& note : layout.notes)
        html += "<li>" + escaped(note) + "</li>\n";
    return html + "</ul>\n";
}

QString reportHtmlDocument(const ReportLayout& layout, const QDateTime& when, const HtmlAfterTables& after) {
    QString html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                   escaped(layout.title) + "</title>\n<style>\n" + kDocumentStyle +
                   "</style>\n</head>\n<body>\n";
    html += "<h1>" + escaped(layout.title) + "</h1>\n" + reportHtmlHead(layout);
    html += "<p class=\"date\">" + pageDate(when).toHtmlEscaped() + "</p>\n";
    return html + reportHtmlTables(layout, after) + "</body>\n</html>\n";
}

QString htmlPngFigure(const QString& heading, const QByteArray& png, int width) {
    return "<figure>\n<h3>" + heading.toHtmlEscaped() + "</h3>\n<img src=\"data:image/png;base64," +
           QString::fromLatin1(png.toBase64()) + "\" width=\"" + QString::number(width) + "\" alt=\"" +
           heading.toHtmlEscaped() + "\">\n</figure>\n";
}

void showLayoutTable(QTableWidget& table, const LayoutTable& source, Headers headers) {
    const int columns = int(source.columns.size());
    table.clear();
    table.setColumnCount(columns);
    table.setRowCount(int(source.rows.size()));
    QStringList labels;
    for (std::size_t i = 0; i < source.columns.size(); ++i)
        labels << (headers == Headers::Narrow
                       ? narrowHeader(source, i, table.horizontalHeader()->fontMetrics(), table.fontMetrics())
                       : q(source.columns[i].header("\n")));
    table.setHorizontalHeaderLabels(labels);
    table.horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int row = 0; row < table.rowCount(); ++row) {
        const auto& cells = source.rows[std::size_t(row)];
        for (int column = 0; column < columns && column < int(cells.size()); ++column) {
            const LayoutCell& cell = cells[std::size_t(column)];
            auto* item = new QTableWidgetItem(q(cell.text));
            item->setTextAlignment((cell.number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table.setItem(row, column, item);
        }
    }
}

QString pageDate(const QDateTime& when) {
    const QLocale locale;
    QString date = locale.dateFormat(QLocale::LongFormat);
    if (locale.language() != QLocale::English) {
        // The page is in English: a month's name in another language would not belong on it.
        date = locale.dateFormat(QLocale::ShortFormat);
        if (!date.contains(QStringLiteral("yyyy")))
            date.replace(QStringLiteral("yy"), QStringLiteral("yyyy")); // a year in full on a document
    }
    return locale.toString(when.date(), date) + QStringLiteral(", ") +
           locale.toString(when.time(), QLocale::ShortFormat);
}

} // namespace pumpvale
