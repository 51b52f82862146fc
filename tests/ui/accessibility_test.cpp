// What a screen reader finds in the main window: a name for every control that takes the focus, unique in
// the window, with its unit; the accepted ranges; the captions that choose their options.
#include "test_support.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/navigator.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSet>

namespace pumpvale::testing {
namespace {

// What a screen reader says a control is: its name, or where the toolkit gives none (on Linux a list's
// name is its chosen item), the caption it is labelled by.
QString spokenName(QAccessibleInterface* node) {
    QString name = node->text(QAccessible::Name);
    for (const auto& [label, relation] : node->relations(QAccessible::Label))
        if (name.isEmpty())
            name = label->text(QAccessible::Name);
    return name;
}

// Every accessible object under node that takes the focus, by its spoken name, found the way an
// assistive technology walks the tree. A list's items belong to its pop-up, not to the window.
void collectFocusable(QAccessibleInterface* node, QStringList& names, QStringList& unnamed) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr)
            continue;
        if (child->state().focusable) {
            const QString name = spokenName(child);
            if (name.isEmpty())
                unnamed << child->object()->objectName();
            else
                names << name;
        }
        if (child->role() != QAccessible::ComboBox)
            collectFocusable(child, names, unnamed);
    }
}

::testing::AssertionResult namedUniquely(QWidget& window) {
    QStringList names, unnamed;
    collectFocusable(QAccessible::queryAccessibleInterface(&window), names, unnamed);
    if (!unnamed.isEmpty())
        return ::testing::AssertionFailure() << "unnamed: " << unnamed.join(", ").toStdString();
    if (QSet<QString>(names.begin(), names.end()).size() != names.size())
        return ::testing::AssertionFailure() << "a name twice: " << names.join(" | ").toStdString();
    return ::testing::AssertionSuccess() << names.size() << " names";
}

TEST(MainWindowAccessibility, EveryFocusableControlHasAUniqueNameInEveryScreenState) {
    for (const ScreenState state : kScreenStates) {
        MainWindowDriver ui;
        ui.reach(state);
        EXPECT_TRUE(namedUniquely(ui.window())) << nameOf(state);
    }
    MainWindowDriver si;
    si.reach(ScreenState::OperatingDataStep);
    si.click("Option10");
    EXPECT_TRUE(namedUniquely(si.window())) << "step one in S.I. units";
}

TEST(SideWindowAccessibility, EveryFocusableControlHasAUniqueName) {
    Navigator navigator;
    Form1 intro(navigator);
    Form3 about;
    Form4 acknowledgements;
    for (QWidget* window : std::initializer_list<QWidget*>{&intro, &about, &acknowledgements}) {
        window->show();
        EXPECT_TRUE(namedUniquely(*window)) << window->objectName().toStdString();
    }
}

struct NameCase {
    const char* control;
    const char* english; // after the worked example, in US Dollars
    const char* si;      // after switching to S.I. units and choosing Euro
};

TEST(MainWindowAccessibility, NamesCarryTheUnitsAndFollowTheUnitSystemAndCurrency) {
    // clang-format off
    const NameCase cases[]{
        {"Text1",   "Fluid pressure, psi",                             "Fluid pressure, Bar"},
        {"Text2",   "Flow rate, GPM",                                  "Flow rate, l/min"},
        {"Text3",   "System air pressure, psi",                        "System air pressure, Bar"},
        {"Text9",   "Cost of electricity per kilowatt hour, US Dollars", "Cost of electricity per kilowatt hour, Euro"},
        {"Text11",  "AODD annual cost, US Dollars",                    "AODD annual cost, Euro"},
        {"Text10",  "durvane PC pump annual cost, US Dollars",         "durvane PC pump annual cost, Euro"},
        {"Text12",  "Total annual savings, US Dollars",                "Total annual savings, Euro"},
        {"Option9", "English Units",                                   "English Units"},
        {"Option7", "One Stage",                                       "One Stage"},
        {"Option1", "Inlet of 1/4 inch. (1 to 3 GPM)",                 "Inlet of 6.35mm (1/4 in.) (3.8 to 11.4 l/min)"},
        {"Option6", "Inlet of 3 inch. (15 to 200 GPM)",                "Inlet of 76.2mm (3 in.) (56.8 to 757.1 l/min)"},
    };
    // clang-format on
    MainWindowDriver ui;
    EXPECT_EQ(ui.control("Text1")->accessibleName(), "Fluid pressure"); // no unit system yet
    EXPECT_EQ(ui.control("Text11")->accessibleName(), "AODD annual cost");
    ui.enterWorkedExample();
    for (const NameCase& c : cases)
        EXPECT_EQ(ui.control(c.control)->accessibleName(), c.english) << c.control;
    ui.click("Label5"); // the caption chooses S.I. units
    ui.chooseCurrency("Euro");
    for (const NameCase& c : cases)
        EXPECT_EQ(ui.control(c.control)->accessibleName(), c.si) << c.control;
}

TEST(MainWindowAccessibility, EntriesDescribeTheirRangeInTheChosenUnits) {
    MainWindowDriver ui;
    ui.click("Option9");
    EXPECT_TRUE(ui.control("Text1")->accessibleDescription().contains("14.5 to 87 psi"));
    ui.click("Option10");
    EXPECT_TRUE(ui.control("Text1")->accessibleDescription().contains("1 to 5.998 Bar"));
    for (const char* entry : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"})
        EXPECT_TRUE(ui.control(entry)->accessibleDescription().startsWith("Accepted: ")) << entry;
    // The caption is the entry's label for assistive technology.
    const auto relations =
        QAccessible::queryAccessibleInterface(ui.control("Text1"))->relations(QAccessible::Label);
    QStringList labels;
    for (const auto& [label, relation] : relations)
        labels << label->object()->objectName();
    EXPECT_TRUE(labels.contains("Label1")) << labels.join(", ").toStdString();
}

TEST(MainWindowAccessibility, ACaptionChoosesItsOptionOnlyWhileTheOptionIsEnabled) {
    MainWindowDriver ui;
    ui.reach(ScreenState::InletStep);
    ui.click("Label10");
    EXPECT_TRUE(ui.control<QRadioButton>("Option3")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), ui.control("Option3"));
    ui.click("Label26"); // step one is locked: its options stay as they are
    EXPECT_FALSE(ui.control<QRadioButton>("Option8")->isChecked());
    EXPECT_TRUE(ui.control<QRadioButton>("Option7")->isChecked());
}

} // namespace
} // namespace pumpvale::testing

namespace pumpvale::testing {
namespace {

// Voice control and switch access choose an option through its Toggle action; toggle() alone emits no
// click, so the window used to stay half changed (the units checked, the captions still English).
TEST(AccessibleActions, ToggleAndPressRunTheSameHandlerAsAClick) {
    for (const QString& action :
         {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()}) {
        MainWindowDriver ui;
        QAccessibleInterface* si = QAccessible::queryAccessibleInterface(ui.control("Option10"));
        ASSERT_NE(si->actionInterface(), nullptr);
        EXPECT_TRUE(
            si->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        si->actionInterface()->doAction(action);
        EXPECT_TRUE(si->state().checked) << action.toStdString();
        EXPECT_EQ(ui.text("Label29"), "Bar") << action.toStdString();
        EXPECT_EQ(si->role(), QAccessible::RadioButton);
    }
}

// The currency list set by actions alone, as voice control and switch access set it: an item's Press or
// Toggle chose nothing (the item was highlighted and the list stayed open). With the list open or
// closed, the item becomes the list's, the list closes, and the price follows as after a click.
TEST(AccessibleActions, ACurrencyItemsActionChoosesItAndClosesTheList) {
    const struct {
        QString action;
        bool openFirst;
    } cases[] = {{QAccessibleActionInterface::pressAction(), true},
                 {QAccessibleActionInterface::toggleAction(), true},
                 {QAccessibleActionInterface::pressAction(), false}};
    MainWindowDriver typed;
    typed.reach(ScreenState::OperatingDataStep);
    typed.chooseCurrency("Euro");
    for (const auto& c : cases) {
        MainWindowDriver ui;
        ui.reach(ScreenState::OperatingDataStep);
        auto* list = ui.control<QComboBox>("Combo1");
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(list);
        ASSERT_EQ(node->role(), QAccessible::ComboBox);
        if (c.openFirst) {
            node->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
            EXPECT_TRUE(list->view()->isVisible());
            EXPECT_TRUE(node->state().expanded);
        }
        QAccessibleInterface* items = node->child(0);
        ASSERT_NE(items, nullptr);
        EXPECT_EQ(items->parent(), node);
        QAccessibleInterface* euro = nullptr;
        for (int i = 0; i < items->childCount(); ++i)
            if (items->child(i)->text(QAccessible::Name) == "Euro")
                euro = items->child(i);
        ASSERT_NE(euro, nullptr);
        EXPECT_EQ(euro->role(), QAccessible::ListItem);
        EXPECT_EQ(items->indexOfChild(euro), list->findText("Euro"));
        ASSERT_TRUE(euro->actionInterface()->actionNames().contains(c.action));
        euro->actionInterface()->doAction(c.action);
        EXPECT_EQ(list->currentText(), "Euro") << c.action.toStdString();
        EXPECT_FALSE(list->view()->isVisible()) << c.action.toStdString();
        EXPECT_TRUE(euro->state().selected);
        EXPECT_EQ(node->text(QAccessible::Value), "Euro");
        EXPECT_EQ(ui.text("Text9"), typed.text("Text9")) << "the price follows the currency";
    }
}

// A screen reader stands on an inlet option, not on its caption: the option tells the caption's figures.
TEST(AccessibleActions, EachInletOptionIsDescribedByItsCaptionsFigures) {
    MainWindowDriver ui;
    ui.reach(ScreenState::InletStep);
    const std::array<std::pair<const char*, const char*>, 2> pairs{
        {{"Option3", "Label10"}, {"Option6", "Label13"}}};
    for (const auto& [option, caption] : pairs) {
        const QString description =
            QAccessible::queryAccessibleInterface(ui.control(option))->text(QAccessible::Description);
        EXPECT_EQ(description, ui.control<QLabel>(caption)->toolTip());
        EXPECT_TRUE(description.contains("SCFM") || description.contains("cannot serve"))
            << description.toStdString();
    }
    ui.click("Command1"); // back to step one: no figures to tell
    EXPECT_TRUE(ui.control("Option3")->accessibleDescription().isEmpty());
}

TEST(AccessibleActions, EveryWindowIsAWindowWithAName) {
    Navigator navigator;
    MainWindowDriver ui;
    const std::pair<QWidget*, QString> windows[]{{navigator.showIntro(), "Pumpvale"},
                                                 {&ui.window(), "Pumpvale calculator"},
                                                 {navigator.showAbout(), "About"},
                                                 {navigator.showAcknowledgements(), "Acknowledgements"}};
    for (const auto& [window, name] : windows) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(window);
        EXPECT_EQ(node->role(), QAccessible::Window) << name.toStdString();
        EXPECT_EQ(node->text(QAccessible::Name), name);
    }
}

} // namespace
} // namespace pumpvale::testing
