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

QString plainTable(const LayoutTable& table) {
    std::vector<qsizetype> widths(table.columns.size(), 0);
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        widths[i] = q(table.columns[i].header()).size();
    for (const auto& row : table.rows)
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], q(row[i].text).size());
    const auto line = [&](const auto& cellAt, std::size_t count) {
        QString text;
        for (std::size_t i = 0; i < count && i < widths.size(); ++i) {
            const auto [cell, right] = cellAt(i);
            text += (right ? cell.rightJustified(widths[i]) : cell.leftJustified(widths[i])) + "  ";
        }
        return "  " + text.trimmed() + "\n";
    };
    QString out = "\n" + q(table.heading) + "\n";
    out += line([&](std::size_t i) { return std::pair(q(table.columns[i].header()), false); },
                table.columns.size());
    for (const auto& row : table.rows)
        out += line([&](std::size_t i) { return std::pair(q(row[i].text), row[i].number); }, row.size());
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

} // namespace

ReportLayout localeLayout(const CalculationReport& report) {
    return layoutReport(report, localeSeparators());
}

QString reportPlainText(const ReportLayout& layout) {
    QString out = q(layout.title) + "\n";
    for (const IdentityLine& line : layout.identity)
        out += q(identityText(line)) + "\n";
    if (!layout.dutyPoint.empty())
        out += "Duty point: " + q(layout.dutyPoint) + "\n";
    for (const LayoutTable& table : layout.tables)
        out += plainTable(table);
    out += "\n" + q(layout.notesHeading) + "\n";
    for (const std::string& note : layout.notes)
        out += "  - " + q(note) + "\n";
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

QString reportHtmlTables(const ReportLayout& layout) {
    QString html;
    for (const LayoutTable& table : layout.tables) {
        html += "<h3>" + escaped(table.heading) + "</h3>\n";
        html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>";
        for (const LayoutColumn& column : table.columns)
            html += "<th align=\"left\">" + escaped(column.header()) + "</th>";
        html += "</tr>\n";
        for (const auto& row : table.rows) {
            html += "<tr>";
            for (const LayoutCell& cell : row)
                html +=
                    QString("<td%1>%2</td>").arg(cell.number ? " align=\"right\"" : "", escaped(cell.text));
            html += "</tr>\n";
        }
        html += "</table>\n";
    }
    html += "<h3>" + escaped(layout.notesHeading) + "</h3>\n<ul>\n";
    for (const std::string& note : layout.notes)
        html += "<li>" + escaped(note) + "</li>\n";
    return html + "</ul>\n";
}

QString reportHtmlDocument(const ReportLayout& layout, const QDateTime& when) {
    QString html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                   escaped(layout.title) + "</title>\n</head>\n<body>\n";
    html += "<h1>" + escaped(layout.title) + "</h1>\n" + reportHtmlIdentity(layout);
    if (!layout.dutyPoint.empty())
        html += "<p>Duty point: " + escaped(layout.dutyPoint) + "</p>\n";
    html += "<p>" + pageDate(when).toHtmlEscaped() + "</p>\n";
    return html + reportHtmlTables(layout) + "</body>\n</html>\n";
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
    return QLocale(QLocale::English, QLocale::UnitedKingdom).toString(when, "d MMMM yyyy, HH:mm");
}

} // namespace pumpvale
