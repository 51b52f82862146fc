// Printing the report page: the system's print dialog, or a PDF file with no dialog.
#pragma once

#include <QString>

class QWidget;

namespace pumpvale::printing {

enum class Outcome { Printed, Cancelled };

// Opens the system's print dialog over parent and prints pageHtml on one page.
Outcome printWithDialog(QWidget* parent, const QString& pageHtml);

// Prints pageHtml on one page into a PDF file, with no dialog.
Outcome printToPdf(const QString& path, const QString& pageHtml);

} // namespace pumpvale::printing
