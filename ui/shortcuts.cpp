#include "ui/shortcuts.h"

#include <QAction>
#include <QList>
#include <QString>
#include <QWidget>

namespace pumpvale {
namespace {

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

QKeySequence keySequence(const KeyEntry& entry) {
    return QKeySequence::fromString(q(entry.keys), QKeySequence::PortableText);
}

QAction* addKeyedAction(QWidget& window, const KeyEntry& entry, QKeySequence::StandardKey standard) {
    auto* action = new QAction(q(entry.action), &window);
    QList<QKeySequence> keys{keySequence(entry)};
    if (standard != QKeySequence::UnknownKey)
        for (const QKeySequence& key : QKeySequence::keyBindings(standard))
            if (!keys.contains(key))
                keys << key;
    action->setShortcuts(keys);
    window.addAction(action);
    return action;
}

QAction* keyedAction(const QWidget& window, const KeyEntry& entry) {
    const QString text = q(entry.action);
    for (QAction* action : window.actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace pumpvale
