#include "ui/navigator.h"
#include "ui/startup.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a long diagnostic; say it in one line instead. An explicit
// platform (offscreen, for instance) needs no display.
bool displayAvailable() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("pumpvale: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "it needs a graphical desktop to run.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // Start-up shows the intro window and nothing else; the others are created when asked for.
    pumpvale::Navigator navigator;
    pumpvale::startPumpvale(navigator);
    return QApplication::exec();
}
