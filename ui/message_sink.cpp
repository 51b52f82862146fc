#include "ui/message_sink.h"

#include <QMessageBox>

namespace pumpvale {
namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void MessageBoxSink::show(const Message& message) {
    const std::string_view title = message.title.empty() ? kApplicationTitle : message.title;
    const auto icon = message.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, qText(title), qText(message.text), QMessageBox::Ok, parent_);
    // The texts keep their double blanks and are never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace pumpvale
