// The printing module, loaded by ui/report_printing.cpp on the first print: the system's print dialog
// and the painting of the report page. It alone links Qt Print Support.
#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

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

extern "C" {

Q_DECL_EXPORT int pumpvalePrintWithDialog(QWidget* parent, const QString* html) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Pumpvale report");
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print Report");
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    paintOnePage(printer, *html);
    return 1;
}

Q_DECL_EXPORT int pumpvalePrintToPdf(const QString* path, const QString* html) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*path);
    printer.setDocName("Pumpvale report");
    paintOnePage(printer, *html);
    return 1;
}

} // extern "C"
