#include "app/display_guard.h"

#include <QByteArray>
#include <QList>
#include <QMessageLogContext>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace pumpvale {

namespace {

bool isSet(const char* name) {
    return !qEnvironmentVariableIsEmpty(name);
}

// The messages held back while the display is being opened.
struct HeldMessage {
    QtMsgType type;
    QString text;
};
QList<HeldMessage>& heldMessages() {
    static QList<HeldMessage> held;
    return held;
}

QString displayDescription() {
    if (isSet("QT_QPA_PLATFORM"))
        return QStringLiteral("the platform \"%1\"").arg(qEnvironmentVariable("QT_QPA_PLATFORM"));
    if (isSet("WAYLAND_DISPLAY") && !isSet("DISPLAY"))
        return QStringLiteral("the Wayland display \"%1\"").arg(qEnvironmentVariable("WAYLAND_DISPLAY"));
    return QStringLiteral("the display \"%1\"").arg(qEnvironmentVariable("DISPLAY"));
}

void holdMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        const QByteArray line =
            QStringLiteral("pumpvale: cannot open %1; it needs a graphical desktop to run.\n")
                .arg(displayDescription())
                .toLocal8Bit();
        std::fputs(line.constData(), stderr);
        std::_Exit(1);
    }
    heldMessages().append({type, text});
}

} // namespace

bool displayNamed() {
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

DisplayGuard::DisplayGuard() : previous_(qInstallMessageHandler(holdMessage)) {
}

DisplayGuard::~DisplayGuard() {
    release();
}

void DisplayGuard::release() {
    if (released_)
        return;
    released_ = true;
    qInstallMessageHandler(previous_);
    // The warnings that came before a successful start (a missing font, say) still reach the user.
    for (const HeldMessage& message : heldMessages())
        qt_message_output(message.type, QMessageLogContext(), message.text);
    heldMessages().clear();
}

} // namespace pumpvale
