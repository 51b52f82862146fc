#include "ui/handler_guard.h"

#include <QCloseEvent>
#include <QDialog>
#include <QPointer>

namespace pumpvale {

HandlerGuard::HandlerGuard(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
}

void HandlerGuard::run(const QWidget& control, WhileAnotherRuns nested,
                       const std::function<void()>& handler) {
    if (!control.isVisibleTo(&window_) || !control.isEnabled())
        return;
    if (running_ > 0 && nested == WhileAnotherRuns::Ignored)
        return;

    ++running_;
    handler();
    --running_;
    if (running_ == 0 && closePending_) {
        closePending_ = false;
        window_.close();
    }
}

bool HandlerGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close && running_ > 0) {
        event->ignore();
        closePending_ = true;
        dismissOpenDialogs();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// The boxes are modal dialogs owned by the window; rejecting one ends its event loop.
void HandlerGuard::dismissOpenDialogs() {
    const auto dialogs = window_.findChildren<QDialog*>();
    for (const QPointer<QDialog> dialog : dialogs)
        if (dialog && dialog->isVisible())
            dialog->reject();
}

} // namespace pumpvale
