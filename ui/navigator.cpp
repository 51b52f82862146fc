#include "ui/navigator.h"

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"

namespace pumpvale {
namespace {

// The window, created when there is none. A window closed earlier in the same event is hidden,
// waiting for its deletion; it is deleted now and replaced (one created but not yet shown is kept). No
// handler of such a window can be running here: only the intro window opens others, and it is never
// the one replaced.
template <class Window, class... Args> Window* make(QPointer<Window>& window, Args&... args) {
    if (window && window->isHidden() && window->testAttribute(Qt::WA_WState_ExplicitShowHide))
        delete window.data();
    if (!window) {
        window = new Window(args...);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return window;
}

// Shows the window, creating it first when there is none.
template <class Window, class... Args> Window* show(QPointer<Window>& window, Args&... args) {
    make(window, args...);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

template <class Window> void close(const QPointer<Window>& window) {
    if (window && !window->isHidden())
        window->close();
}

} // namespace

Navigator::~Navigator() {
    delete intro_.data();
    delete main_.data();
    delete about_.data();
    delete acknowledgements_.data();
}

Form1* Navigator::intro() {
    return make(intro_, *this);
}
Form1* Navigator::showIntro() {
    return show(intro_, *this);
}
Form2* Navigator::showMain() {
    return show(main_);
}
Form3* Navigator::showAbout() {
    return show(about_);
}
Form4* Navigator::showAcknowledgements() {
    return show(acknowledgements_);
}

void Navigator::closeIntro() {
    close(intro_);
}
void Navigator::closeAbout() {
    close(about_);
}
void Navigator::closeAcknowledgements() {
    close(acknowledgements_);
}

} // namespace pumpvale
