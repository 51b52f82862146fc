// Closing the main window while one of its message boxes is open: the window must outlive the handler
// that opened the box. Real boxes, a real navigator, the window deleted on close as in the program.
#include "test_support.h"
#include "ui/navigator.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

namespace pumpvale::testing {
namespace {

using Act = std::function<void(Form2&)>;

QPushButton* button(Form2& window, const char* name) {
    return window.findChild<QPushButton*>(name);
}

// What the user (or a program) does while the first box is open.
struct CloseCase {
    const char* name;
    Act act;
    int boxes;   // the messages the handler has to show
    bool closes; // whether the window goes
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.name;
}

void closeWindow(Form2& window) {
    window.close();
}
void pressExit(Form2& window) {
    button(window, "Command6")->click();
}
// A screen reader's "press" reaches a button that the modal box blocks for the mouse.
void pressExitByAccessibility(Form2& window) {
    QAccessible::queryAccessibleInterface(button(window, "Command6"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
}
// Then answers the box.
void pressContinueAgain(Form2& window) {
    button(window, "Command2")->click();
    qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->button(QMessageBox::Ok)->click();
}

// Watches for modal boxes: acts once in the first, presses OK in any other.
class BoxWatcher {
public:
    BoxWatcher(Form2& window, Act act) : window_(&window), act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || box == last_)
                return;
            last_ = box;
            ++seen;
            if (seen == 1 && window_)
                act_(*window_);
            else
                box->button(QMessageBox::Ok)->click();
        });
        timer_.start(10);
    }
    int seen = 0;

private:
    QPointer<Form2> window_;
    Act act_;
    QPointer<QMessageBox> last_;
    QTimer timer_;
};

class CloseDuringBox : public ::testing::TestWithParam<CloseCase> {};

// Step one with every entry right but no currency: one box. With 10 psi and 60 weeks as well: three,
// one from each group of rules. The entries are set before the unit choice shows them, so their edit
// checks stay silent.
TEST_P(CloseDuringBox, WindowWasDeletedInsideTheBoxsEventLoop) {
    const CloseCase& c = GetParam();
    Navigator navigator;
    QPointer<Form2> window = navigator.showMain();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    window->findChild<QLineEdit*>("Text1")->setText(c.boxes == 3 ? "10" : "60");
    window->findChild<QLineEdit*>("Text2")->setText("10");
    window->findChild<QLineEdit*>("Text6")->setText(c.boxes == 3 ? "60" : "52");
    window->findChild<QRadioButton*>("Option7")->setChecked(true);
    window->findChild<QRadioButton*>("Option9")->click();

    {
        BoxWatcher watcher(*window, c.act);
        button(*window, "Command2")->click();
        if (c.closes) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 5000));
            EXPECT_EQ(watcher.seen, 1) << "the handler's other messages are dropped";
        } else {
            EXPECT_EQ(watcher.seen, c.boxes);
        }
    }
    if (!c.closes) {
        ASSERT_FALSE(window.isNull());
        EXPECT_TRUE(isIn(*window, ScreenState::OperatingDataStep));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ways, CloseDuringBox, ::testing::Values(
    CloseCase{"CloseInTheOnlyBox",                    closeWindow,              1, true},
    CloseCase{"CloseInTheFirstOfThree",               closeWindow,              3, true},
    CloseCase{"ExitInTheOnlyBox",                     pressExit,                1, true},
    CloseCase{"ExitInTheFirstOfThree",                pressExit,                3, true},
    CloseCase{"AccessibleExitInTheOnlyBox",           pressExitByAccessibility, 1, true},
    CloseCase{"AccessibleExitInTheFirstOfThree",      pressExitByAccessibility, 3, true},
    CloseCase{"AnotherHandlerWaitsForTheOneInTheBox", pressContinueAgain,       3, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace pumpvale::testing
