// Printing the report page, through a module loaded on first use.
//
// Qt Print Support and the printing system behind it are loaded only when the user first prints, so
// that starting the program does not pay for them: the print dialog and the page painting live in the
// module pumpvale_print (ui/print_module.cpp), found beside the installed program or in the build tree.
#pragma once

#include <QString>

class QWidget;

namespace pumpvale::printing {

enum class Outcome { Printed, Cancelled, Unavailable };

// Opens the system's print dialog over parent and prints pageHtml on one page.
Outcome printWithDialog(QWidget* parent, const QString& pageHtml);

// Prints pageHtml on one page into a PDF file, with no dialog.
Outcome printToPdf(const QString& path, const QString& pageHtml);

// Why the module could not be loaded, after Unavailable.
QString unavailableReason();

} // namespace pumpvale::printing
