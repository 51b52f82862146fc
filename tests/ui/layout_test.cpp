// The main window as it opens: its frame, its controls' captions, fonts and focus order.
#include "test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <cstdio>

namespace pumpvale::testing {
namespace {

QStringList namesOf(const QList<QWidget*>& widgets) {
    QStringList names;
    for (const QWidget* widget : widgets)
        names << widget->objectName();
    return names;
}

TEST_F(MainWindowTest, OpensOnTheUnitChoiceWithEverythingEnabled) {
    EXPECT_TRUE(isIn(ui.window(), ScreenState::UnitChoice));
    for (const QWidget* control : ui.window().findChildren<QWidget*>())
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
}

TEST_F(MainWindowTest, EntriesHoldOnlyTheirDefaultsAtFirst) {
    for (const char* name : {"Text1", "Text2", "Text3", "Text9", "Text10", "Text11", "Text12", "Label29",
                             "Label30", "Label31", "Label32", "Label33", "Label34"})
        EXPECT_EQ(ui.text(name), "") << name;
    EXPECT_EQ(ui.text("Text6"), "52");
    EXPECT_EQ(ui.text("Text7"), "7");
    EXPECT_EQ(ui.text("Text8"), "24");
    EXPECT_EQ(ui.text("Text4"), "1");
    EXPECT_EQ(ui.text("Text5"), "75");
}

TEST_F(MainWindowTest, CurrencyListTakesNoTypedTextAndStartsEmpty) {
    auto* list = ui.control<QComboBox>("Combo1");
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->currentText(), "");
    EXPECT_EQ(list->count(), 11);
}

// Users of every desktop toolkit expect a click on an option's caption to choose the option.
TEST_F(MainWindowTest, ClickingAnOptionsLabelDidNothing) {
    ui.click("Label4");
    EXPECT_TRUE(ui.control<QRadioButton>("Option9")->isChecked());
    EXPECT_TRUE(isIn(ui.window(), ScreenState::OperatingDataStep));
}

TEST_F(MainWindowTest, WindowHasAFixedSizeAndOnlyACloseBox) {
    const Form2& window = ui.window();
    // 9885 x 8220 twips, 15 to a pixel, drawn a quarter larger.
    EXPECT_EQ(window.minimumSize(), QSize(824, 685));
    EXPECT_EQ(window.maximumSize(), QSize(824, 685));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.windowTitle(), "  ");
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(MainWindowTest, TextsAreDrawnInDejaVuSans) {
    for (const QWidget* control : ui.window().findChildren<QWidget*>())
        EXPECT_EQ(QFontInfo(control->font()).family(), "DejaVu Sans") << control->objectName().toStdString();
}

// Every label's text within the label, wrapped where the label wraps.
// The English captions are the window's first; the S.I. ones, written in when those units are chosen,
// are the longest.
TEST_F(MainWindowTest, LabelCaptionsFitTheirLabels) {
    for (const char* units : {"Option9", "Option10"}) {
        ui.click(units);
        for (const QLabel* label : ui.window().findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            const QFontMetrics metrics(label->font());
            const QRect area = label->contentsRect();
            const QRect needed =
                label->wordWrap()
                    ? metrics.boundingRect(area, int(label->alignment()) | Qt::TextWordWrap, label->text())
                    : QRect(area.topLeft(),
                            QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
            EXPECT_TRUE(area.contains(needed))
                << units << ": " << label->objectName().toStdString() << " needs " << needed.width() << " x "
                << needed.height() << ", has " << area.width() << " x " << area.height();
        }
    }
}

TEST_F(MainWindowTest, ButtonCaptionsFitTheirButtons) {
    for (const QPushButton* button : ui.window().findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFontMetrics metrics(button->font());
        // "Press to Run Again" is a tall button that wraps its caption.
        const QRect needed =
            button->objectName() == "Command5"
                ? metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, button->text())
                : metrics.boundingRect(area, Qt::AlignCenter, button->text());
        EXPECT_TRUE(area.contains(needed)) << button->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, GroupCaptionsFitTheirGroups) {
    for (const QGroupBox* group : ui.window().findChildren<QGroupBox*>()) {
        const QFontMetrics metrics(group->font());
        // The caption sits in the top border, indented from both corners.
        const int needed = metrics.horizontalAdvance(group->title()) + 4 * metrics.averageCharWidth();
        EXPECT_LE(needed, group->width()) << group->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, EveryCurrencyFitsTheListAndTheResultLabels) {
    const auto* list = ui.control<QComboBox>("Combo1");
    QStyleOptionComboBox option;
    option.initFrom(list);
    const QRect field =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    const auto* label = ui.control<QLabel>("Label32");
    const QFontMetrics metrics(list->font());
    for (int i = 0; i < list->count(); ++i) {
        const QString name = list->itemText(i);
        EXPECT_LE(metrics.horizontalAdvance(name), field.width()) << name.toStdString();
        const QRect wrapped = metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap, name);
        EXPECT_TRUE(label->contentsRect().contains(wrapped)) << name.toStdString();
    }
}

TEST_F(MainWindowTest, FocusMovesInTheWindowsOrder) {
    const QStringList expected{"Text1",    "Text2",   "Text3",    "Option1",  "Option2",  "Option3",
                               "Option4",  "Option5", "Option6",  "Command2", "Text4",    "Text5",
                               "Command3", "Text6",   "Text7",    "Text8",    "Text9",    "Command4",
                               "Text10",   "Text11",  "Text12",   "Command5", "Option7",  "Option8",
                               "Command6", "Option9", "Option10", "Combo1",   "Command1", "Command7"};
    QList<QWidget*> chain;
    QWidget* widget = ui.control("Text1");
    do {
        if (expected.contains(widget->objectName()))
            chain << widget;
        widget = widget->nextInFocusChain();
    } while (widget != ui.control("Text1"));
    EXPECT_EQ(namesOf(chain), expected);
}

TEST_F(MainWindowTest, FocusRestsOnPressToExitAtFirstDisplay) {
    ui.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.window()));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command6");
}

TEST_F(MainWindowTest, WindowAndGroupsAreWhite) {
    ui.click("Option9");
    const QImage picture = ui.window().grab().toImage();
    // Left of the left column, and inside a group right of its last control.
    EXPECT_EQ(picture.pixelColor(4, 300), QColor(Qt::white));
    const QWidget* group = ui.control("Frame4");
    EXPECT_EQ(picture.pixelColor(group->geometry().right() - 10, group->geometry().center().y()),
              QColor(Qt::white));
}

TEST_F(MainWindowTest, PressToExitClosesTheWindow) {
    ui.click("Command6");
    EXPECT_FALSE(ui.window().isVisible());
}

// On the screen it runs on (CTest runs it on 1366 x 768 at 100, 125 and 150 %, and on 1920 x 1080 at 150
// and 200 %): the window lies within the screen below a title bar, at its design size wherever that
// fits, and every control of the results can be scrolled into view.
TEST_F(MainWindowTest, CalculatorFitsItsScreen) {
    Form2& window = ui.window();
    ui.reach(ScreenState::FullResults);
    QApplication::processEvents();
    const QRect free = window.screen()->availableGeometry();
    const int titleBar = 2 * window.fontMetrics().height();
    std::printf("screen %dx%d at %.2f, calculator %dx%d\n", free.width(), free.height(),
                window.devicePixelRatioF(), window.width(), window.height());
    EXPECT_LE(window.width(), free.width());
    EXPECT_LE(window.height() + titleBar, free.height());
    const QSize design(824, 685);
    auto* scroll = window.findChild<QScrollArea*>("PageScroll");
    ASSERT_NE(scroll, nullptr);
    if (free.width() >= design.width() && free.height() - titleBar >= design.height()) {
        EXPECT_EQ(window.size(), design);
        EXPECT_FALSE(scroll->verticalScrollBar()->isVisible() || scroll->horizontalScrollBar()->isVisible());
    }
    QWidget* page = scroll->widget();
    for (const char* name : {"Text10", "Text11", "Text12", "Command5", "Command6", "Text1", "Option9"}) {
        const QWidget* control = window.findChild<QWidget*>(name);
        // What of the control its groups show, on the page; scrolled to, then in the view.
        QRect shown(control->mapTo(page, QPoint()), control->size());
        for (const QWidget* group = control->parentWidget(); group != page; group = group->parentWidget())
            shown &= QRect(group->mapTo(page, QPoint()), group->size());
        scroll->ensureVisible(shown.center().x(), shown.center().y(), shown.width() / 2 + 1,
                              shown.height() / 2 + 1);
        QApplication::processEvents();
        shown.translate(page->mapTo(scroll->viewport(), QPoint()));
        EXPECT_TRUE(scroll->viewport()->rect().contains(shown)) << name;
    }
}

} // namespace
} // namespace pumpvale::testing
