// The program's start: the intro window first, its icon right after the window has been drawn.
#include "ui/form1.h"
#include "ui/navigator.h"
#include "ui/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace pumpvale {
namespace {

TEST(StartUp, AnIntroCreatedButNotYetShownIsTheOneThatShows) {
    Navigator navigator;
    Form1* created = navigator.intro();
    EXPECT_FALSE(created->isVisible());
    EXPECT_EQ(navigator.intro(), created);
    EXPECT_EQ(navigator.showIntro(), created);
    EXPECT_TRUE(created->isVisible());
}

TEST(StartUp, TheIntroGetsTheProgramsIconOnceItHasBeenDrawn) {
    Navigator navigator;
    QWidget* intro = startPumpvale(navigator);
    EXPECT_TRUE(intro->isVisible());
    QElapsedTimer waited;
    waited.start();
    while (intro->windowIcon().isNull() && waited.elapsed() < 5000)
        QApplication::processEvents();
    EXPECT_FALSE(intro->windowIcon().isNull());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

} // namespace
} // namespace pumpvale
