// What the program says when it has no desktop to show its windows on.
#pragma once

#include <QtGlobal>

namespace pumpvale {

// Whether a display is named at all: DISPLAY, WAYLAND_DISPLAY, or an explicit platform (offscreen, for
// instance, needs none).
bool displayNamed();

// Watches Qt's messages while the application connects to the display. Qt's platform plugins end the
// program with an abort and a long diagnostic when the display cannot be opened; while a guard is in
// force that becomes one line on stderr and exit status 1. Any other message is passed on unchanged once
// the guard is released.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    // The display is open: the messages held back go out, and Qt's own handling returns.
    void release();

private:
    QtMessageHandler previous_ = nullptr;
    bool released_ = false;
};

} // namespace pumpvale
