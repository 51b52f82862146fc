#include "ui/startup.h"

#include "ui/artwork.h"
#include "ui/form1.h"
#include "ui/navigator.h"

#include <QApplication>

namespace pumpvale {

QWidget* startPumpvale(Navigator& navigator) {
    QGuiApplication::setDesktopFileName("pumpvale"); // pairs the windows with the desktop menu entry
    QApplication::setWindowIcon(artwork::windowIcon());
    QApplication::setQuitOnLastWindowClosed(true);
    return navigator.showIntro();
}

} // namespace pumpvale
