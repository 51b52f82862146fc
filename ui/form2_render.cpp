// The main window's screen, rendered from the session: which groups show, which controls take input,
// the results and the entries of an opened case.
#include "ui/form2.h"
#include "ui/form2_controls.h"
#include "ui/window_parts.h"
#include "ui/workflow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <array>
#include <utility>

namespace pumpvale {

using parts::qText;

void Form2::showUnitCaptions(UnitSystem units) {
    const UnitCaptions& texts = units == UnitSystem::SI ? kSiTexts : kEnglishTexts;
    ui_.Label29->setText(qText(texts.pressureUnit));
    ui_.Label30->setText(qText(texts.flowUnit));
    ui_.Label31->setText(qText(texts.pressureUnit));
    const auto captions = ui_.inletCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions[i]->setText(qText(texts.inletCaptions[i]));
}

// Which groups show and which controls take input follow from the step alone. A control hidden in a
// step keeps whatever state it had; the next step that shows it sets it.
void Form2::render() {
    const WorkflowState state = session().state();
    const bool unitsChosen = state.step != Step::UnitChoice;
    const bool stepOneOpen = session().stepOneOpen();
    const bool resultShown = state.result != ResultShown::None;
    if (unitsChosen)
        setShown({ui_.Frame1, ui_.Frame2, ui_.Frame4, ui_.Frame7, ui_.Command2}, true);
    setAllEnabled(stepOneInputs(), stepOneOpen);
    ui_.Command2->setEnabled(stepOneOpen);

    const bool inletShown = state.step == Step::InletSize || state.step == Step::Compressor;
    const bool inletOpen = state.step != Step::Compressor && !(state.step == Step::InletSize && resultShown);
    setShown({ui_.Frame5, ui_.Command3, ui_.Command1}, inletShown);
    setAllEnabled({ui_.Command3, ui_.Command1}, inletOpen);
    setAllEnabled(inletOptions(), inletOpen);

    ui_.Frame6->setVisible(state.step == Step::Compressor);
    setShown({ui_.Command4, ui_.Command7}, state.step == Step::Compressor || state.step == Step::CostButton);
    ui_.Command4->setEnabled(!resultShown);
    setAllEnabled({ui_.Text4, ui_.Text5}, state.step == Step::Compressor && !resultShown);
    renderResults(state.result);
    workflow_->announce(!stepOneOpen, resultShown);
}

void Form2::renderResults(ResultShown result) {
    const bool wasShown = ui_.Frame8->isVisibleTo(this);
    ui_.Frame8->setVisible(result != ResultShown::None);
    setAllEnabled(resultBoxes(), result != ResultShown::None);
    if (result == ResultShown::None)
        return;
    const AnnualCosts& costs = session().costs();
    const QString currency = ui_.Combo1->currentText();
    const bool full = result == ResultShown::Full;
    setShown({ui_.Text11, ui_.Text12, ui_.Label23, ui_.Label24}, full);
    ui_.Text10->setText(formatted(costs.pcAnnualCost));
    ui_.Label33->setText(currency);
    if (full) {
        ui_.Text11->setText(formatted(costs.aoddAnnualCost));
        ui_.Text12->setText(formatted(costs.totalSavings));
        ui_.Label32->setText(currency);
        ui_.Label34->setText(currency);
    } else {
        ui_.Label32->clear();
        ui_.Label34->clear();
    }
    // The button that showed the results is disabled now; without this the focus would fall on the
    // first result box and show its figure selected. "Press to Run Again" is where the user goes next.
    if (!wasShown)
        ui_.Command5->setFocus();
}

// The case's entries and choices, put into the controls without a change event: the session ran
// every check they call for when it opened the case.
void Form2::renderEntries() {
    const CaseEntries& e = session().entries();
    const std::array<std::pair<QLineEdit*, EntryField>, 9> entries{{
        {ui_.Text1, EntryField::Pressure},
        {ui_.Text2, EntryField::Flow},
        {ui_.Text3, EntryField::AirPressure},
        {ui_.Text4, EntryField::CompressorStages},
        {ui_.Text5, EntryField::CompressorEfficiency},
        {ui_.Text6, EntryField::Weeks},
        {ui_.Text7, EntryField::Days},
        {ui_.Text8, EntryField::Hours},
        {ui_.Text9, EntryField::Price},
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
    check(ui_.Option9, e.units == UnitSystem::English);
    check(ui_.Option10, e.units == UnitSystem::SI);
    check(ui_.Option7, e.stages == PumpStages::One);
    check(ui_.Option8, e.stages == PumpStages::Two);
    const auto options = ui_.inletOptions();
    for (std::size_t i = 0; i < options.size(); ++i)
        check(options[i], e.inlet == kInletSizes[i]);
    const QSignalBlocker quiet(ui_.Combo1);
    ui_.Combo1->setCurrentIndex(ui_.Combo1->findText(qText(e.currency)));
    if (e.units != UnitSystem::None)
        showUnitCaptions(e.units);
}

} // namespace pumpvale
