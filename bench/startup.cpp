// Starts exactly as the program does and quits as soon as the intro window has been drawn for the
// first time; with --reference it shows one empty window instead, the yardstick of a bare Qt program.
// Timed from outside (hyperfine, /usr/bin/time -v): see the README's Performance section.
#include "ui/startup.h"

#include "ui/navigator.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace {

// Quits the application once the watched window's first paint has been handled.
class QuitWhenDrawn final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    const bool reference = argc > 1 && std::strcmp(argv[1], "--reference") == 0;
    QApplication app(argc, argv);
    QuitWhenDrawn quit;
    if (reference) {
        QWidget window;
        window.installEventFilter(&quit);
        window.show();
        return QApplication::exec();
    }
    pumpvale::Navigator navigator;
    pumpvale::startPumpvale(navigator)->installEventFilter(&quit);
    return QApplication::exec();
}
