// Where the main window's messages go: a modal box on screen, or a recorder in the tests.
#pragma once

#include "core/messages.h"

class QWidget;

namespace pumpvale {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Returns when the user has dismissed the message.
    virtual void show(const Message& message) = 0;
};

// A modal box with the message's text, its title (the application's when it has none), the stop icon or
// none, and a single OK button, centred on the window parent belongs to.
class MessageBoxSink final : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent) : parent_(parent) {}
    void show(const Message& message) override;

private:
    QWidget* parent_;
};

// Keeps dialog centred on the window owner belongs to, inside that window's screen: as it appears, as it
// takes its size, and whenever that window moves while dialog is open. A box raised while the desktop
// is still placing a window that has just opened (a file opened at start-up) follows the window to its
// place instead of staying where the window first stood.
void keepCentredOn(QWidget& dialog, QWidget& owner);

} // namespace pumpvale
