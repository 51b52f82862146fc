// The real message boxes, answered by a helper that finds the active modal box.
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdlib>

namespace pumpvale::testing {
namespace {

struct ShownBox {
    QString id; // the message's, as the box's object name
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Notes what each modal box shows and presses its OK button.
class BoxAnswerer {
public:
    BoxAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            shown.push_back(
                {box->objectName(), box->text(), box->windowTitle(), box->icon(), box->standardButtons()});
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start(10);
    }
    std::vector<ShownBox> shown;

private:
    QTimer timer_;
};

TEST(MessageBox, ShowsAnErrorWithItsTitleTheStopIconAndOk) {
    QWidget parent;
    BoxAnswerer answerer;
    MessageBoxSink(&parent).show(msg::kSecondLaw);
    ASSERT_EQ(answerer.shown.size(), 1u);
    EXPECT_EQ(answerer.shown[0].id.toStdString(), "second_law");
    EXPECT_EQ(answerer.shown[0].text.toStdString(), msg::kSecondLaw.text);
    EXPECT_EQ(answerer.shown[0].title, "ERROR");
    EXPECT_EQ(answerer.shown[0].icon, QMessageBox::Critical);
    EXPECT_EQ(answerer.shown[0].buttons, QMessageBox::Ok);
}

TEST(MessageBox, UntitledMessageShowsTheApplicationsTitleAndNoIcon) {
    QWidget parent;
    BoxAnswerer answerer;
    MessageBoxSink(&parent).show(msg::kAirPressureInsufficientNoLarger);
    ASSERT_EQ(answerer.shown.size(), 1u);
    EXPECT_EQ(answerer.shown[0].title, "Pumpvale");
    EXPECT_EQ(answerer.shown[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(answerer.shown[0].buttons, QMessageBox::Ok);
}

TEST(MessageBox, WindowShowsAnEditWarningAsAModalBox) {
    Form2 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    BoxAnswerer answerer;
    QTest::mouseClick(window.findChild<QWidget*>("Option9"), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClicks(window.findChild<QWidget*>("Text1"), "15");
    ASSERT_EQ(answerer.shown.size(), 1u);
    EXPECT_EQ(answerer.shown[0].id.toStdString(), messageIdName(MessageId::PressureBelowAoddRange));
    EXPECT_EQ(answerer.shown[0].text.toStdString(), msg::kPressureBelowAoddRange.text);
    EXPECT_EQ(answerer.shown[0].title, "WARNING");
    EXPECT_EQ(answerer.shown[0].icon, QMessageBox::Critical);
}

struct Placement {
    const char* name;
    QPoint at;      // where the window stands when the box is raised
    QPoint movedTo; // where the desktop then places it, the box open
};

// clang-format off
const Placement kPlacements[] = {
    {"WhereTheWindowStands",          {200, 150}, {200, 150}},
    // A file opened at start-up raised its boxes before the desktop had placed the calculator: they
    // stayed where it first stood, half outside it, to its left.
    {"FollowingTheWindowToItsPlace",  {0, 0},     {300, 250}},
    {"InsideTheScreenAtItsEdge",      {-300, 100}, {-300, 100}},
};
// clang-format on

// Centred on the window the message belongs to, inside the screen.
TEST(MessageBox, IsCentredOnItsWindow) {
    for (const Placement& p : kPlacements) {
        QWidget window;
        auto* entry = new QWidget(&window); // the message comes from a control of the window
        window.resize(400, 300);
        window.move(p.at);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QRect box;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (shown == nullptr)
                return;
            window.move(p.movedTo);
            QApplication::processEvents();
            box = shown->frameGeometry();
            shown->button(QMessageBox::Ok)->click();
        });
        answer.start(10);
        MessageBoxSink(entry).show(msg::kSecondLaw);
        const QRect free = window.screen()->availableGeometry();
        const QPoint off = box.center() - window.frameGeometry().center();
        if (free.contains(window.frameGeometry())) {
            EXPECT_LE(off.manhattanLength(), 2) << p.name << ": " << off.x() << ", " << off.y();
        } else {
            EXPECT_TRUE(free.contains(box)) << p.name;
            EXPECT_LE(std::abs(off.y()), 1) << p.name;
        }
    }
}

} // namespace
} // namespace pumpvale::testing
