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
// none, and a single OK button.
class MessageBoxSink final : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent) : parent_(parent) {}
    void show(const Message& message) override;

private:
    QWidget* parent_;
};

} // namespace pumpvale
