#include "ui/main_screen.h"

#include "core/cost.h"
#include "ui/report_layouts.h"
#include "ui/window_parts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <array>
#include <initializer_list>
#include <utility>

namespace pumpvale::main_screen {
namespace {

using parts::qText;

void setShown(std::initializer_list<QWidget*> controls, bool shown) {
    for (QWidget* control : controls)
        control->setVisible(shown);
}

template <class Controls> void setAllEnabled(const Controls& controls, bool enabled) {
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

// The result boxes' "Standard" format with the user's separators.
QString formatted(double amount) {
    const Separators separators = localeSeparators();
    return qText(formatStandard(amount, separators.decimal, separators.group));
}

void renderResults(const MainWindowControls& ui, ResultShown result, const AnnualCosts& costs) {
    const bool wasShown = ui.Frame8->isVisibleTo(ui.Frame8->window());
    ui.Frame8->setVisible(result != ResultShown::None);
    setAllEnabled(std::initializer_list<QWidget*>{ui.Text10, ui.Text11, ui.Text12},
                  result != ResultShown::None);
    if (result == ResultShown::None)
        return;
    const QString currency = ui.Combo1->currentText();
    const bool full = result == ResultShown::Full;
    setShown({ui.Text11, ui.Text12, ui.Label23, ui.Label24}, full);
    ui.Text10->setText(formatted(costs.pcAnnualCost));
    ui.Label33->setText(currency);
    if (full) {
        ui.Text11->setText(formatted(costs.aoddAnnualCost));
        ui.Text12->setText(formatted(costs.totalSavings));
        ui.Label32->setText(currency);
        ui.Label34->setText(currency);
    } else {
        ui.Label32->clear();
        ui.Label34->clear();
    }
    // The button that showed the results is disabled now; without this the focus would fall on the
    // first result box and show its figure selected. "Press to Run Again" is where the user goes next.
    if (!wasShown)
        ui.Command5->setFocus();
}

} // namespace

void showUnitCaptions(const MainWindowControls& ui, UnitSystem units) {
    const UnitCaptions& texts = units == UnitSystem::SI ? kSiTexts : kEnglishTexts;
    ui.Label29->setText(qText(texts.pressureUnit));
    ui.Label30->setText(qText(texts.flowUnit));
    ui.Label31->setText(qText(texts.pressureUnit));
    const auto captions = ui.inletCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions[i]->setText(qText(texts.inletCaptions[i]));
}

void render(const MainWindowControls& ui, const Session& session) {
    const WorkflowState state = session.state();
    const bool stepOneOpen = session.stepOneOpen();
    const bool resultShown = state.result != ResultShown::None;
    if (state.step != Step::UnitChoice)
        setShown({ui.Frame1, ui.Frame2, ui.Frame4, ui.Frame7, ui.Command2}, true);
    setAllEnabled(std::initializer_list<QWidget*>{ui.Option7, ui.Option8, ui.Option9, ui.Option10, ui.Text1,
                                                  ui.Text2, ui.Text3, ui.Text6, ui.Text7, ui.Text8, ui.Text9,
                                                  ui.Combo1, ui.Command2},
                  stepOneOpen);

    const bool inletShown = state.step == Step::InletSize || state.step == Step::Compressor;
    const bool inletOpen = state.step != Step::Compressor && !(state.step == Step::InletSize && resultShown);
    setShown({ui.Frame5, ui.Command3, ui.Command1}, inletShown);
    setAllEnabled(std::initializer_list<QWidget*>{ui.Command3, ui.Command1}, inletOpen);
    setAllEnabled(ui.inletOptions(), inletOpen);

    ui.Frame6->setVisible(state.step == Step::Compressor);
    setShown({ui.Command4, ui.Command7}, state.step == Step::Compressor || state.step == Step::CostButton);
    ui.Command4->setEnabled(!resultShown);
    setAllEnabled(std::initializer_list<QWidget*>{ui.Text4, ui.Text5},
                  state.step == Step::Compressor && !resultShown);
    renderResults(ui, state.result, session.costs());
}

void renderEntries(const MainWindowControls& ui, const Session& session) {
    const CaseEntries& e = session.entries();
    const std::array<std::pair<QLineEdit*, EntryField>, 9> entries{{
        {ui.Text1, EntryField::Pressure},
        {ui.Text2, EntryField::Flow},
        {ui.Text3, EntryField::AirPressure},
        {ui.Text4, EntryField::CompressorStages},
        {ui.Text5, EntryField::CompressorEfficiency},
        {ui.Text6, EntryField::Weeks},
        {ui.Text7, EntryField::Days},
        {ui.Text8, EntryField::Hours},
        {ui.Text9, EntryField::Price},
    }};
    for (const auto& [entry, field] : entries) {
        const QSignalBlocker quiet(entry);
        entry->setText(qText(entryText(e, field)));
    }
    const auto check = [](QRadioButton* option, bool checked) {
        const QSignalBlocker quiet(option);
        option->setAutoExclusive(false);
        option->setChecked(checked);
        option->setAutoExclusive(true);
    };
    check(ui.Option9, e.units == UnitSystem::English);
    check(ui.Option10, e.units == UnitSystem::SI);
    check(ui.Option7, e.stages == PumpStages::One);
    check(ui.Option8, e.stages == PumpStages::Two);
    const auto options = ui.inletOptions();
    for (std::size_t i = 0; i < options.size(); ++i)
        check(options[i], e.inlet == kInletSizes[i]);
    const QSignalBlocker quiet(ui.Combo1);
    ui.Combo1->setCurrentIndex(ui.Combo1->findText(qText(e.currency)));
    if (e.units != UnitSystem::None)
        showUnitCaptions(ui, e.units);
}

} // namespace pumpvale::main_screen
