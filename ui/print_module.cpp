// The printing module, loaded by ui/report_printing.cpp on the first print: the system's print dialog
// and the printer. It alone links Qt Print Support; the program paints the pages.
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <functional>

namespace {

using PagePainter = std::function<void(QPagedPaintDevice&)>;

} // namespace

extern "C" {

Q_DECL_EXPORT int pumpvalePrintWithDialog(QWidget* parent, const QPageSize* paper, const PagePainter* paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Pumpvale report");
    // Printing to a file has no printer to ask for its paper: the locale's is used.
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
        printer.setPageSize(*paper);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print Report");
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    (*paint)(printer);
    return 1;
}

Q_DECL_EXPORT int pumpvalePrintToPdf(const QString* path, const QPageSize* paper, const PagePainter* paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*path);
    printer.setDocName("Pumpvale report");
    printer.setPageSize(*paper);
    (*paint)(printer);
    return 1;
}

} // extern "C"
