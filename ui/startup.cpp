#include "ui/startup.h"

#include "ui/artwork.h"
#include "ui/case_files.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/keys_window.h"
#include "ui/navigator.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace pumpvale {
namespace {

// Gives the program its icon once the intro window has been drawn for the first time (or after a
// second, should the window not be drawn: started minimised, say). The icon goes to the window manager
// in seven sizes, a good part of the work before the first paint; the window needs none of it to appear.
class IconAfterFirstPaint final : public QObject {
public:
    explicit IconAfterFirstPaint(QWidget& intro) : QObject(&intro), intro_(intro) {
        intro.setWindowIcon(QIcon());
        intro.installEventFilter(this);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, &IconAfterFirstPaint::giveIcon);
        timer_.start(1000);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            timer_.start(0); // once this paint is done
        }
        return false;
    }

private:
    void giveIcon() {
        intro_.removeEventFilter(this);
        intro_.setWindowIcon(artwork::windowIcon());
        QApplication::setWindowIcon(artwork::windowIcon());
        deleteLater();
    }

    QWidget& intro_;
    QTimer timer_;
};

void identify() {
    QGuiApplication::setDesktopFileName("pumpvale"); // pairs the windows with the desktop menu entry
    QApplication::setQuitOnLastWindowClosed(true);
    installKeysHelp();
}

} // namespace

QWidget* startPumpvale(Navigator& navigator) {
    identify();
    new IconAfterFirstPaint(*navigator.intro());
    return navigator.showIntro();
}

QWidget* startPumpvaleWithCase(Navigator& navigator, const QString& file) {
    identify();
    Form2* calculator = navigator.showMain();
    new IconAfterFirstPaint(*calculator);
    QTimer::singleShot(0, calculator, [calculator, file] { calculator->caseFiles().openFile(file); });
    return calculator;
}

} // namespace pumpvale
