#include "ui/report_printing.h"

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

namespace pumpvale::printing {

Outcome printWithDialog(QWidget* parent, const QPageSize& paper, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Pumpvale report");
    // Printing to a file has no printer to ask for its paper: the locale's is used.
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
        printer.setPageSize(paper);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print Report");
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    paint(printer);
    return Outcome::Printed;
}

Outcome printToPdf(const QString& path, const QPageSize& paper, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName("Pumpvale report");
    printer.setPageSize(paper);
    paint(printer);
    return Outcome::Printed;
}

} // namespace pumpvale::printing
