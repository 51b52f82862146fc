#include "ui/window_parts.h"

#include "ui/accessible_buttons.h"
#include "ui/artwork.h"
#include "ui/keyboard.h"
#include "ui/light_palette.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace pumpvale::parts {

void setUpWindow(QWidget& window, const char* name, const QString& title, QSize clientSize,
                 const QString& accessibleName) {
    window.setObjectName(name);
    window.setWindowTitle(title);
    nameWindow(window, accessibleName.isEmpty() ? title : accessibleName);
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    window.setFixedSize(clientSize);
    window.setWindowIcon(artwork::windowIcon());
    window.setFont(metrics::font());

    // The windows are drawn on white around their artwork; a dark desktop scheme would turn the controls
    // dark on that white, so they keep a light palette of their own.
    QPalette palette = lightPalette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    keyboard::pressFocusedButtonOnEnter(window);
}

QLabel* addLabel(QWidget& window, const char* name, QRect geometry, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, &window);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText); // the runs of blanks that place the words must stay
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The design's heights suit a narrower font than this one: a text that wraps onto more lines here
    // takes the room it needs below its label.
    const int needed = label->heightForWidth(geometry.width());
    if (needed > geometry.height())
        label->resize(geometry.width(), needed);
    return label;
}

QLabel* addPicture(QWidget& window, const char* name, QRect geometry, QPixmap (*draw)(double scale)) {
    auto* picture = new QLabel(&window);
    picture->setObjectName(name);
    picture->setGeometry(geometry);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(artwork::forScreen(draw, window.devicePixelRatioF()));
    return picture;
}

QPushButton* addButton(QWidget& window, const char* name, QRect geometry, const QString& caption) {
    auto* button = new QPushButton(caption, &window);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(true);
    return button;
}

} // namespace pumpvale::parts
