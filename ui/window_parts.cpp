#include "ui/window_parts.h"

#include "ui/accessible_buttons.h"
#include "ui/artwork.h"
#include "ui/keyboard.h"
#include "ui/light_palette.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

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

QWidget* addScrollingPage(QWidget& window, QSize designSize) {
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName("PageScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setGeometry(QRect(QPoint(), designSize));
    auto* page = new QWidget;
    page->setObjectName("Page");
    page->setFixedSize(designSize);
    scroll->setWidget(page);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return page;
}

// The frame's title bar, or where the window manager has not told it yet, about two lines of text.
void fitToScreen(QWidget& window, QSize designSize) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    const QRect free = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const int titleBar = std::max(frame.height(), 2 * window.fontMetrics().height());
    const QSize room(free.width() - frame.width(), free.height() - titleBar);
    const QSize most = room.expandedTo(QSize(200, 150));
    // A page cut on one side takes a scroll bar on the other, which the window widens for where it can.
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize size = designSize.boundedTo(most);
    if (size.height() < designSize.height())
        size.setWidth(std::min(designSize.width() + bar, most.width()));
    if (size.width() < designSize.width())
        size.setHeight(std::min(designSize.height() + bar, most.height()));
    if (window.size() != size || window.minimumSize() != size)
        window.setFixedSize(size);
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

QLabel* addHeading(QWidget& window, const QString& text) {
    auto* heading = new QLabel(text, &window);
    heading->setObjectName("Heading");
    heading->setWordWrap(true);
    heading->setTextFormat(Qt::PlainText);
    heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return heading;
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
