#include "ui/message_sink.h"

#include "ui/window_parts.h"

#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace pumpvale {
namespace {

using parts::qText;

class Centring final : public QObject {
public:
    Centring(QWidget& dialog, QWidget& owner) : QObject(&dialog), dialog_(dialog), owner_(owner.window()) {
        dialog.installEventFilter(this);
        owner_->installEventFilter(this);
    }
    ~Centring() override {
        if (owner_ != nullptr)
            owner_->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == &dialog_) {
            // Its size is settled as it is shown; after that, a size the user gives it moves it no more.
            const bool settling = dialog_.windowHandle() == nullptr || !dialog_.windowHandle()->isExposed();
            if (type == QEvent::Show || (type == QEvent::Resize && settling))
                centre();
        } else if (type == QEvent::Move || type == QEvent::Resize) {
            if (dialog_.isVisible())
                centre();
        }
        return false;
    }

private:
    void centre() {
        if (owner_ == nullptr || !owner_->isVisible())
            return; // nothing to centre on: the desktop places it
        QRect frame(QPoint(), dialog_.frameGeometry().size());
        frame.moveCenter(owner_->frameGeometry().center());
        if (const QScreen* screen = owner_->screen()) {
            const QRect free = screen->availableGeometry();
            frame.moveLeft(
                std::clamp(frame.left(), free.left(), std::max(free.left(), free.right() - frame.width())));
            frame.moveTop(
                std::clamp(frame.top(), free.top(), std::max(free.top(), free.bottom() - frame.height())));
        }
        if (dialog_.pos() != frame.topLeft())
            dialog_.move(frame.topLeft());
    }

    QWidget& dialog_;
    QPointer<QWidget> owner_;
};

} // namespace

void keepCentredOn(QWidget& dialog, QWidget& owner) {
    new Centring(dialog, owner);
}

void MessageBoxSink::show(const Message& message) {
    const std::string_view title = message.title.empty() ? kApplicationTitle : message.title;
    const auto icon = message.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, qText(title), qText(message.text), QMessageBox::Ok, parent_);
    box.setObjectName(qText(messageIdName(message.id))); // what the message is, whatever its words
    // The texts keep their double blanks and are never markup.
    box.setTextFormat(Qt::PlainText);
    if (parent_ != nullptr)
        keepCentredOn(box, *parent_);
    box.exec();
}

} // namespace pumpvale
