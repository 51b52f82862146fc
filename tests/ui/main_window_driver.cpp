#include "main_window_driver.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace pumpvale::testing {

MainWindowDriver::MainWindowDriver() : window_(std::make_unique<Form2>(messages)) {
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        qWarning("the main window was never exposed: mouse clicks may miss");
}

MainWindowDriver::~MainWindowDriver() = default;

QString MainWindowDriver::text(const char* name) const {
    if (const auto* entry = control<QLineEdit>(name))
        return entry->text();
    return control<QLabel>(name)->text();
}

void MainWindowDriver::click(const char* name) {
    QWidget* target = control(name);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

void MainWindowDriver::type(const char* name, const QString& text) {
    auto* entry = control<QLineEdit>(name);
    entry->setFocus();
    entry->selectAll();
    QTest::keyClicks(entry, text);
}

void MainWindowDriver::erase(const char* name) {
    auto* entry = control<QLineEdit>(name);
    entry->setFocus();
    entry->selectAll();
    QTest::keyClick(entry, Qt::Key_Delete);
}

// The arrow keys step through a list that takes no typed text; each step picks an item.
void MainWindowDriver::chooseCurrency(const QString& name) {
    auto* list = control<QComboBox>("Combo1");
    list->setFocus();
    const int target = list->findText(name);
    while (list->currentIndex() != target && target >= 0)
        QTest::keyClick(list, list->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
}

void MainWindowDriver::enterWorkedExample() {
    click("Option9");
    click("Option7");
    type("Text1", "60");
    type("Text2", "10");
    chooseCurrency("US Dollars");
}

void MainWindowDriver::askForTheThreeInchPumpShortOfAir() {
    type("Text1", "50");
    type("Text2", "60");
    type("Text3", "50");
    click("Command2");
    click("Option6");
}

void MainWindowDriver::reach(ScreenState state) {
    using enum ScreenState;
    switch (state) {
        case UnitChoice:
            return;
        case OperatingDataStep:
            return enterWorkedExample();
        case InletStep:
            reach(OperatingDataStep);
            return click("Command2");
        case CompressorStep:
            reach(InletStep);
            click("Option3");
            return click("Command3");
        case FullResults:
            reach(CompressorStep);
            return click("Command4");
        case PcOnlyStep:
            // 250 GPM lies above the AODD pumps' range.
            enterWorkedExample();
            type("Text2", "250");
            return click("Command2");
        case PcOnlyResults:
            reach(PcOnlyStep);
            return click("Command4");
        case InletPcOnlyResults:
            enterWorkedExample();
            askForTheThreeInchPumpShortOfAir();
            return click("Command3");
    }
}

} // namespace pumpvale::testing
