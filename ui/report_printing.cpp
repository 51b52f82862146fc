#include "ui/report_printing.h"

#include "ui/module_loader.h"

namespace pumpvale::printing {
namespace {

// The module's two entry points (ui/print_module.cpp); 1 printed, 0 cancelled.
using DialogEntry = int (*)(QWidget*, const QPageSize*, const PagePainter*);
using PdfEntry = int (*)(const QString*, const QPageSize*, const PagePainter*);

QLibrary& module() {
    static QLibrary library;
    if (library.isLoaded())
        return library;
    // Installed: a path relative to the program's folder. Built: the module the build made.
    const QStringList candidates{QCoreApplication::applicationDirPath() + "/" +
                                     PUMPVALE_PRINT_MODULE_FROM_BINDIR,
                                 PUMPVALE_PRINT_MODULE_BUILT};
    for (const QString& candidate : candidates) {
        library.setFileName(candidate);
        if (library.load())
            break;
    }
    return library;
}

template <class Entry> Entry entry(const char* name) {
    QLibrary& library = module();
    return library.isLoaded() ? reinterpret_cast<Entry>(library.resolve(name)) : nullptr;
}

Outcome outcomeOf(int result) {
    return result != 0 ? Outcome::Printed : Outcome::Cancelled;
}

} // namespace

Outcome printWithDialog(QWidget* parent, const QPageSize& paper, const PagePainter& paint) {
    const auto print = entry<DialogEntry>("pumpvalePrintWithDialog");
    return print != nullptr ? outcomeOf(print(parent, &paper, &paint)) : Outcome::Unavailable;
}

Outcome printToPdf(const QString& path, const QPageSize& paper, const PagePainter& paint) {
    const auto print = entry<PdfEntry>("pumpvalePrintToPdf");
    return print != nullptr ? outcomeOf(print(&path, &paper, &paint)) : Outcome::Unavailable;
}

QString unavailableReason() {
    return module().errorString();
}

} // namespace pumpvale::printing
