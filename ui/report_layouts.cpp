#include "ui/report_layouts.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace pumpvale {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The cells of one line of the report, before any layout.
struct Line {
    enum class Kind { Heading, Columns, Row } kind;
    QStringList cells;
    QList<bool> right = {}; // numbers stand aligned on the right

    bool alignsRight(qsizetype column) const { return column < right.size() && right[column]; }
};

bool isNumber(const ReportValue& value) {
    return value.kind != ReportValue::Kind::Text;
}

const QStringList kColumns{"Quantity", "Value", "Unit", "How it is found"};

std::vector<Line> linesOf(const CalculationReport& report, const Separators& separators) {
    std::vector<Line> lines;
    for (const ReportSection& section : report.sections) {
        lines.push_back({Line::Kind::Heading, {q(section.title)}});
        for (const ReportRow& row : section.rows)
            lines.push_back(
                {Line::Kind::Row,
                 {q(row.name), q(formatValue(row.value, separators)), q(row.unit), q(row.formula)},
                 {false, isNumber(row.value)}});
        if (section.table.empty())
            continue;
        QStringList columns;
        for (const std::string& column : section.table.columns)
            columns << q(column);
        lines.push_back({Line::Kind::Columns, columns});
        for (const auto& values : section.table.rows) {
            Line line{Line::Kind::Row, {}};
            for (const ReportValue& value : values) {
                line.cells << q(formatValue(value, separators));
                line.right << isNumber(value);
            }
            lines.push_back(line);
        }
    }
    return lines;
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

} // namespace

Separators localeSeparators() {
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QString reportPlainText(const CalculationReport& report, const Separators& separators) {
    const std::vector<Line> lines = linesOf(report, separators);
    // Each column as wide as its widest cell; headings stand on their own.
    std::vector<qsizetype> widths(kColumns.size(), 0);
    for (const Line& line : lines)
        if (line.kind != Line::Kind::Heading)
            for (qsizetype i = 0; i < line.cells.size(); ++i) {
                if (std::size_t(i) >= widths.size())
                    widths.resize(std::size_t(i) + 1, 0);
                widths[std::size_t(i)] = std::max(widths[std::size_t(i)], line.cells[i].size());
            }

    QString out = q(report.title) + "\n";
    for (const Line& line : lines) {
        if (line.kind == Line::Kind::Heading) {
            out += "\n" + line.cells.first() + "\n";
            continue;
        }
        QString text;
        for (qsizetype i = 0; i < line.cells.size(); ++i) {
            const int width = int(widths[std::size_t(i)]);
            text += (line.alignsRight(i) ? line.cells[i].rightJustified(width)
                                         : line.cells[i].leftJustified(width)) +
                    "  ";
        }
        out += "  " + text.trimmed() + "\n";
    }
    out += "\nAssumptions\n";
    for (const std::string& assumption : report.assumptions)
        out += "  - " + q(assumption) + "\n";
    return out;
}

QString reportHtmlTable(const CalculationReport& report, const Separators& separators) {
    QString html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>";
    for (const QString& column : kColumns)
        html += "<th align=\"left\">" + column + "</th>";
    html += "</tr>\n";
    for (const Line& line : linesOf(report, separators)) {
        if (line.kind == Line::Kind::Heading) {
            html += QString("<tr><th colspan=\"%1\" align=\"left\" bgcolor=\"#e8e8e8\">%2</th></tr>\n")
                        .arg(kColumns.size())
                        .arg(escaped(line.cells.first()));
            continue;
        }
        html += "<tr>";
        for (qsizetype i = 0; i < line.cells.size(); ++i) {
            const char* tag = line.kind == Line::Kind::Columns ? "th" : "td";
            const char* align = line.alignsRight(i) ? " align=\"right\"" : "";
            html += QString("<%1%2>%3</%1>").arg(tag, align, escaped(line.cells[i]));
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

QString reportPageHtml(const CalculationReport& report, const Separators& separators, const QDateTime& when) {
    QString html = "<html><body style=\"font-family: 'DejaVu Sans'; font-size: 8pt\">\n";
    html += "<h2>" + escaped(q(report.title)) + "</h2>\n";
    html += "<p>" + escaped(QLocale().toString(when, QLocale::LongFormat)) + "</p>\n";
    html += reportHtmlTable(report, separators);
    html += "<h3>Assumptions</h3>\n<ul>\n";
    for (const std::string& assumption : report.assumptions)
        html += "<li>" + escaped(q(assumption)) + "</li>\n";
    return html + "</ul>\n</body></html>\n";
}

} // namespace pumpvale
