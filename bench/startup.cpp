// Starts exactly as the program does and quits as soon as the intro window has been drawn for the
// first time. Two yardsticks quit the same way: --reference shows one empty window, the cost of a bare
// Qt program, and --label one window showing a label of text, the cost of drawing text at all.
// Timed from outside (bench/startup.sh): see the README's Performance section.
#include "ui/startup.h"

#include "ui/navigator.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
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

int showAndRun(QWidget& window, QuitWhenDrawn& quit) {
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    const auto mode = [&](const char* name) { return argc > 1 && std::strcmp(argv[1], name) == 0; };
    QApplication app(argc, argv);
    QuitWhenDrawn quit;
    if (mode("--reference")) {
        QWidget window;
        return showAndRun(window, quit);
    }
    if (mode("--label")) {
        QLabel window("Pumpvale computes the annual energy cost of two pumps.");
        return showAndRun(window, quit);
    }
    pumpvale::Navigator navigator;
    pumpvale::startPumpvale(navigator)->installEventFilter(&quit);
    return QApplication::exec();
}
