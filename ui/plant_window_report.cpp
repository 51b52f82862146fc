// The plant list's report: the report's one layout of the rows shown, printed and exported by the
// single report's machinery (ui/report_page.h, ui/report_printing.h, ui/report_export.h).
#include "cases/plant_report.h"
#include "ui/plant_costing.h"
#include "ui/plant_model.h"
#include "ui/plant_window.h"
#include "ui/report_layouts.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

namespace pumpvale {

QString PlantWindow::shownRowsText() const {
    const int column = model_->sortColumn();
    QString text = filter_->currentText();
    if (column >= 0 && column < sortColumn_->count())
        text += QStringLiteral(", sorted by %1, %2")
                    .arg(sortColumn_->itemText(column), model_->sortOrder() == Qt::DescendingOrder
                                                            ? QStringLiteral("descending")
                                                            : QStringLiteral("ascending"));
    return text;
}

ReportPage PlantWindow::page() const {
    ReportPage page;
    page.when = QDateTime::currentDateTime();
    if (!model_->table())
        return page;
    const cases::PlantReportSource source{QFileInfo(path_).fileName().toStdString(),
                                          shownRowsText().toStdString(),
                                          !isCosting() && !costing_->outcome().stopped};
    page.orientation = QPageLayout::Landscape; // a table of a dozen columns and more
    page.layout = cases::plantReportLayout(*model_->table(), model_->list(), model_->shown(),
                                           model_->totals(), source, localeSeparators());
    return page;
}

void PlantWindow::printReport() {
    QString failure;
    if (printing::printWithDialog(this, localePageSize(QLocale()), page(), &failure) ==
        printing::Outcome::Failed)
        QMessageBox::warning(this, QStringLiteral("Print Plant Report"), failure);
}

printing::Outcome PlantWindow::printReportToPdf(const QString& path) const {
    return printing::printToPdf(path, localePageSize(QLocale()), page());
}

std::optional<QString> PlantWindow::exportReportTo(const QString& path, report_export::Format format) const {
    if (format != report_export::Format::Csv)
        return report_export::write(path, format, page());
    ReportPage figures; // the table, every row: no layout to lay out
    if (model_->table())
        figures.figuresCsv = cases::plantCsv(*model_->table(), model_->list(), model_->shown());
    return report_export::write(path, format, figures);
}

void PlantWindow::exportReport() {
    const QFileInfo list(path_);
    const auto chosen = report_export::askDestination(
        this, QStringLiteral("Export Plant Report"),
        list.dir().filePath(list.completeBaseName() + QStringLiteral(" plant report")));
    if (!chosen)
        return;
    if (const auto failure = exportReportTo(chosen->path, chosen->format))
        QMessageBox::warning(this, QStringLiteral("Export Plant Report"), *failure);
}

} // namespace pumpvale
