// The way between the four windows: start-up, the side windows, "Continue" and the end of the program.
#include "helpers.h"
#include "ui/form1.h"
#include "ui/navigator.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace pumpvale {
namespace {

using test::control;
using test::openWindows;
using test::settle;
using test::windowCount;

class Navigation : public ::testing::Test {
protected:
    void SetUp() override { intro = navigator.showIntro(); }
    void TearDown() override { settle(); }

    void press(QWidget* window, const char* button) {
        control<QPushButton>(window, button).click();
        settle();
    }
    QWidget* window(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible())
                return w;
        return nullptr;
    }

    Navigator navigator; // deletes what a test leaves open
    QWidget* intro = nullptr;
};

TEST_F(Navigation, StartUpShowsTheIntroWindowAlone) {
    EXPECT_EQ(openWindows(), QStringList{"Form1"});
}

TEST_F(Navigation, AboutTwiceLeavesOneAboutWindow) {
    press(intro, "Command2");
    press(intro, "Command2");
    EXPECT_EQ(windowCount("Form3"), 1);
    EXPECT_EQ(openWindows(), (QStringList{"Form1", "Form3"}));
}

TEST_F(Navigation, AcknowledgementsTwiceLeavesOneAcknowledgementsWindow) {
    press(intro, "Command3");
    press(intro, "Command3");
    EXPECT_EQ(windowCount("Form4"), 1);
    EXPECT_EQ(openWindows(), (QStringList{"Form1", "Form4"}));
}

TEST_F(Navigation, ContinueWithBothSideWindowsOpenLeavesOnlyTheMainWindow) {
    press(intro, "Command2");
    press(intro, "Command3");
    press(intro, "Command1");
    EXPECT_EQ(openWindows(), QStringList{"Form2"});
    EXPECT_EQ(windowCount("Form1") + windowCount("Form3") + windowCount("Form4"), 0);
}

TEST_F(Navigation, ContinueWithNeitherSideWindowOpenLeavesOnlyTheMainWindow) {
    press(intro, "Command1");
    EXPECT_EQ(openWindows(), QStringList{"Form2"});
    EXPECT_EQ(windowCount("Form3") + windowCount("Form4"), 0);
}

TEST_F(Navigation, EnterOnTheFocusedContinueGoesOn) {
    QTest::keyClick(intro->focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_EQ(openWindows(), QStringList{"Form2"});
}

// Qt ends the program only from its event loop: these tests run their steps there, and the loop ends
// either when the last window closes or, failing that, after a few seconds.
class TheProgram : public Navigation {
protected:
    // Whether the program ended when its last window closed.
    bool endsAfter(const std::function<void()>& steps) {
        QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, qApp, &QCoreApplication::quit);
        giveUp.start(5000);
        QTimer::singleShot(0, qApp, steps);
        QApplication::exec();
        return lastWindowClosed.count() == 1 && giveUp.isActive();
    }
};

TEST_F(TheProgram, EndsWhenTheMainWindowCloses) {
    EXPECT_TRUE(endsAfter([this] {
        press(intro, "Command2");
        press(intro, "Command1");
        EXPECT_EQ(openWindows(), QStringList{"Form2"}); // still running: the main window came first
        window("Form2")->close();
    }));
}

TEST_F(TheProgram, RunsOnAfterTheIntroClosesUntilTheLastSideWindowCloses) {
    EXPECT_TRUE(endsAfter([this] {
        press(intro, "Command2");
        intro->close();
        settle();
        EXPECT_EQ(openWindows(), QStringList{"Form3"});
        press(window("Form3"), "Command1");
    }));
}

TEST_F(Navigation, ClosingWindowsThatAreNotOpenDoesNothing) {
    navigator.closeAbout();
    navigator.closeAcknowledgements();
    settle();
    EXPECT_EQ(openWindows(), QStringList{"Form1"});
    EXPECT_EQ(windowCount("Form3") + windowCount("Form4"), 0);
}

TEST_F(Navigation, AClosedSideWindowOpensAgain) {
    press(intro, "Command2");
    press(window("Form3"), "Command1");
    press(intro, "Command2");
    EXPECT_EQ(windowCount("Form3"), 1);
    EXPECT_EQ(openWindows(), (QStringList{"Form1", "Form3"}));
}

TEST_F(Navigation, ShowingAWindowClosedInTheSameEventReplacesIt) {
    press(intro, "Command2");
    window("Form3")->close(); // its deletion still pending
    navigator.showAbout();
    settle();
    EXPECT_EQ(windowCount("Form3"), 1);
    EXPECT_EQ(openWindows(), (QStringList{"Form1", "Form3"}));
}

// Closing a side window with its close box or with its "Close" button.
struct CloseCase {
    const char* name;
    const char* window;
    bool closeBox;
};
void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.name;
}

class ClosingASideWindow : public Navigation, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingASideWindow, ClosesItAndNothingElse) {
    const CloseCase& c = GetParam();
    press(intro, "Command2"); // both side windows open
    press(intro, "Command3");
    QWidget* side = window(c.window);
    ASSERT_NE(side, nullptr);
    if (c.closeBox)
        side->close();
    else
        control<QPushButton>(side, "Command1").click();
    settle();

    EXPECT_EQ(windowCount(c.window), 0);
    EXPECT_EQ(openWindows().size(), 2);
    EXPECT_TRUE(openWindows().contains("Form1"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Side, ClosingASideWindow, ::testing::Values(
    CloseCase{"AboutWithClose",                  "Form3", false},
    CloseCase{"AboutWithItsCloseBox",            "Form3", true},
    CloseCase{"AcknowledgementsWithClose",       "Form4", false},
    CloseCase{"AcknowledgementsWithItsCloseBox", "Form4", true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace pumpvale
