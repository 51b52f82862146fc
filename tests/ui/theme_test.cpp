// Under a desktop's dark colour scheme every window is drawn exactly as under the light one, and its
// texts, entries and option buttons keep their contrast.
#include "dark_palette.h"
#include "test_support.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/light_palette.h"
#include "ui/navigator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <cmath>
#include <functional>

namespace pumpvale::testing {
namespace {

double luminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// The contrast ratio of two colours, 1 to 21; readable text needs 4.5.
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every enabled, shown text, entry and option button of window against what it is drawn on.
std::vector<std::string> lowContrast(const QWidget& window) {
    std::vector<std::string> faults;
    const auto check = [&](const QWidget* w, QPalette::ColorRole fg, QPalette::ColorRole bg,
                           const char* what) {
        const double ratio = contrast(w->palette().color(fg), w->palette().color(bg));
        if (ratio < 4.5)
            faults.push_back(w->objectName().toStdString() + " " + what + " " + std::to_string(ratio));
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || !w->isEnabled())
            continue;
        if (qobject_cast<const QLabel*>(w) != nullptr)
            check(w, QPalette::WindowText, QPalette::Window, "text");
        else if (qobject_cast<const QLineEdit*>(w) != nullptr)
            check(w, QPalette::Text, QPalette::Base, "entry");
        else if (qobject_cast<const QRadioButton*>(w) != nullptr) // the dot on the indicator's inside
            check(w, QPalette::Text, QPalette::Base, "option");
        else if (qobject_cast<const QAbstractButton*>(w) != nullptr)
            check(w, QPalette::ButtonText, QPalette::Button, "button");
    }
    return faults;
}

class DarkScheme : public ::testing::Test {
protected:
    DarkScheme() : before_(QApplication::palette()) { QApplication::setPalette(darkDesktopPalette()); }
    ~DarkScheme() override { QApplication::setPalette(before_); }

    // Draws window as it is (made under the dark scheme), then again under the light one: the two
    // pictures must be the same, and the contrast good.
    static void expectDrawnAsDesigned(QWidget& window, const std::string& what) {
        QApplication::processEvents();
        EXPECT_EQ(lowContrast(window), std::vector<std::string>{}) << what;
        const QImage dark = window.grab().toImage();
        QApplication::setPalette(lightPalette());
        QApplication::processEvents();
        const QImage light = window.grab().toImage();
        QApplication::setPalette(darkDesktopPalette());
        EXPECT_TRUE(dark == light) << what << " is drawn differently under the dark scheme";
    }

private:
    QPalette before_;
};

TEST_F(DarkScheme, MainWindowInEveryScreenStateIsDrawnAsDesigned) {
    for (const ScreenState state : kScreenStates) {
        MainWindowDriver ui;
        ui.reach(state);
        ui.control("Command6")->setFocus(); // no blinking text cursor between the two pictures
        expectDrawnAsDesigned(ui.window(), std::string(nameOf(state)));
    }
}

TEST_F(DarkScheme, SideWindowsAreDrawnAsDesigned) {
    Navigator navigator;
    for (QWidget* window : std::initializer_list<QWidget*>{navigator.showIntro(), navigator.showAbout(),
                                                           navigator.showAcknowledgements()})
        expectDrawnAsDesigned(*window, window->objectName().toStdString());
}

TEST(LightPalette, IsTheDefaultLookTheWindowsWereDesignedIn) {
    // The offscreen platform's palette is Fusion's light one: the README's pictures stay as they are.
    const QPalette defaults = QApplication::style()->standardPalette();
    const QPalette light = lightPalette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            EXPECT_EQ(light.color(group, QPalette::ColorRole(role)).rgba(),
                      defaults.color(group, QPalette::ColorRole(role)).rgba())
                << "group " << group << " role " << role;
}

} // namespace
} // namespace pumpvale::testing
