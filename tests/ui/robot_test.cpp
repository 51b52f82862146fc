// A robot user on the real main window: a seeded random run of typing hostile texts, pasting long ones,
// clicking whatever is shown and enabled, choosing currencies and switching units. After every action
// the window must be in one of its named screen states and every amount it shows a finite "Standard"
// figure. A failure names the seed and the step, so it can be replayed.
#include "test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <random>

namespace pumpvale::testing {
namespace {

using enum ScreenState;

// clang-format off
// Texts a hostile user or a careless paste brings.
const QString kHostileTexts[] = {
    "0", "-5", "", " ", "abc", "1,5", "1.2.3", "--1", "+", "1e", "1 e 2", ".", "99.999", "0.004", "100",
    "1e308", "-1e308", "1e999", "4.9e-324", "1e-300", "nan", "inf", "0x10", "1e-999",
    QString::fromUtf8("\u00A060"), QString::fromUtf8("6\u200B0"), QString::fromUtf8("\u200F60"),
    QString::fromUtf8("\uFEFF75"), QString::fromUtf8("1\u202F000"), QString::fromUtf8("\u00B560"),
};

// Each entry with figures that move the workflow on (and to its edges), so that the robot gets past
// step one often enough to reach every screen state.
struct Entry {
    const char* name;
    std::vector<QString> plausible;
};
const Entry kEntries[] = {
    {"Text1", {"60", "50", "30", "40", "80", "15", "150"}},  // pressure
    {"Text2", {"10", "60", "5.5", "250", "180", "0.3", "1"}}, // flow
    {"Text3", {"90", "50", "120", "6.5"}},                    // air pressure
    {"Text4", {"1", "2", "3"}},                               // compressor stages
    {"Text5", {"75", "80", "4.9e-324", "1e-300", "100"}},     // compressor efficiency
    {"Text6", {"52", "10"}},
    {"Text7", {"7", "5"}},
    {"Text8", {"24", "8"}},
    {"Text9", {"0.065", "0.1", "0.2"}},
};
// clang-format on

const QString kLongTexts[] = {
    QString(5000, '9'),
    "1" + QString(400, '0'),
    "0." + QString(5000, '0') + "1e5000",
    "1" + QString(20000, '0') + "e-20000",
};

// The "Standard" figure with the C locale's separators.
const QRegularExpression kStandard(R"(^-?(0|[1-9]\d{0,2}(,\d{3})*)\.\d\d$)");

class Robot {
public:
    Robot(MainWindowDriver& ui, unsigned seed) : ui_(ui), random_(seed) {}

    // Does one action and says what it did.
    QString act() {
        const std::size_t dice = pick(20);
        if (dice >= 18 && operable(ui_.control("Command2")))
            return fillInStepOne();
        if (dice < 11) {
            const Entry* entry = pickOperableEntry();
            if (entry == nullptr)
                return click();
            auto* edit = ui_.control<QLineEdit>(entry->name);
            if (dice < 10) {
                const QString& text = dice < 7 ? entry->plausible[pick(entry->plausible.size())]
                                               : kHostileTexts[pick(std::size(kHostileTexts))];
                type(*edit, text);
                return "type \"" + text + "\" into " + entry->name;
            }
            const QString& text = kLongTexts[pick(std::size(kLongTexts))];
            edit->setFocus();
            edit->selectAll();
            edit->insert(text);
            return QString("paste %1 characters into %2").arg(text.size()).arg(entry->name);
        }
        if (dice < 13) {
            auto* list = ui_.control<QComboBox>("Combo1");
            if (operable(list)) {
                const QString item = list->itemText(static_cast<int>(pick(list->count())));
                ui_.chooseCurrency(item);
                return "choose " + item;
            }
        }
        return click();
    }

    // A plausible figure in every entry of step one, a stage and a currency, then "Press to Continue",
    // as a careful user does.
    QString fillInStepOne() {
        for (const Entry& entry : kEntries)
            if (operable(ui_.control(entry.name)))
                type(*ui_.control<QLineEdit>(entry.name), entry.plausible[pick(entry.plausible.size())]);
        ui_.click(pick(2) == 0 ? "Option7" : "Option8");
        auto* list = ui_.control<QComboBox>("Combo1");
        ui_.chooseCurrency(list->itemText(static_cast<int>(pick(list->count()))));
        ui_.click("Command2");
        return "fill in step one and continue";
    }

    // Any shown and enabled button or option but "Press To Exit", by the mouse.
    QString click() {
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* button : ui_.window().findChildren<QAbstractButton*>())
            if (operable(button) && button->objectName() != "Command6") // the window would go
                buttons.append(button);
        QAbstractButton* button = buttons[static_cast<qsizetype>(pick(buttons.size()))];
        ui_.click(button->objectName().toLatin1().constData());
        return "click " + button->objectName();
    }

private:
    // Keystroke by keystroke; a character beyond ASCII comes as the text of a key the keyboard lacks,
    // as an input method sends it.
    static void type(QLineEdit& entry, const QString& text) {
        entry.setFocus();
        entry.selectAll();
        if (text.isEmpty())
            QTest::keyClick(&entry, Qt::Key_Delete);
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(&entry, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, &entry, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
    std::size_t pick(std::size_t n) { return random_() % n; }
    bool operable(const QWidget* control) const {
        return control->isVisibleTo(&ui_.window()) && control->isEnabled();
    }
    const Entry* pickOperableEntry() {
        std::vector<const Entry*> found;
        for (const Entry& entry : kEntries)
            if (operable(ui_.control(entry.name)))
                found.push_back(&entry);
        return found.empty() ? nullptr : found[pick(found.size())];
    }

    MainWindowDriver& ui_;
    std::mt19937 random_; // its numbers are the same on every platform
};

// The names of the states the window is in (exactly one when all is well).
std::vector<std::string_view> statesOf(Form2& window) {
    std::vector<std::string_view> names;
    for (const ScreenState state : kScreenStates)
        if (screenStateMismatches(window, state).empty())
            names.push_back(nameOf(state));
    return names;
}

class RobotUser : public ::testing::TestWithParam<unsigned> {};

TEST_P(RobotUser, KeepsTheWindowInANamedStateShowingOnlyFigures) {
    constexpr int kActions = 600;
    QLocale::setDefault(QLocale::c());
    MainWindowDriver ui;
    Robot robot(ui, GetParam());
    ASSERT_TRUE(isIn(ui.window(), UnitChoice));
    for (int step = 0; step < kActions; ++step) {
        const QString action = robot.act();
        const auto where = "seed " + std::to_string(GetParam()) + ", step " + std::to_string(step) + ": " +
                           action.left(80).toStdString();
        ASSERT_EQ(statesOf(ui.window()).size(), 1u) << where;
        for (const char* box : {"Text10", "Text11", "Text12"}) {
            if (!ui.control(box)->isVisibleTo(&ui.window()))
                continue;
            const QString shown = ui.text(box);
            ASSERT_TRUE(kStandard.match(shown).hasMatch() && shown != "-0.00")
                << where << ": " << box << " shows \"" << shown.toStdString() << '"';
        }
        for (const Message& message : ui.messages.shown)
            ASSERT_FALSE(message.text.empty()) << where;
        ui.messages.shown.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RobotUser, ::testing::Values(1u, 2u, 3u, 20261208u));

} // namespace
} // namespace pumpvale::testing
