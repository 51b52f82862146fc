#include "ui/form2.h"

#include "aodd/inlet_step.h"
#include "aodd/lookup.h"
#include "checks/currency.h"
#include "checks/field_checks.h"
#include "checks/operating_data.h"
#include "core/cost.h"
#include "ui/accessibility.h"
#include "ui/accessible_buttons.h"
#include "ui/artwork.h"
#include "ui/case_files.h"
#include "ui/form2_controls.h"
#include "ui/handler_guard.h"
#include "ui/inlet_comparison.h"
#include "ui/message_sink.h"
#include "ui/metrics.h"
#include "ui/results_actions.h"
#include "ui/window_parts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string>

namespace pumpvale {

namespace {

using parts::qText;

std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

Form2::Form2(QWidget* parent) : Form2(std::make_unique<MessageBoxSink>(this), nullptr, parent) {
}

Form2::Form2(MessageSink& messages, QWidget* parent) : Form2(nullptr, &messages, parent) {
}

Form2::Form2(std::unique_ptr<MessageSink> ownSink, MessageSink* sink, QWidget* parent)
    : QWidget(parent), ownSink_(std::move(ownSink)), messages_(sink != nullptr ? *sink : *ownSink_) {
    build();
    for (QRadioButton* option : {ui_.Option9, ui_.Option10, ui_.Option7, ui_.Option8, ui_.Option1,
                                 ui_.Option2, ui_.Option3, ui_.Option4, ui_.Option5, ui_.Option6})
        makeActionsClick(*option);
    drawPictures();
    connectHandlers();
    // The parts around the window's own controls, each given the controls it works on.
    makeMainWindowAccessible(*this, ui_);
    new InletComparisonHook(*this);
    results_ = new ResultsActions(*this);
    results_->setMessageSink(&messages_);
    cases_ = new CaseFiles(*this, messages_);
}

Form2::~Form2() = default;

void Form2::build() {
    // The title bar shows no text.
    parts::setUpWindow(*this, "Form2", "  ", metrics::size(9885, 8220), "Pumpvale calculator");

    ui_ = buildMainWindowControls(*this);
    setTabOrder();
}

// Hidden and disabled controls are skipped, so the window opens with the focus on "Press To Exit".
void Form2::setTabOrder() {
    const QList<QWidget*> focusOrder{ui_.Text1,   ui_.Text2,    ui_.Text3,    ui_.Option1,  ui_.Option2,
                                     ui_.Option3, ui_.Option4,  ui_.Option5,  ui_.Option6,  ui_.Command2,
                                     ui_.Text4,   ui_.Text5,    ui_.Command3, ui_.Text6,    ui_.Text7,
                                     ui_.Text8,   ui_.Text9,    ui_.Command4, ui_.Text10,   ui_.Text11,
                                     ui_.Text12,  ui_.Command5, ui_.Option7,  ui_.Option8,  ui_.Command6,
                                     ui_.Option9, ui_.Option10, ui_.Combo1,   ui_.Command1, ui_.Command7};
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1], focusOrder[i]);
    ui_.Command6->setFocus();
}

// Every handler runs through the guard: only from a shown and enabled control, one at a time.
void Form2::connectHandlers() {
    guard_ = new HandlerGuard(*this);
    guard_->connect(ui_.Option9, &QRadioButton::clicked, this, &Form2::Option9_Click);
    guard_->connect(ui_.Option10, &QRadioButton::clicked, this, &Form2::Option10_Click);
    guard_->connect(ui_.Text1, &QLineEdit::textChanged, this, &Form2::Text1_Change);
    guard_->connect(ui_.Text2, &QLineEdit::textChanged, this, &Form2::Text2_Change);
    guard_->connect(ui_.Text4, &QLineEdit::textChanged, this, &Form2::Text4_Change);
    guard_->connect(ui_.Text5, &QLineEdit::textChanged, this, &Form2::Text5_Change);
    guard_->connect(ui_.Text6, &QLineEdit::textChanged, this, &Form2::Text6_Change);
    guard_->connect(ui_.Text7, &QLineEdit::textChanged, this, &Form2::Text7_Change);
    guard_->connect(ui_.Text8, &QLineEdit::textChanged, this, &Form2::Text8_Change);
    guard_->connect(ui_.Combo1, &QComboBox::activated, this, &Form2::Combo1_Click);
    guard_->connect(ui_.Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    guard_->connect(ui_.Option6, &QRadioButton::clicked, this, &Form2::Option6_Click);
    guard_->connect(ui_.Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    guard_->connect(ui_.Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    guard_->connect(ui_.Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    guard_->connect(ui_.Command7, &QPushButton::clicked, this, &Form2::Command7_Click);
    guard_->connect(ui_.Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    guard_->connect(ui_.Command6, &QPushButton::clicked, this, &Form2::Command6_Click,
                    HandlerGuard::WhileAnotherRuns::Runs); // it only asks to close
}

// The pictures are drawn for the screen's pixel density, so they stay crisp on a scaled desktop.
void Form2::drawPictures() {
    const qreal ratio = devicePixelRatioF();
    if (!background_.isNull() && background_.devicePixelRatio() == ratio)
        return;
    background_ = artwork::forScreen(artwork::mainBackground, ratio);
    ui_.Image1->setPixmap(artwork::forScreen(artwork::smallLogo, ratio));
}

void Form2::showEvent(QShowEvent* event) {
    drawPictures();
    QWidget::showEvent(event);
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, background_);
}

// --- Handlers ---

void Form2::Option9_Click() {
    showUnitSystem(kEnglishTexts);
}

void Form2::Option10_Click() {
    showUnitSystem(kSiTexts);
}

void Form2::Text1_Change() {
    showMessage(pressureEdited(case_, utf8(ui_.Text1->text()), units()));
}

void Form2::Text2_Change() {
    showMessage(flowEdited(case_, utf8(ui_.Text2->text()), units()));
}

void Form2::Text4_Change() {
    showMessage(compressorStagesEdited(case_, utf8(ui_.Text4->text())));
}

void Form2::Text5_Change() {
    showMessage(compressorEfficiencyEdited(case_, utf8(ui_.Text5->text())));
}

void Form2::Text6_Change() {
    showMessage(weeksEdited(case_, utf8(ui_.Text6->text())));
}

void Form2::Text7_Change() {
    showMessage(daysEdited(case_, utf8(ui_.Text7->text())));
}

void Form2::Text8_Change() {
    showMessage(hoursEdited(case_, utf8(ui_.Text8->text())));
}

void Form2::Combo1_Click() {
    if (const auto price = defaultPriceFor(utf8(ui_.Combo1->currentText())))
        ui_.Text9->setText(qText(*price));
}

void Form2::Command2_Click() {
    const std::string pressure = utf8(ui_.Text1->text()), flow = utf8(ui_.Text2->text()),
                      air = utf8(ui_.Text3->text()), weeks = utf8(ui_.Text6->text()),
                      days = utf8(ui_.Text7->text()), hours = utf8(ui_.Text8->text()),
                      price = utf8(ui_.Text9->text()), currency = utf8(ui_.Combo1->currentText());
    const auto result = closeOperatingDataStep(
        case_, {pressure, flow, air, weeks, days, hours, price, pcStages(), units(), currency});
    showMessages(result.messages);
    if (result.outcome == OperatingDataOutcome::Rejected)
        return;
    if (result.outcome == OperatingDataOutcome::PcCostOnly)
        setShown({ui_.Command4, ui_.Command7}, true);
    else
        setShown({ui_.Frame5, ui_.Command3, ui_.Command1}, true);
    setStepOneOpen(false);
    setAllEnabled(stepOneInputs(), false);
}

void Form2::Option6_Click() {
    showMessages(lookupThreeInch(case_).messages);
}

void Form2::Command3_Click() {
    const auto result = closeInletStep(case_, costs_, selectedInlet());
    showMessages(result.messages);
    switch (result.handover) {
        case InletHandover::CompressorStep:
            setShown({ui_.Frame6, ui_.Command4, ui_.Command7}, true);
            setAllEnabled({ui_.Text4, ui_.Text5}, true);
            setAllEnabled({ui_.Command1, ui_.Command3}, false);
            setAllEnabled(inletOptions(), false);
            break;
        case InletHandover::PcCostOnly:
            // The same display as from the cost button, currency labels included.
            showPcCostOnly();
            setAllEnabled({ui_.Command1, ui_.Command3}, false);
            setAllEnabled(inletOptions(), false);
            break;
        case InletHandover::StayOpen:
            break;
    }
}

void Form2::Command1_Click() {
    setShown({ui_.Frame5, ui_.Command3, ui_.Command1}, false);
    setStepOneOpen(true);
    setAllEnabled(stepOneInputs(), true);
}

void Form2::Command4_Click() {
    const auto result = findCostSavings(case_, costs_, utf8(ui_.Text4->text()), utf8(ui_.Text5->text()));
    showMessages(result.messages);
    if (result.display() == CostDisplay::Full)
        showFullResults();
    else if (result.display() == CostDisplay::PcCostOnly)
        showPcCostOnly();
}

// Two independent tests: in the PC-only path both hold and the window returns to step one.
void Form2::Command7_Click() {
    if (case_.stepStatus == StepStatus::Ok) {
        setShown({ui_.Frame6, ui_.Command4, ui_.Command7}, false);
        setResultsShown(false);
        setAllEnabled({ui_.Command3, ui_.Command1}, true);
        setAllEnabled(inletOptions(), true);
        setAllEnabled(resultBoxes(), false);
        ui_.Command4->setEnabled(true);
    }
    if (case_.pcCostOnly) {
        setStepOneOpen(true);
        setShown({ui_.Command4, ui_.Command7}, false);
        setAllEnabled(stepOneInputs(), true);
        setAllEnabled(resultBoxes(), false);
        ui_.Command4->setEnabled(true);
        setResultsShown(false);
    }
}

// Back to step one with every entry and choice kept.
void Form2::Command5_Click() {
    setShown({ui_.Frame5, ui_.Command3, ui_.Command1, ui_.Frame6}, false);
    setResultsShown(false);
    setShown({ui_.Command4, ui_.Command7}, false);
    setStepOneOpen(true);
    setAllEnabled(stepOneInputs(), true);
    setAllEnabled({ui_.Command3, ui_.Command1}, true);
    setAllEnabled(inletOptions(), true);
    ui_.Command4->setEnabled(true);
    prepareToRunAgain(case_);
}

void Form2::Command6_Click() {
    close();
}

// --- Screen changes ---

void Form2::showUnitSystem(const UnitCaptions& texts) {
    setShown({ui_.Frame1, ui_.Frame2, ui_.Frame4, ui_.Frame7, ui_.Command2}, true);
    ui_.Label29->setText(qText(texts.pressureUnit));
    ui_.Label30->setText(qText(texts.flowUnit));
    ui_.Label31->setText(qText(texts.pressureUnit));
    const auto captions = ui_.inletCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions[i]->setText(qText(texts.inletCaptions[i]));
    ui_.Text3->setText(qText(texts.airPressurePreset));
}

void Form2::showFullResults() {
    setAllEnabled(resultBoxes(), true);
    setShown({ui_.Text11, ui_.Text12, ui_.Label23, ui_.Label24}, true);
    ui_.Text10->setText(formatted(costs_.pcAnnualCost));
    ui_.Text11->setText(formatted(costs_.aoddAnnualCost));
    ui_.Text12->setText(formatted(costs_.totalSavings));
    for (QLabel* currency : {ui_.Label32, ui_.Label33, ui_.Label34})
        currency->setText(ui_.Combo1->currentText());
    ui_.Command4->setEnabled(false);
    setResultsShown(true);
    setAllEnabled({ui_.Text4, ui_.Text5}, false);
    settleFocus();
}

void Form2::showPcCostOnly() {
    setResultsShown(true);
    setShown({ui_.Text11, ui_.Text12, ui_.Label23, ui_.Label24}, false);
    ui_.Text10->setEnabled(true);
    ui_.Text10->setText(formatted(costs_.pcAnnualCost));
    ui_.Label33->setText(ui_.Combo1->currentText());
    ui_.Label32->clear();
    ui_.Label34->clear();
    setAllEnabled({ui_.Text4, ui_.Text5, ui_.Text6, ui_.Text7, ui_.Text8, ui_.Text9, ui_.Command4}, false);
    settleFocus();
}

// Step one's entries are locked (accepted) or open again: its "Press to Continue" says which.
void Form2::setStepOneOpen(bool open) {
    ui_.Command2->setEnabled(open);
    if (stepOneAccepted_ != open)
        return;
    stepOneAccepted_ = !open;
    if (open)
        emit stepOneReopened();
    else
        emit stepOneAccepted();
}

void Form2::setResultsShown(bool shown) {
    ui_.Frame8->setVisible(shown);
    if (resultsShown_ == shown)
        return;
    resultsShown_ = shown;
    if (shown)
        emit resultsShown();
    else
        emit resultsWithdrawn();
}

// The button that showed the results is disabled now; without this the focus would fall on the first
// result box and show its figure selected. "Press to Run Again" is where the user goes next.
void Form2::settleFocus() {
    ui_.Command5->setFocus();
}

// --- Helpers ---

void Form2::showMessage(const std::optional<Message>& message) {
    if (message && !guard_->closing())
        messages_.show(*message);
}

template <class Range> void Form2::showMessages(const Range& messages) {
    for (const Message& message : messages)
        showMessage(message);
}

UnitSystem Form2::units() const {
    return unitSystemOf(ui_.Option9->isChecked(), ui_.Option10->isChecked());
}

PumpStages Form2::pcStages() const {
    return ui_.Option7->isChecked()   ? PumpStages::One
           : ui_.Option8->isChecked() ? PumpStages::Two
                                      : PumpStages::None;
}

std::optional<InletSize> Form2::selectedInlet() const {
    const auto options = ui_.inletOptions();
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked())
            return kInletSizes[i];
    return std::nullopt;
}

// The "Standard" format with the user's separators.
QString Form2::formatted(double amount) const {
    const QLocale locale;
    return qText(formatStandard(amount, utf8(locale.decimalPoint()), utf8(locale.groupSeparator())));
}

QList<QWidget*> Form2::stepOneInputs() const {
    return {ui_.Option7, ui_.Option8, ui_.Option9, ui_.Option10, ui_.Text1, ui_.Text2,
            ui_.Text3,   ui_.Text6,   ui_.Text7,   ui_.Text8,    ui_.Text9, ui_.Combo1};
}

QList<QWidget*> Form2::inletOptions() const {
    return {ui_.Option1, ui_.Option2, ui_.Option3, ui_.Option4, ui_.Option5, ui_.Option6};
}

QList<QWidget*> Form2::resultBoxes() const {
    return {ui_.Text10, ui_.Text11, ui_.Text12};
}

void Form2::setShown(const QList<QWidget*>& controls, bool shown) {
    for (QWidget* control : controls)
        control->setVisible(shown);
}

void Form2::setAllEnabled(const QList<QWidget*>& controls, bool enabled) {
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

} // namespace pumpvale
