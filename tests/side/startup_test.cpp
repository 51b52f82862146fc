// The program's start: the intro window first, its icon right after the window has been drawn.
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/navigator.h"
#include "ui/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
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

// "pumpvale FILE": the calculator, not the intro, with the case pressed through to its results.
TEST(StartUp, AFileNamedOpensTheCalculatorWithItsCase) {
    QTemporaryDir dir;
    QFile file(dir.filePath("case.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("units,pc_stages,pressure,flow,air_pressure,weeks,days,hours,currency,inlet\n"
               "English,1,60,10,90,52,7,24,US Dollars,1\n");
    file.close();
    Navigator navigator;
    auto* calculator = qobject_cast<Form2*>(startPumpvaleWithCase(navigator, file.fileName()));
    ASSERT_NE(calculator, nullptr);
    EXPECT_TRUE(calculator->isVisible());
    QElapsedTimer waited;
    waited.start();
    while (!calculator->areResultsShown() && waited.elapsed() < 5000)
        QApplication::processEvents();
    EXPECT_TRUE(calculator->areResultsShown());
    EXPECT_FALSE(calculator->controls().Text11->text().isEmpty());
}

} // namespace
} // namespace pumpvale
