// The building blocks of the windows: each control is placed at its design position in twips
// (ui/metrics.h) and named after its design name, its objectName.
#pragma once

#include "ui/metrics.h"

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>

class QLabel;
class QPushButton;
class QWidget;

namespace pumpvale::parts {

// The core's texts (messages, captions, names) are UTF-8.
inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Makes window a top-level window of fixed client size with a close box and no maximise or minimise
// button, on white in a light palette whatever the desktop's colour scheme, in the windows' default font,
// with the program's icon. Enter presses its focused button. Assistive tools see a window named by its
// title, or by accessibleName where the title says nothing.
void setUpWindow(QWidget& window, const char* name, const QString& title, QSize clientSize,
                 const QString& accessibleName = {});

// A page of the window's design size inside window, in a frameless scroll area that fills it: the
// window's controls go on the page. While the page fits the screen the window is exactly the page and
// shows no scroll bar; on a screen too small for it (a laptop at 125 %) fitToScreen caps the window to
// the screen and the page scrolls, the focused control always scrolled into view.
QWidget* addScrollingPage(QWidget& window, QSize designSize);
// The window's size for its screen: the design size, or as much of it as the screen's free area holds
// below a title bar.
void fitToScreen(QWidget& window, QSize designSize);

// A label that wraps its text within its width, top-left aligned as the design draws it.
QLabel* addLabel(QWidget& window, const char* name, QRect geometry, const QString& text,
                 const QFont& font = metrics::font());

// A window's heading, laid out by the window: plain text that wraps, which the mouse can select to copy.
QLabel* addHeading(QWidget& window, const QString& text = {});

// A picture drawn at its own size in the top-left corner of geometry.
QLabel* addPicture(QWidget& window, const char* name, QRect geometry, QPixmap (*draw)(double scale));

// A push button; Enter presses it when it has the focus, as Space does.
QPushButton* addButton(QWidget& window, const char* name, QRect geometry, const QString& caption);

} // namespace pumpvale::parts
