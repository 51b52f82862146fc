// Printing the report: the system's print dialog, or a PDF file with no dialog. The pages are painted
// by the caller (paintReportPages) on the printer handed to it.
#pragma once

#include <QPageSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace pumpvale::printing {

enum class Outcome { Printed, Cancelled };

// Paints the document on the pages of the device it is given.
using PagePainter = std::function<void(QPagedPaintDevice&)>;

// Opens the system's print dialog over parent and prints. The paper is the printer's; paper is used
// when printing to a file, where there is no printer to ask.
Outcome printWithDialog(QWidget* parent, const QPageSize& paper, const PagePainter& paint);

// Prints into a PDF file on paper, with no dialog.
Outcome printToPdf(const QString& path, const QPageSize& paper, const PagePainter& paint);

} // namespace pumpvale::printing
