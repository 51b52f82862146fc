#include "ui/report_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace pumpvale::printing {
namespace {

// The page's HTML, shrunk where needed so that the whole report stands on one page.
void paintOnePage(QPrinter& printer, const QString& html) {
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    document.setDefaultFont(QFont("DejaVu Sans", 8));
    document.setHtml(html);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    document.setTextWidth(page.width());
    // Too tall: draw smaller, laid out on a proportionally wider line, which can only make it shorter.
    qreal scale = 1;
    if (document.size().height() > page.height()) {
        scale = page.height() / document.size().height();
        document.setTextWidth(page.width() / scale);
    }
    QPainter painter(&printer);
    painter.scale(scale, scale);
    document.drawContents(&painter);
}

} // namespace

Outcome printWithDialog(QWidget* parent, const QString& pageHtml) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Pumpvale report");
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print Report");
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    paintOnePage(printer, pageHtml);
    return Outcome::Printed;
}

Outcome printToPdf(const QString& path, const QString& pageHtml) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName("Pumpvale report");
    paintOnePage(printer, pageHtml);
    return Outcome::Printed;
}

} // namespace pumpvale::printing
