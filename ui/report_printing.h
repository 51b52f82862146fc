// The report on paper: the system's print dialog, or a PDF file with no dialog, and the one rule for what
// a PDF of the report says of itself, whether printed to a file or exported.
#pragma once

#include "ui/report_page.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QIODevice;
class QWidget;

namespace pumpvale::printing {

enum class Outcome { Printed, Cancelled, Failed };

// A PDF's document information: the report's title; "Pumpvale 1.41" as its author and its creator; the
// duty point as its subject.
struct PdfInfo {
    QString title;
    QString author;
    QString subject;
};
PdfInfo pdfInfo(const ReportLayout& layout);

// pdf (a whole document as Qt writes it) with info as its document information, added as an update
// at its end; pdf unchanged when it cannot be read as such.
QByteArray withPdfInfo(const QByteArray& pdf, const PdfInfo& info);

// The report as a PDF document on paper, the pages of span, its information by pdfInfo.
QByteArray reportPdf(const ReportPage& page, const QPageLayout& paper, PageSpan span = {});

// The report as a PDF on paper written to out; false when a write fell short.
bool writeReportPdf(QIODevice& out, const QPageSize& paper, const ReportPage& page);

// Opens the system's print dialog over parent, its page range bounded by the report's pages, and prints
// the pages chosen. The paper is the printer's; paper is used when printing to a file, where there is no
// printer to ask. A PDF file is written as writeReportPdf writes it; when it cannot be, failure (if
// given) says why, naming the file.
Outcome printWithDialog(QWidget* parent, const QPageSize& paper, const ReportPage& page,
                        QString* failure = nullptr);

// Prints into a PDF file on paper, with no dialog; the old file stays whole when the new one cannot be
// written.
Outcome printToPdf(const QString& path, const QPageSize& paper, const ReportPage& page,
                   QString* failure = nullptr);

} // namespace pumpvale::printing
