#include "ui/accessible_list.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QPointer>
#include <vector>

namespace pumpvale {
namespace {

// Chooses item index of list as a click on it in the pop-up does.
void choose(QComboBox& list, int index) {
    if (!list.isEnabled() || !list.isVisible() || index < 0 || index >= list.count())
        return;
    list.hidePopup();
    list.setCurrentIndex(index);
    emit list.activated(index);
    emit list.textActivated(list.itemText(index));
}

// One item of the list: no object of its own, so it keeps a guarded pointer to the list.
class ListItem final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ListItem(QComboBox& list, int index) : list_(&list), index_(index) {}

    bool isValid() const override { return !list_.isNull() && index_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_.isNull() ? nullptr : list_->windowHandle(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return list_.isNull() ? nullptr : QAccessible::queryAccessibleInterface(list_->view());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? list_->itemText(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid() || !list_->view()->isVisible())
            return {};
        const QAbstractItemView& view = *list_->view();
        const QRect r = view.visualRect(view.model()->index(index_, list_->modelColumn(), view.rootIndex()));
        return {view.viewport()->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = true;
        s.selected = isValid() && list_->currentIndex() == index_;
        s.invisible = !isValid() || !list_->view()->isVisible();
        s.disabled = !isValid() || !list_->isEnabled();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& action) override {
        if (isValid() && (action == pressAction() || action == toggleAction()))
            choose(*list_, index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QComboBox> list_;
    int index_;
};

// The pop-up's list of items, child of the drop-down list as Qt's own is.
class ItemList final : public QAccessibleWidget {
public:
    ItemList(QAbstractItemView& view, QComboBox& list)
        : QAccessibleWidget(&view, QAccessible::List), list_(&list) {}
    ~ItemList() override {
        for (const QAccessible::Id id : items_)
            QAccessible::deleteAccessibleInterface(id);
    }

    QAccessibleInterface* parent() const override {
        return list_.isNull() ? nullptr : QAccessible::queryAccessibleInterface(list_.data());
    }
    int childCount() const override { return list_.isNull() ? 0 : list_->count(); }
    QAccessibleInterface* child(int index) const override {
        if (list_.isNull() || index < 0 || index >= list_->count())
            return nullptr;
        // Made once each, as the list's items are fixed; kept by the accessibility cache by their ids.
        for (int k = static_cast<int>(items_.size()); k <= index; ++k)
            items_.push_back(QAccessible::registerAccessibleInterface(new ListItem(*list_, k)));
        return QAccessible::accessibleInterface(items_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t k = 0; k < items_.size(); ++k)
            if (QAccessible::accessibleInterface(items_[k]) == child)
                return static_cast<int>(k);
        return -1;
    }

private:
    QPointer<QComboBox> list_;
    mutable std::vector<QAccessible::Id> items_;
};

// The drop-down list: its value the current item, one child (the items), and an action that opens the
// pop-up; its name and description as the window sets them.
class DropDown final : public QAccessibleWidget {
public:
    explicit DropDown(QComboBox& list) : QAccessibleWidget(&list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return list().currentText();
        if (t == QAccessible::Name && list().accessibleName().isEmpty())
            return list().currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list().view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list().view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list().view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return list().isEnabled() ? QStringList{showMenuAction(), pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (!list().isEnabled() || !list().isVisible())
            return;
        if (action == showMenuAction() || action == pressAction()) {
            if (list().view()->isVisible())
                list().hidePopup();
            else
                list().showPopup();
        }
    }

private:
    QComboBox& list() const { return *static_cast<QComboBox*>(widget()); }
};

} // namespace

void makeItemsChoose(QComboBox& list) {
    QAccessible::registerAccessibleInterface(new DropDown(list));
    QAccessible::registerAccessibleInterface(new ItemList(*list.view(), list));
}

} // namespace pumpvale
