#include "ui/report_printing.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>

namespace pumpvale::printing {
namespace {

// A PDF text string in UTF-16 with its byte order mark, as hexadecimal: no character needs escaping.
QByteArray pdfText(const QString& text) {
    QByteArray out = "<FEFF";
    for (const QChar ch : text)
        out += QByteArray::number(ch.unicode(), 16).rightJustified(4, '0').toUpper();
    return out + '>';
}

// The last match of pattern in text, or nothing.
QByteArray lastCapture(const QByteArray& text, const QString& pattern) {
    QRegularExpressionMatch last;
    for (auto it = QRegularExpression(pattern).globalMatch(QString::fromLatin1(text)); it.hasNext();)
        last = it.next();
    return last.hasMatch() ? last.captured(1).toLatin1() : QByteArray();
}

QString printFailure(const QString& path, const QString& reason) {
    return QStringLiteral("The report could not be printed to \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

// Writes bytes to path whole, or leaves what was there.
Outcome save(const QString& path, const QByteArray& bytes, QString* failure) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return Outcome::Printed;
    if (failure != nullptr)
        *failure = printFailure(path, file.errorString());
    return Outcome::Failed;
}

} // namespace

PdfInfo pdfInfo(const ReportLayout& layout) {
    const QString program = programAndVersion();
    const QString duty = QString::fromStdString(layout.dutyPoint);
    return {QString::fromStdString(layout.title), program,
            duty.isEmpty() ? QString() : QStringLiteral("Duty point: ") + duty};
}

// Qt writes a title and a creator alone. The whole information dictionary is written again as an update
// at the end of the file (the PDF's own way to amend a document): a new object, a cross-reference
// section for it, and a trailer that points back to the first one.
QByteArray withPdfInfo(const QByteArray& pdf, const PdfInfo& info) {
    const QByteArray tail = pdf.right(4096); // the trailer and startxref are at the end
    const QByteArray previous = lastCapture(tail, QStringLiteral(R"(startxref\s+(\d+))"));
    const QByteArray size = lastCapture(tail, QStringLiteral(R"(/Size\s+(\d+))"));
    const QByteArray root = lastCapture(tail, QStringLiteral(R"(/Root\s+(\d+\s+\d+\s+R))"));
    bool isNumber = false;
    const qlonglong object = size.toLongLong(&isNumber);
    if (previous.isEmpty() || root.isEmpty() || !isNumber || object <= 0)
        return pdf;
    const QByteArray head = pdf.left(8192); // Qt writes its information first
    const QByteArray producer = lastCapture(head, QStringLiteral(R"(/Producer\s*(\([^)]*\)|<[^>]*>))"));
    const QByteArray created = lastCapture(head, QStringLiteral(R"(/CreationDate\s*(\([^)]*\)))"));

    QByteArray out = pdf;
    if (!out.endsWith('\n'))
        out += '\n';
    const qsizetype at = out.size();
    out += QByteArray::number(object) + " 0 obj\n<<\n/Title " + pdfText(info.title) + "\n/Author " +
           pdfText(info.author) + "\n/Subject " + pdfText(info.subject) + "\n/Creator " +
           pdfText(info.author);
    if (!producer.isEmpty())
        out += "\n/Producer " + producer;
    if (!created.isEmpty())
        out += "\n/CreationDate " + created;
    out += "\n>>\nendobj\n";
    const qsizetype xref = out.size();
    // Each entry of a cross-reference section is 20 bytes: offset, generation, "n", a blank and a line end.
    out += "xref\n" + QByteArray::number(object) + " 1\n" + QByteArray::number(at).rightJustified(10, '0') +
           " 00000 n \ntrailer\n<<\n/Size " + QByteArray::number(object + 1) + "\n/Root " + root +
           "\n/Info " + QByteArray::number(object) + " 0 R\n/Prev " + previous + "\n>>\nstartxref\n" +
           QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

QByteArray reportPdf(const ReportPage& page, const QPageLayout& paper, PageSpan span) {
    const PdfInfo info = pdfInfo(page.layout);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(paper);
        pdf.setTitle(info.title);
        pdf.setCreator(info.author);
        paintReportPages(pdf, page, span);
    }
    return withPdfInfo(buffer.data(), info);
}

bool writeReportPdf(QIODevice& out, const QPageSize& paper, const ReportPage& page) {
    const QByteArray bytes = reportPdf(page, QPageLayout(paper, QPageLayout::Portrait, QMarginsF()));
    return out.write(bytes) == bytes.size();
}

Outcome printWithDialog(QWidget* parent, const QPageSize& paper, const ReportPage& page, QString* failure) {
    const PdfInfo info = pdfInfo(page.layout);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(info.title);
    printer.setCreator(info.author);
    // Printing to a file has no printer to ask for its paper: the locale's is used.
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
        printer.setPageSize(paper);
    // The range offered is the report's pages on this paper.
    const int pages = reportPageCount(printer, page);
    printer.setFromTo(1, pages);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print Report");
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, pages);
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    PageSpan span;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        span = {printer.fromPage(), printer.toPage()};
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return save(printer.outputFileName(), reportPdf(page, printer.pageLayout(), span), failure);
    paintReportPages(printer, page, span);
    return Outcome::Printed;
}

Outcome printToPdf(const QString& path, const QPageSize& paper, const ReportPage& page, QString* failure) {
    return save(path, reportPdf(page, QPageLayout(paper, QPageLayout::Portrait, QMarginsF())), failure);
}

} // namespace pumpvale::printing
