#include "ui/startup.h"

#include "ui/artwork.h"
#include "ui/form1.h"
#include "ui/navigator.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace pumpvale {
namespace {

// Gives the program its icon once the intro window has been drawn for the first time. The icon goes to
// the window manager in seven sizes, a good part of the work before the first paint; the window needs
// none of it to appear.
class IconAfterFirstPaint final : public QObject {
public:
    explicit IconAfterFirstPaint(QWidget& intro) : QObject(&intro), intro_(intro) {
        intro.setWindowIcon(QIcon());
        intro.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(artwork::windowIcon());
                intro_.setWindowIcon(artwork::windowIcon());
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget& intro_;
};

} // namespace

QWidget* startPumpvale(Navigator& navigator) {
    QGuiApplication::setDesktopFileName("pumpvale"); // pairs the windows with the desktop menu entry
    QApplication::setQuitOnLastWindowClosed(true);
    new IconAfterFirstPaint(*navigator.intro());
    return navigator.showIntro();
}

} // namespace pumpvale
