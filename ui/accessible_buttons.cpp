#include "ui/accessible_buttons.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QRadioButton>
#include <QWidget>

namespace pumpvale {
namespace {

QAccessible::Role roleOf(const QAbstractButton& button) {
    if (qobject_cast<const QRadioButton*>(&button) != nullptr)
        return QAccessible::RadioButton;
    if (qobject_cast<const QCheckBox*>(&button) != nullptr)
        return QAccessible::CheckBox;
    return QAccessible::Button;
}

class ClickingButton final : public QAccessibleWidget {
public:
    explicit ClickingButton(QAbstractButton& button) : QAccessibleWidget(&button, roleOf(button)) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return withoutMnemonic(button().text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const QAbstractButton& b = button();
        state.checkable = b.isCheckable();
        state.checked = b.isChecked();
        state.pressed = b.isDown();
        return state;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled())
            names << (button().isCheckable() ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction() && action != toggleAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // A hidden or disabled button does nothing, as under the mouse.
        if (widget()->isEnabled() && widget()->isVisible())
            button().click();
    }

private:
    QAbstractButton& button() const { return *static_cast<QAbstractButton*>(widget()); }

    static QString withoutMnemonic(QString text) {
        for (qsizetype i = text.indexOf('&'); i >= 0 && i < text.size(); i = text.indexOf('&', i + 1))
            text.remove(i, 1); // "&&" leaves one "&", which the next search steps over
        return text;
    }
};

} // namespace

void makeActionsClick(QAbstractButton& button) {
    QAccessible::registerAccessibleInterface(new ClickingButton(button));
}

void nameWindow(QWidget& window, const QString& name) {
    window.setAccessibleName(name);
    QAccessible::registerAccessibleInterface(new QAccessibleWidget(&window, QAccessible::Window));
}

} // namespace pumpvale
