// F1 lists every key the program offers, and the manual page lists the same keys; the side windows'
// buttons are words alone.
#include "test_support.h"
#include "ui/form1.h"
#include "ui/keys_window.h"
#include "ui/navigator.h"
#include "ui/shortcuts.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QProxyStyle>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <functional>
#include <memory>

namespace pumpvale::testing {
namespace {

TEST(KeysAndActions, F1InTheCalculatorListsEveryKeyAndTabLeavesTheTable) {
    installKeysHelp();
    MainWindowDriver ui;
    ui.window().activateWindow();
    QTest::keyClick(ui.control("Option9"), Qt::Key_F1);

    auto* keys = ui.window().findChild<KeysWindow*>();
    ASSERT_NE(keys, nullptr);
    EXPECT_TRUE(keys->isVisible());
    const QTableWidget& table = keys->table();
    ASSERT_EQ(std::size_t(table.rowCount()), kActionKeys.size() + kPlantListKeys.size() + kMovingKeys.size());
    for (std::size_t i = 0; i < kActionKeys.size(); ++i) {
        EXPECT_FALSE(keySequence(kActionKeys[i]).isEmpty()) << kActionKeys[i].keys;
        EXPECT_EQ(table.item(int(i), 1)->text().toStdString(), kActionKeys[i].action);
    }

    QApplication::setActiveWindow(keys);
    ASSERT_TRUE(QTest::qWaitForWindowActive(keys));
    auto* close = keys->findChild<QPushButton*>();
    ASSERT_NE(close, nullptr);
    const_cast<QTableWidget&>(table).setFocus();
    QTest::keyClick(const_cast<QTableWidget*>(&table), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), close);
    delete keys;
}

// A newcomer learns of F1 from the calculator and the intro themselves: a tooltip over any part without
// one of its own, What's This, the status tip and the description a screen reader gives the window.
TEST(KeysAndActions, TheWindowsThemselvesTellOfF1) {
    Navigator navigator;
    MainWindowDriver ui;
    for (QWidget* window :
         {static_cast<QWidget*>(&ui.window()), static_cast<QWidget*>(navigator.showIntro())}) {
        const QString tip = "Press F1 for Keys and Actions: every key and action of the program.";
        EXPECT_EQ(window->toolTip(), tip) << window->objectName().toStdString();
        EXPECT_EQ(window->whatsThis(), tip);
        EXPECT_EQ(window->statusTip(), tip);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->text(QAccessible::Description), tip);
    }
}

// The list is the actions' one source: each action of the calculator answers its listed key.
TEST(KeysAndActions, EveryListedActionOfTheCalculatorAnswersItsKey) {
    MainWindowDriver ui;
    for (const KeyEntry& entry : kActionKeys) {
        if (entry.keys == keys::kHelp.keys)
            continue; // the application's, not the window's
        const QString text = QString::fromUtf8(entry.action.data(), qsizetype(entry.action.size()));
        const auto actions = ui.window().actions();
        const auto found = std::find_if(actions.begin(), actions.end(),
                                        [&](const QAction* action) { return action->text() == text; });
        ASSERT_NE(found, actions.end()) << entry.action;
        EXPECT_TRUE((*found)->shortcuts().contains(keySequence(entry))) << entry.action;
    }
}

TEST(KeysAndActions, TheManualPageListsEveryActionsKey) {
    QFile page(QStringLiteral(PUMPVALE_SOURCE_DIR "/packaging/pumpvale.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    // groff writes a hyphen as \-; the page's own text, as a reader sees it.
    const QString text = QString::fromUtf8(page.readAll()).replace("\\-", "-").replace("\\&", "");
    std::vector<KeyEntry> entries(kActionKeys.begin(), kActionKeys.end());
    entries.insert(entries.end(), kPlantListKeys.begin(), kPlantListKeys.end());
    for (const KeyEntry& entry : entries) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(entry.keys.data(), qsizetype(entry.keys.size()))))
            << entry.keys;
        EXPECT_TRUE(text.contains(QString::fromUtf8(entry.action.data(), qsizetype(entry.action.size()))))
            << entry.action;
    }
}

// A desktop whose dialog buttons carry icons: KDE's, say.
class IconsOnDialogButtons final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// Only the Keys and Actions' Close had an icon, the desktop's standard button's; every button is words
// alone, as the calculator's are. Its headings say what their column holds.
TEST(SideWindows, ButtonsAreWordsAloneOnADesktopThatGivesIcons) {
    const QString style = QApplication::style()->name();
    QApplication::setStyle(new IconsOnDialogButtons);
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> windows[] = {
        {"KeysWindow", [] { return std::make_unique<KeysWindow>(); }},
    };
    for (const auto& [name, make] : windows) {
        const std::unique_ptr<QWidget> window = make();
        const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
        EXPECT_FALSE(buttons.isEmpty()) << name;
        for (const QPushButton* button : buttons)
            EXPECT_TRUE(button->icon().isNull()) << name << ": " << button->text().toStdString();
    }
    KeysWindow keys;
    QStringList headings;
    for (int column = 0; column < keys.table().columnCount(); ++column)
        headings << keys.table().horizontalHeaderItem(column)->text();
    EXPECT_EQ(headings, QStringList({"Keys", "Action", "Available"}));
    QApplication::setStyle(style);
}

} // namespace
} // namespace pumpvale::testing
