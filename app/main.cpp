#include "app/display_guard.h"
#include "ui/navigator.h"
#include "ui/startup.h"

#include <QApplication>
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
    // Start-up shows the intro window and nothing else; the others are created when asked for.
    pumpvale::Navigator navigator;
    pumpvale::startPumpvale(navigator);
    return QApplication::exec();
}
