// What the window tests share: finding controls by their names and seeing which windows are open.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace pumpvale::test {

// The control of that name in window; a test that names a missing control fails (gtest reports the
// exception) instead of crashing.
template <class Control> Control& control(QWidget* window, const char* name) {
    Control* found = window != nullptr ? window->findChild<Control*>(name) : nullptr;
    if (found == nullptr)
        throw std::runtime_error(std::string("no control named ") + name);
    return *found;
}

// Deletes the windows closed so far, as the event loop does once the current event is handled.
void settle();

// The names of the top-level windows on screen, sorted.
QStringList openWindows();

// How many top-level windows of that name exist, shown or hidden.
int windowCount(const QString& name);

} // namespace pumpvale::test
