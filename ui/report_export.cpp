#include "ui/report_export.h"

#include "ui/report_layouts.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <array>

namespace pumpvale::report_export {
namespace {

struct Kind {
    Format format;
    const char* filter;
    const char* suffix;
};

// clang-format off
constexpr std::array kKinds{
    Kind{Format::Pdf,  "PDF document (*.pdf)",            "pdf"},
    Kind{Format::Html, "HTML page (*.html *.htm)",        "html"},
    Kind{Format::Csv,  "Figures as CSV (*.csv)",          "csv"},
};
// clang-format on

QString failure(const QString& path, const QString& reason) {
    return QStringLiteral("The report could not be saved to \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString filters() {
    QStringList out;
    for (const Kind& kind : kKinds)
        out << QString::fromLatin1(kind.filter);
    return out.join(QStringLiteral(";;"));
}

Format formatOf(const QString& filter, const QString& path) {
    for (const Kind& kind : kKinds)
        if (filter == QLatin1String(kind.filter))
            return kind.format;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("htm"))
        return Format::Html;
    for (const Kind& kind : kKinds)
        if (suffix == QLatin1String(kind.suffix))
            return kind.format;
    return Format::Pdf;
}

QString withSuffix(const QString& path, Format format) {
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    for (const Kind& kind : kKinds)
        if (kind.format == format)
            return path + '.' + QLatin1String(kind.suffix);
    return path;
}

std::optional<QString> write(const QString& path, Format format, const ReportPage& page) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    bool written = true;
    switch (format) {
        case Format::Pdf: {
            QPdfWriter pdf(&file);
            pdf.setPageSize(localePageSize(QLocale()));
            pdf.setTitle(QString::fromStdString(page.layout.title));
            pdf.setCreator(programAndVersion());
            paintReportPages(pdf, page);
            break;
        }
        case Format::Html: {
            const QByteArray bytes = reportHtmlDocument(page.layout, page.when).toUtf8();
            written = file.write(bytes) == bytes.size();
            break;
        }
        case Format::Csv: {
            const std::string layoutCsv = page.figuresCsv ? std::string() : reportCsv(page.layout);
            const std::string& text = page.figuresCsv ? *page.figuresCsv : layoutCsv;
            written = file.write(text.data(), qint64(text.size())) == qint64(text.size());
            break;
        }
    }
    if (!written || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(path, reason);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return std::nullopt;
}

} // namespace pumpvale::report_export
