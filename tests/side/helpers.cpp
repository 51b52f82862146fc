#include "helpers.h"

#include <QApplication>

namespace pumpvale::test {

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList openWindows() {
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            names << window->objectName();
    names.sort();
    return names;
}

int windowCount(const QString& name) {
    int count = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == name ? 1 : 0;
    return count;
}

} // namespace pumpvale::test
