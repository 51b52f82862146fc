#include "ui/keys_window.h"

#include "ui/keyboard.h"
#include "ui/shortcuts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <span>

namespace pumpvale {

QString offeredActions(std::span<const KeyEntry> actions, const QString& where) {
    QStringList offers;
    for (const KeyEntry& action : actions)
        offers << QString::fromUtf8(action.action.data(), qsizetype(action.action.size())) + " (" +
                      keySequence(action).toString(QKeySequence::NativeText) + ")";
    QString list = offers.join(", ");
    if (const qsizetype last = list.lastIndexOf(", "); last >= 0)
        list.replace(last, 2, " and ");
    return "Right-click " + where + " for " + list + ". F1 lists every key.";
}

namespace {

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// Sees every key press of the application before the focused control does; F1 opens the window.
class HelpKey final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || key->isAutoRepeat())
            return false;
        open(static_cast<QWidget*>(watched)->window());
        return true;
    }

private:
    void open(QWidget* owner) {
        if (window_ == nullptr || window_->parentWidget() != owner) {
            delete window_.data();
            window_ = new KeysWindow(owner);
            window_->setAttribute(Qt::WA_DeleteOnClose);
        }
        window_->show();
        window_->raise();
        window_->activateWindow();
    }

    QPointer<KeysWindow> window_;
};

} // namespace

KeysWindow::KeysWindow(QWidget* parent) : QDialog(parent, Qt::Window | Qt::WindowCloseButtonHint) {
    setObjectName("KeysWindow");
    setWindowTitle("Keys and Actions");
    setAccessibleName("Keys and Actions");

    table_ = new QTableWidget(int(kActionKeys.size() + kPlantListKeys.size() + kMovingKeys.size()), 3, this);
    table_->setObjectName("KeysTable");
    table_->setAccessibleName("Keys and actions");
    table_->setHorizontalHeaderLabels({"Keys", "Action", "Available"});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false); // Tab leaves the table; the arrows move among its rows
    table_->setWordWrap(false);
    int row = 0;
    // An action's keys as this desktop writes them; the moving keys as they stand.
    const auto addRows = [&](std::span<const KeyEntry> entries, bool actions) {
        for (const KeyEntry& entry : entries) {
            table_->setItem(
                row, 0,
                cell(actions ? keySequence(entry).toString(QKeySequence::NativeText) : q(entry.keys)));
            table_->setItem(row, 1, cell(q(entry.action)));
            table_->setItem(row, 2, cell(q(entry.when)));
            ++row;
        }
    };
    addRows(kActionKeys, true);
    addRows(kPlantListKeys, true);
    addRows(kMovingKeys, false);
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);

    // A button of words like every other window's, not the desktop's standard Close with its icon.
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Close", QDialogButtonBox::RejectRole)->setAccessibleName("Close");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);

    // As wide as the table's columns, as tall as its rows, within reach of any screen.
    const int width = table_->horizontalHeader()->length() + table_->frameWidth() * 2 +
                      layout->contentsMargins().left() + layout->contentsMargins().right();
    const int height = table_->horizontalHeader()->height() + table_->verticalHeader()->length() +
                       table_->frameWidth() * 2 + buttons->sizeHint().height() + layout->spacing() +
                       layout->contentsMargins().top() + layout->contentsMargins().bottom();
    resize(width, height);
    keyboard::closeOnEscape(*this);
}

void pointToKeysHelp(QWidget& window) {
    const QString tip =
        QStringLiteral("Press %1 for %2: every key and action of the program.")
            .arg(keySequence(keys::kHelp).toString(QKeySequence::NativeText), q(keys::kHelp.action));
    window.setToolTip(tip);
    window.setWhatsThis(tip);
    window.setStatusTip(tip);
    if (window.accessibleDescription().isEmpty())
        window.setAccessibleDescription(tip);
}

void installKeysHelp() {
    static HelpKey* help = nullptr;
    if (help == nullptr) {
        help = new HelpKey(qApp);
        qApp->installEventFilter(help);
    }
}

} // namespace pumpvale
