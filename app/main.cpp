#include "app/display_guard.h"
#include "app/installation_check.h"
#include "ui/navigator.h"
#include "ui/startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (!pumpvale::displayNamed()) {
        std::fputs("pumpvale: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "it needs a graphical desktop to run.\n",
                   stderr);
        return 1;
    }
    // A display that is named but cannot be opened ends the program with one line, not Qt's abort.
    pumpvale::DisplayGuard guard;
    QApplication app(argc, argv);
    guard.release();
    // Qt has taken its own options out of the arguments by now.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--check-installation"))
        return pumpvale::checkInstallation(arguments[2]);
    pumpvale::Navigator navigator;
    // "pumpvale FILE" (a desktop's "Open With" too) goes straight to the calculator with that case;
    // otherwise start-up shows the intro window and nothing else, the others created when asked for.
    if (arguments.size() == 2 && !arguments[1].startsWith(QLatin1Char('-')))
        pumpvale::startPumpvaleWithCase(navigator, QFileInfo(arguments[1]).absoluteFilePath());
    else
        pumpvale::startPumpvale(navigator);
    return QApplication::exec();
}
