#include "ui/message_sink.h"

#include "ui/window_parts.h"

#include <QMessageBox>

namespace pumpvale {

using parts::qText;

void MessageBoxSink::show(const Message& message) {
    const std::string_view title = message.title.empty() ? kApplicationTitle : message.title;
    const auto icon = message.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, qText(title), qText(message.text), QMessageBox::Ok, parent_);
    box.setObjectName(qText(messageIdName(message.id))); // what the message is, whatever its words
    // The texts keep their double blanks and are never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace pumpvale
