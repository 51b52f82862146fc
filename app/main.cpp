#include "app/command_line.h"
#include "app/display_guard.h"
#include "app/installation_check.h"
#include "ui/navigator.h"
#include "ui/report_page.h"
#include "ui/startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[]) {
    const pumpvale::command_line::Reading line = pumpvale::command_line::read(argc, argv);
    switch (line.request) {
        case pumpvale::command_line::Request::Help:
            std::fputs(pumpvale::command_line::usage().c_str(), stdout);
            return 0;
        case pumpvale::command_line::Request::Version:
            std::printf("%s\n", pumpvale::programAndVersion().toUtf8().constData());
            return 0;
        case pumpvale::command_line::Request::Refused:
            std::fprintf(stderr, "pumpvale: %s (pumpvale --help lists the options)\n", line.refusal.c_str());
            return 2;
        case pumpvale::command_line::Request::Run:
            break;
    }
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
