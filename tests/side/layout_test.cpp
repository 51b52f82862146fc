// The three small windows as drawn: frame, size, pictures, focus order, and every text fitting its
// control in the fonts in use.
#include "helpers.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/navigator.h"

#include <QLabel>
#include <QPushButton>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace pumpvale {
namespace {

using test::control;

// Each test opens its window on a navigator of its own.
class Window : public ::testing::Test {
protected:
    QWidget* open(const std::string& name) {
        if (name == "Form1")
            return navigator.showIntro();
        if (name == "Form3")
            return navigator.showAbout();
        return navigator.showAcknowledgements();
    }
    Navigator navigator;
};

const char* const kSmallWindows[] = {"Form1", "Form3", "Form4"};

// The lines a label's text falls into, as QLabel wraps it within its width, without the blanks at
// which each line ends.
QStringList wrappedLines(const QLabel& label) {
    QString text = label.text();
    text.replace('\n', QChar::LineSeparator);
    QTextLayout layout(text, label.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.contentsRect().width());
        QString piece = text.mid(line.textStart(), line.textLength());
        while (piece.endsWith(' ') || piece.endsWith(QChar::LineSeparator))
            piece.chop(1);
        lines << piece;
    }
    layout.endLayout();
    return lines;
}

// --- The frame --------------------------------------------------------------------------------------

struct FrameCase {
    const char* name;
    const char* title;
    QSize size; // the design's client area in twips / 15 x 1.25, rounded
};
void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.name;
}

class WindowFrame : public Window, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(WindowFrame, IsFixedWithACloseBoxOnWhite) {
    const FrameCase& c = GetParam();
    const QWidget* window = open(c.name);
    EXPECT_EQ(window->windowTitle(), c.title);
    EXPECT_EQ(window->size(), c.size);
    EXPECT_EQ(window->minimumSize(), c.size);
    EXPECT_EQ(window->maximumSize(), c.size);

    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));

    EXPECT_TRUE(window->autoFillBackground());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_FALSE(window->windowIcon().isNull());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Side, WindowFrame, ::testing::Values(
    FrameCase{"Form1", "Pumpvale",         {771, 541}},  // 9255 x 6495 twips
    FrameCase{"Form3", "About",            {390, 516}},  // 4680 x 6195
    FrameCase{"Form4", "Acknowledgements", {429, 375}}), // 5145 x 4500
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- Focus ------------------------------------------------------------------------------------------

struct FocusCase {
    const char* name;
    QStringList order; // from the control that has the focus when the window opens
};
void PrintTo(const FocusCase& c, std::ostream* os) {
    *os << c.name;
}

class FocusOrder : public Window, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(FocusOrder, StartsOnTheFirstButtonAndVisitsOnlyTheButtons) {
    const FocusCase& c = GetParam();
    QWidget* window = open(c.name);
    QWidget* first = window->focusWidget();
    ASSERT_NE(first, nullptr);
    QStringList order;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled())
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    EXPECT_EQ(order, c.order);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Side, FocusOrder, ::testing::Values(
    FocusCase{"Form1", {"Command1", "Command2", "Command3"}},
    FocusCase{"Form3", {"Command1"}},
    FocusCase{"Form4", {"Command1"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- Texts and controls -----------------------------------------------------------------------------

class EveryWindow : public Window, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryWindow, EveryCaptionFitsItsControl) {
    const QWidget* window = open(GetParam());
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        const QSize needed = button->sizeHint();
        EXPECT_LE(needed.width(), button->width()) << button->objectName().toStdString();
        EXPECT_LE(needed.height(), button->height()) << button->objectName().toStdString();
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect();
        const QRect text = label->fontMetrics().boundingRect(
            QRect(0, 0, room.width(), 10000), Qt::TextWordWrap | static_cast<int>(label->alignment().toInt()),
            label->text());
        EXPECT_LE(text.width(), room.width()) << label->objectName().toStdString();
        EXPECT_LE(text.height(), room.height()) << label->objectName().toStdString();
    }
}

// What a control shows: a label's text or picture from its top-left corner, a button whole.
QRect drawnArea(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    if (label == nullptr)
        return control.geometry();
    if (label->text().isEmpty())
        return {label->pos(), label->pixmap().deviceIndependentSize().toSize()};
    const QRect text = label->fontMetrics().boundingRect(
        QRect(0, 0, label->width(), 10000), Qt::TextWordWrap | static_cast<int>(label->alignment().toInt()),
        label->text());
    return {label->pos(), text.size()};
}

TEST_P(EveryWindow, ControlsStayInsideTheWindowAndApart) {
    const QWidget* window = open(GetParam());
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const std::string name = controls[i]->objectName().toStdString();
        EXPECT_TRUE(window->rect().contains(controls[i]->geometry())) << name;
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(drawnArea(*controls[i]).intersects(drawnArea(*controls[j])))
                << name << " and " << controls[j]->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Side, EveryWindow, ::testing::ValuesIn(kSmallWindows),
                         [](const auto& info) { return std::string(info.param); });

// --- Line breaks ------------------------------------------------------------------------------------

// Texts laid out line by line, by the blanks that pad them or by their line breaks.
struct LinesCase {
    const char* name;
    const char* window;
    const char* label;
    QStringList lines;
};
void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.name;
}

class LineBreaks : public Window, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(LineBreaks, PutEachItemOnALineOfItsOwn) {
    const LinesCase& c = GetParam();
    EXPECT_EQ(wrappedLines(control<QLabel>(open(c.window), c.label)), c.lines);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Side, LineBreaks, ::testing::Values(
    LinesCase{"IntroProgramAndVersion", "Form1", "Label2",
              {"Program:      Pumpvale.exe", "Version:       1.41"}},
    LinesCase{"AboutProgramAndVersion", "Form3", "Label2",
              {"Program:      Pumpvale.exe", "Version:      1.41", "By the Pumpvale developers",
               "Created on:  6/16/04", "Made for durvane, Inc."}},
    LinesCase{"Thanks", "Form4", "Label2",
              {"Librarians (for the books)", "Our lab (for the research)"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The address block: name, street, town, phone and fax, each on its own line.
TEST_F(Window, TheIntroAddressBlockHasOneItemToALine) {
    const QLabel& address = control<QLabel>(open("Form1"), "Label3");
    const QStringList lines = wrappedLines(address);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines.first(), "durvane, Inc.");
    EXPECT_TRUE(lines[3].startsWith("Phone:"));
    EXPECT_TRUE(lines[4].startsWith("Fax:"));
}

// --- Pictures ---------------------------------------------------------------------------------------

struct PictureCase {
    const char* name;
    const char* window;
    const char* picture;
    QSize design; // pixels
};
void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

class Pictures : public Window, public ::testing::WithParamInterface<PictureCase> {};

// At the layout's scale of 1.25, to the pixel of the screen (a fraction of one on a high-density screen).
TEST_P(Pictures, AreDrawnAtTheirOwnSizeWithinTheirPlace) {
    const PictureCase& c = GetParam();
    const QLabel& picture = control<QLabel>(open(c.window), c.picture);
    const QSizeF drawn = picture.pixmap().deviceIndependentSize();
    const QSizeF scaled = QSizeF(c.design) * 1.25;
    EXPECT_GT(drawn.width(), scaled.width() - 1);
    EXPECT_LE(drawn.width(), scaled.width());
    EXPECT_GT(drawn.height(), scaled.height() - 1);
    EXPECT_LE(drawn.height(), scaled.height());
    EXPECT_TRUE(QRect(QPoint(), picture.size()).contains(QRect(QPoint(), drawn.toSize())));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Side, Pictures, ::testing::Values(
    PictureCase{"IntroRotor", "Form1", "Image2", {98, 405}},
    PictureCase{"IntroLogo",  "Form1", "Image1", {497, 156}},
    PictureCase{"AboutLogo",  "Form3", "Image1", {160, 57}},
    PictureCase{"ThanksLogo", "Form4", "Image1", {160, 57}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace pumpvale
