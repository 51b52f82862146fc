// The one gate through which every handler of the main window runs.
//
// A handler runs only when its control is shown in the window and enabled, that is when the control is
// part of the window's current screen state: a click() on a hidden option, a signal from a disabled
// entry or an accessibility action on either does nothing. Handlers run one at a time: while one is
// paused in a message box, another that is set off (by an accessibility action, say) does nothing, so
// that no step is taken in the middle of another.
//
// A request to close the window while a handler runs (its box is open) is held: the open boxes are
// dismissed, the handler's remaining messages are dropped (closing() is true), the handler runs to its
// end, and only then does the window close, and with Qt::WA_DeleteOnClose get deleted. Closed at once,
// the window would be deleted inside the box's event loop and the handler would go on with a deleted
// window.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

namespace pumpvale {

class HandlerGuard final : public QObject {
public:
    // Whether a handler may run while another is paused in a message box.
    enum class WhileAnotherRuns { Ignored, Runs };

    // Watches window's close requests; a child of window.
    explicit HandlerGuard(QWidget& window);

    // Connects signal of control to handler of window through the guard.
    template <class Control, class Signal, class Window>
    void connect(Control* control, Signal signal, Window* window, void (Window::*handler)(),
                 WhileAnotherRuns nested = WhileAnotherRuns::Ignored) {
        QObject::connect(control, signal, this, [this, control, window, handler, nested] {
            run(*control, nested, [window, handler] { (window->*handler)(); });
        });
    }

    // A close was asked for while a handler runs: what is left of the handler shows nothing.
    bool closing() const { return closePending_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(const QWidget& control, WhileAnotherRuns nested, const std::function<void()>& handler);
    void dismissOpenDialogs();

    QWidget& window_;
    int running_ = 0; // handlers on the stack: more than one only for those that run while another does
    bool closePending_ = false;
};

} // namespace pumpvale
