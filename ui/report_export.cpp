#include "ui/report_export.h"

#include "aodd/comparison_report.h"
#include "core/life_cycle_report.h"
#include "ui/file_dialogs.h"
#include "ui/report_layouts.h"
#include "ui/report_printing.h"
#include "ui/user_files.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <array>
#include <functional>

namespace pumpvale::report_export {
namespace {

struct Kind {
    Format format;
    const char* filter;
    const char* suffix;
};

// In Format's order.
// clang-format off
constexpr std::array kKinds{
    Kind{Format::Pdf,  "PDF document (*.pdf)",            "pdf"},
    Kind{Format::Html, "HTML page (*.html *.htm)",        "html"},
    Kind{Format::Csv,  "Figures as CSV (*.csv)",          "csv"},
};
// clang-format on

QString failure(const QString& path, const QString& reason) {
    return QStringLiteral("The report could not be saved to \"%1\": %2.")
        .arg(user_files::shownPath(path), reason);
}

// The kind a name's ending stands for, if any.
const Kind* kindOfName(const QString& path) {
    QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("htm"))
        suffix = QStringLiteral("html");
    for (const Kind& kind : kKinds)
        if (suffix == QLatin1String(kind.suffix))
            return &kind;
    return nullptr;
}

const Kind& kindOf(Format format) {
    return kKinds[static_cast<std::size_t>(format)];
}

// The printed pages, with the one PDF details rule of printing.
QByteArray pdfBytes(const ReportPage& page) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!printing::writeReportPdf(buffer, localePageSize(QLocale()), page))
        return {};
    return bytes;
}

// A chart drawn black on white into a picture twice as fine as it is shown, as a PNG.
constexpr int kChartWidth = 760; // CSS pixels, about the printed page's text width
constexpr double kChartHeightPerWidth = 0.62;

QByteArray chartPng(const std::function<void(QPainter&, const QRectF&)>& draw) {
    const QSizeF size(kChartWidth, kChartWidth * kChartHeightPerWidth);
    QImage image((size * 2).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        painter.setFont(font);
        draw(painter, QRectF(QPointF(0, 0), size));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return png;
}

// The page's charts, each after the table it draws, as the printed page places them.
HtmlAfterTables htmlCharts(const ReportPage& page) {
    HtmlAfterTables after;
    if (page.chart) {
        const CostChartView& view = *page.chart;
        const QByteArray png =
            chartPng([&](QPainter& p, const QRectF& area) { drawCostChart(p, area, view, ChartColours{}); });
        if (!png.isEmpty())
            after[kInletComparisonTableKey] =
                htmlPngFigure(QString::fromLatin1(kCostChartHeading), png, kChartWidth);
    }
    if (page.ownershipChart) {
        const OwnershipChartData& data = *page.ownershipChart;
        const QByteArray png = chartPng(
            [&](QPainter& p, const QRectF& area) { drawOwnershipChart(p, area, data, ChartColours{}); });
        if (!png.isEmpty())
            after[std::string(life_cycle_keys::kPaybackByYear)] =
                htmlPngFigure(QString::fromLatin1(kOwnershipChartHeading), png, kChartWidth);
    }
    return after;
}

} // namespace

QString filters() {
    QStringList out;
    for (const Kind& kind : kKinds)
        out << QString::fromLatin1(kind.filter);
    return out.join(QStringLiteral(";;"));
}

Format formatOf(const QString& filter, const QString& path) {
    if (const Kind* named = kindOfName(path))
        return named->format;
    for (const Kind& kind : kKinds)
        if (filter == QLatin1String(kind.filter))
            return kind.format;
    return Format::Pdf;
}

QString withSuffix(const QString& path, Format format) {
    if (kindOfName(path) != nullptr)
        return path;
    return path + QLatin1Char('.') + QLatin1String(kindOf(format).suffix);
}

std::optional<Destination> askDestination(QWidget* parent, const QString& title, const QString& baseName) {
    static Format last = Format::Pdf; // for the run only
    const Kind& kind = kindOf(last);
    const auto choice =
        file_dialogs::askToSave(parent, title, baseName + QLatin1Char('.') + QLatin1String(kind.suffix),
                                filters(), QLatin1String(kind.filter));
    if (!choice)
        return std::nullopt;
    last = formatOf(choice->filter, choice->path);
    return Destination{withSuffix(choice->path, last), last};
}

std::optional<QString> write(const QString& path, Format format, const ReportPage& page) {
    QByteArray bytes;
    switch (format) {
        case Format::Pdf:
            bytes = pdfBytes(page);
            if (bytes.isEmpty())
                return failure(path, QStringLiteral("the pages could not be drawn"));
            break;
        case Format::Html:
            bytes = reportHtmlDocument(page.layout, page.when, htmlCharts(page)).toUtf8();
            break;
        case Format::Csv:
            bytes = QByteArray::fromStdString(page.figuresCsv ? *page.figuresCsv : reportCsv(page.layout));
            break;
    }
    if (const std::optional<QString> reason = user_files::saveWhole(path, bytes))
        return failure(path, *reason);
    return std::nullopt;
}

} // namespace pumpvale::report_export
