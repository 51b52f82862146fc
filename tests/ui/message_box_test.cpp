// The real message boxes, answered by a helper that finds the active modal box.
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

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

} // namespace
} // namespace pumpvale::testing
