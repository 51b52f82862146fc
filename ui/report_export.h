// "Export Report...": the report saved as a PDF document, an HTML page or a CSV file of its figures.
//
// The name decides the format: one ending in .pdf, .html or .htm, or .csv gets that format whatever
// filter is selected; another gets the selected filter's format and its ending. The file is made whole
// in memory, then written whole or not at all (ui/user_files.h): a write that fails leaves any file
// already there as it was, and the failure is told in a message that names the file and the reason.
// The writing and its wording need no dialog, so they are tested directly.
#pragma once

#include "ui/report_page.h"

#include <QString>
#include <optional>

class QWidget;

namespace pumpvale::report_export {

enum class Format { Pdf, Html, Csv };

// The save dialog's filters, PDF first, and the format of a name chosen with a filter selected.
QString filters();
Format formatOf(const QString& filter, const QString& path);
// path with the format's ending added when it has none of the formats' endings.
QString withSuffix(const QString& path, Format format);

struct Destination {
    QString path;
    Format format;
};
// Asks for a name, starting with the format and the folder of the last export of the run.
// title and baseName (the suggested file's name before its ending) are those of the report asked for.
std::optional<Destination> askDestination(QWidget* parent,
                                          const QString& title = QStringLiteral("Export Report"),
                                          const QString& baseName = QStringLiteral("Pumpvale report"));

// Writes page to path; returns why it failed, or nothing when the file is written.
std::optional<QString> write(const QString& path, Format format, const ReportPage& page);

} // namespace pumpvale::report_export
