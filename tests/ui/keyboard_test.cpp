// Enter presses the focused button in every window; Escape closes the side windows.
#include "test_support.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/navigator.h"

#include <QApplication>
#include <QPushButton>

namespace pumpvale::testing {
namespace {

void pressKey(QWidget* focused, Qt::Key key) {
    focused->setFocus();
    QTest::keyClick(focused, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

struct EnterCase {
    ScreenState from;
    const char* focused;
    ScreenState to;
};

TEST(MainWindowKeyboard, EnterPressesTheFocusedButton) {
    using enum ScreenState;
    const EnterCase cases[]{
        {OperatingDataStep, "Command2", InletStep},      {InletStep, "Command1", OperatingDataStep},
        {CompressorStep, "Command4", FullResults},       {CompressorStep, "Command7", InletStep},
        {FullResults, "Command5", OperatingDataStep},    {PcOnlyStep, "Command4", PcOnlyResults},
        {OperatingDataStep, "Text1", OperatingDataStep}, // Enter in an entry presses nothing
    };
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        for (const EnterCase& c : cases) {
            MainWindowDriver ui;
            ui.reach(c.from);
            pressKey(ui.control(c.focused), key);
            EXPECT_TRUE(isIn(ui.window(), c.to)) << nameOf(c.from) << ", Enter on " << c.focused;
        }
    }
    MainWindowDriver ui;
    ui.reach(ScreenState::InletStep);
    ui.click("Option3");
    pressKey(ui.control("Command3"), Qt::Key_Return);
    EXPECT_TRUE(isIn(ui.window(), ScreenState::CompressorStep));
    pressKey(ui.control("Command6"), Qt::Key_Return);
    EXPECT_FALSE(ui.window().isVisible()) << "Enter on \"Press To Exit\"";
}

class SideWindowKeyboard : public ::testing::Test {
protected:
    void TearDown() override { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static QWidget* shown(const char* name) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == name && window->isVisible())
                return window;
        return nullptr;
    }
    static QWidget* button(QWidget* window) { return window->findChild<QPushButton*>("Command1"); }

    Navigator navigator;
};

TEST_F(SideWindowKeyboard, EnterOnContinueOpensTheCalculator) {
    QWidget* intro = navigator.showIntro();
    pressKey(button(intro), Qt::Key_Return);
    EXPECT_NE(shown("Form2"), nullptr);
    EXPECT_EQ(shown("Form1"), nullptr);
}

TEST_F(SideWindowKeyboard, EnterOnCloseAndEscapeCloseAboutAndAcknowledgements) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        for (QWidget* window :
             std::initializer_list<QWidget*>{navigator.showAbout(), navigator.showAcknowledgements()}) {
            const QString name = window->objectName();
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            pressKey(button(window), key);
            EXPECT_EQ(shown(name.toLatin1().constData()), nullptr) << name.toStdString() << " key " << key;
        }
    }
}

TEST_F(SideWindowKeyboard, EscapeLeavesTheIntroOpen) {
    QWidget* intro = navigator.showIntro();
    intro->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(intro));
    pressKey(button(intro), Qt::Key_Escape);
    EXPECT_NE(shown("Form1"), nullptr);
}

} // namespace
} // namespace pumpvale::testing
