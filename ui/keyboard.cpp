#include "ui/keyboard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

namespace pumpvale::keyboard {

namespace {

// Sees the key presses that the window's controls leave unhandled, and those of its buttons before
// they do.
class EnterPresses final : public QObject {
public:
    explicit EnterPresses(QWidget& window) : QObject(&window), window_(window) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat() ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(window_.focusWidget());
        if (button == nullptr || !button->isEnabled() || !button->isVisible())
            return false;
        button->click();
        return true;
    }

private:
    QWidget& window_;
};

} // namespace

void pressFocusedButtonOnEnter(QWidget& window) {
    window.installEventFilter(new EnterPresses(window));
}

void closeOnEscape(QWidget& window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, &window, &QWidget::close);
}

} // namespace pumpvale::keyboard
