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
#include "ui/form2_controls.h"
#include "ui/handler_guard.h"
#include "ui/inlet_comparison.h"
#include "ui/message_sink.h"
#include "ui/metrics.h"
#include "ui/results_loader.h"
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
    bindControls();
    for (QRadioButton* option :
         {Option9, Option10, Option7, Option8, Option1, Option2, Option3, Option4, Option5, Option6})
        makeActionsClick(*option);
    drawPictures();
    connectHandlers();
    makeMainWindowAccessible(*this);
    installInletComparison(*this);
    loadResultsActions(*this);
}

Form2::~Form2() = default;

void Form2::build() {
    // The title bar shows no text.
    parts::setUpWindow(*this, "Form2", "  ", metrics::size(9885, 8220), "Pumpvale calculator");

    buildMainWindowControls(*this);
}

// Every handler runs through the guard: only from a shown and enabled control, one at a time.
void Form2::connectHandlers() {
    guard_ = new HandlerGuard(*this);
    guard_->connect(Option9, &QRadioButton::clicked, this, &Form2::Option9_Click);
    guard_->connect(Option10, &QRadioButton::clicked, this, &Form2::Option10_Click);
    guard_->connect(Text1, &QLineEdit::textChanged, this, &Form2::Text1_Change);
    guard_->connect(Text2, &QLineEdit::textChanged, this, &Form2::Text2_Change);
    guard_->connect(Text4, &QLineEdit::textChanged, this, &Form2::Text4_Change);
    guard_->connect(Text5, &QLineEdit::textChanged, this, &Form2::Text5_Change);
    guard_->connect(Text6, &QLineEdit::textChanged, this, &Form2::Text6_Change);
    guard_->connect(Text7, &QLineEdit::textChanged, this, &Form2::Text7_Change);
    guard_->connect(Text8, &QLineEdit::textChanged, this, &Form2::Text8_Change);
    guard_->connect(Combo1, &QComboBox::activated, this, &Form2::Combo1_Click);
    guard_->connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    guard_->connect(Option6, &QRadioButton::clicked, this, &Form2::Option6_Click);
    guard_->connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    guard_->connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    guard_->connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    guard_->connect(Command7, &QPushButton::clicked, this, &Form2::Command7_Click);
    guard_->connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    guard_->connect(Command6, &QPushButton::clicked, this, &Form2::Command6_Click,
                    HandlerGuard::WhileAnotherRuns::Runs); // it only asks to close
}

// The pictures are drawn for the screen's pixel density, so they stay crisp on a scaled desktop.
void Form2::drawPictures() {
    const qreal ratio = devicePixelRatioF();
    if (!background_.isNull() && background_.devicePixelRatio() == ratio)
        return;
    background_ = artwork::forScreen(artwork::mainBackground, ratio);
    Image1->setPixmap(artwork::forScreen(artwork::smallLogo, ratio));
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
    showMessage(pressureEdited(case_, utf8(Text1->text()), units()));
}

void Form2::Text2_Change() {
    showMessage(flowEdited(case_, utf8(Text2->text()), units()));
}

void Form2::Text4_Change() {
    showMessage(compressorStagesEdited(case_, utf8(Text4->text())));
}

void Form2::Text5_Change() {
    showMessage(compressorEfficiencyEdited(case_, utf8(Text5->text())));
}

void Form2::Text6_Change() {
    showMessage(weeksEdited(case_, utf8(Text6->text())));
}

void Form2::Text7_Change() {
    showMessage(daysEdited(case_, utf8(Text7->text())));
}

void Form2::Text8_Change() {
    showMessage(hoursEdited(case_, utf8(Text8->text())));
}

void Form2::Combo1_Click() {
    if (const auto price = defaultPriceFor(utf8(Combo1->currentText())))
        Text9->setText(qText(*price));
}

void Form2::Command2_Click() {
    const std::string pressure = utf8(Text1->text()), flow = utf8(Text2->text()), air = utf8(Text3->text()),
                      weeks = utf8(Text6->text()), days = utf8(Text7->text()), hours = utf8(Text8->text()),
                      price = utf8(Text9->text()), currency = utf8(Combo1->currentText());
    const auto result = closeOperatingDataStep(
        case_, {pressure, flow, air, weeks, days, hours, price, pcStages(), units(), currency});
    showMessages(result.messages);
    if (result.outcome == OperatingDataOutcome::Rejected)
        return;
    if (result.outcome == OperatingDataOutcome::PcCostOnly)
        setShown({Command4, Command7}, true);
    else
        setShown({Frame5, Command3, Command1}, true);
    Command2->setEnabled(false);
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
            setShown({Frame6, Command4, Command7}, true);
            setAllEnabled({Text4, Text5}, true);
            setAllEnabled({Command1, Command3}, false);
            setAllEnabled(inletOptions(), false);
            break;
        case InletHandover::PcCostOnly:
            // The same display as from the cost button, currency labels included.
            showPcCostOnly();
            setAllEnabled({Command1, Command3}, false);
            setAllEnabled(inletOptions(), false);
            break;
        case InletHandover::StayOpen:
            break;
    }
}

void Form2::Command1_Click() {
    setShown({Frame5, Command3, Command1}, false);
    Command2->setEnabled(true);
    setAllEnabled(stepOneInputs(), true);
}

void Form2::Command4_Click() {
    const auto result = findCostSavings(case_, costs_, utf8(Text4->text()), utf8(Text5->text()));
    showMessages(result.messages);
    if (result.display == CostDisplay::Full)
        showFullResults();
    else if (result.display == CostDisplay::PcCostOnly)
        showPcCostOnly();
}

// Two independent tests: in the PC-only path both hold and the window returns to step one.
void Form2::Command7_Click() {
    if (case_.stepStatus == StepStatus::Ok) {
        setShown({Frame6, Frame8, Command4, Command7}, false);
        setAllEnabled({Command3, Command1}, true);
        setAllEnabled(inletOptions(), true);
        setAllEnabled(resultBoxes(), false);
        Command4->setEnabled(true);
    }
    if (case_.pcCostOnly) {
        Command2->setEnabled(true);
        setShown({Command4, Command7}, false);
        setAllEnabled(stepOneInputs(), true);
        setAllEnabled(resultBoxes(), false);
        Command4->setEnabled(true);
        Frame8->hide();
    }
}

// Back to step one with every entry and choice kept.
void Form2::Command5_Click() {
    setShown({Frame5, Command3, Command1, Frame6, Frame8, Command4, Command7}, false);
    Command2->setEnabled(true);
    setAllEnabled(stepOneInputs(), true);
    setAllEnabled({Command3, Command1}, true);
    setAllEnabled(inletOptions(), true);
    Command4->setEnabled(true);
    prepareToRunAgain(case_);
}

void Form2::Command6_Click() {
    close();
}

// --- Screen changes ---

void Form2::showUnitSystem(const UnitCaptions& texts) {
    setShown({Frame1, Frame2, Frame4, Frame7, Command2}, true);
    Label29->setText(qText(texts.pressureUnit));
    Label30->setText(qText(texts.flowUnit));
    Label31->setText(qText(texts.pressureUnit));
    const std::array captions{Label8, Label9, Label10, Label11, Label12, Label13};
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions[i]->setText(qText(texts.inletCaptions[i]));
    Text3->setText(qText(texts.airPressurePreset));
}

void Form2::showFullResults() {
    setAllEnabled(resultBoxes(), true);
    setShown({Text11, Text12, Label23, Label24}, true);
    Text10->setText(formatted(costs_.pcAnnualCost));
    Text11->setText(formatted(costs_.aoddAnnualCost));
    Text12->setText(formatted(costs_.totalSavings));
    for (QLabel* currency : {Label32, Label33, Label34})
        currency->setText(Combo1->currentText());
    Command4->setEnabled(false);
    Frame8->show();
    setAllEnabled({Text4, Text5}, false);
    settleFocus();
}

void Form2::showPcCostOnly() {
    Frame8->show();
    setShown({Text11, Text12, Label23, Label24}, false);
    Text10->setEnabled(true);
    Text10->setText(formatted(costs_.pcAnnualCost));
    Label33->setText(Combo1->currentText());
    Label32->clear();
    Label34->clear();
    setAllEnabled({Text4, Text5, Text6, Text7, Text8, Text9, Command4}, false);
    settleFocus();
}

// The button that showed the results is disabled now; without this the focus would fall on the first
// result box and show its figure selected. "Press to Run Again" is where the user goes next.
void Form2::settleFocus() {
    Command5->setFocus();
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
    return unitSystemOf(Option9->isChecked(), Option10->isChecked());
}

PumpStages Form2::pcStages() const {
    return Option7->isChecked() ? PumpStages::One : Option8->isChecked() ? PumpStages::Two : PumpStages::None;
}

std::optional<InletSize> Form2::selectedInlet() const {
    const std::array options{Option1, Option2, Option3, Option4, Option5, Option6};
    constexpr std::array kSizes{InletSize::Quarter,    InletSize::Half, InletSize::One,
                                InletSize::OneAndHalf, InletSize::Two,  InletSize::Three};
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked())
            return kSizes[i];
    return std::nullopt;
}

// The "Standard" format with the user's separators.
QString Form2::formatted(double amount) const {
    const QLocale locale;
    return qText(formatStandard(amount, utf8(locale.decimalPoint()), utf8(locale.groupSeparator())));
}

QList<QWidget*> Form2::stepOneInputs() const {
    return {Option7, Option8, Option9, Option10, Text1, Text2, Text3, Text6, Text7, Text8, Text9, Combo1};
}

QList<QWidget*> Form2::inletOptions() const {
    return {Option1, Option2, Option3, Option4, Option5, Option6};
}

QList<QWidget*> Form2::resultBoxes() const {
    return {Text10, Text11, Text12};
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
