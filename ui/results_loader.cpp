#include "ui/results_loader.h"

#include "ui/form2.h"
#include "ui/module_loader.h"

#include <QtGlobal>

namespace pumpvale {

bool loadResultsActions(Form2& window) {
    static QLibrary library;
    if (!loadModule(library, PUMPVALE_RESULTS_MODULE_FROM_BINDIR, PUMPVALE_RESULTS_MODULE_BUILT)) {
        qWarning("Pumpvale: no result actions: %s", qPrintable(library.errorString()));
        return false;
    }
    using Install = void (*)(QWidget*, const OperatingCase*, const AnnualCosts*);
    const auto install = reinterpret_cast<Install>(library.resolve("pumpvaleInstallResultsActions"));
    if (install != nullptr)
        install(&window, &window.operatingCase(), &window.annualCosts());
    return install != nullptr;
}

} // namespace pumpvale
