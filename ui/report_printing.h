// Printing the report page, through a module loaded on first use.
//
// Qt Print Support and the printing system behind it are loaded only when the user first prints, so
// that starting the program does not pay for them: the print dialog and the printer live in the module
// pumpvale_print (ui/print_module.cpp), found beside the installed program or in the build tree. The
// pages are painted by the caller (paintReportPages) on the printer the module hands it.
#pragma once

#include <QPageSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace pumpvale::printing {

enum class Outcome { Printed, Cancelled, Unavailable };

// Paints the document on the pages of the device it is given.
using PagePainter = std::function<void(QPagedPaintDevice&)>;

// Opens the system's print dialog over parent and prints. The paper is the printer's; paper is used
// when printing to a file, where there is no printer to ask.
Outcome printWithDialog(QWidget* parent, const QPageSize& paper, const PagePainter& paint);

// Prints into a PDF file on paper, with no dialog.
Outcome printToPdf(const QString& path, const QPageSize& paper, const PagePainter& paint);

// Why the module could not be loaded, after Unavailable.
QString unavailableReason();

} // namespace pumpvale::printing
