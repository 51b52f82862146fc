#include "ui/form2.h"

#include "ui/accessibility.h"
#include "ui/accessible_buttons.h"
#include "ui/accessible_list.h"
#include "ui/artwork.h"
#include "ui/case_files.h"
#include "ui/form2_controls.h"
#include "ui/handler_guard.h"
#include "ui/inlet_comparison.h"
#include "ui/keys_window.h"
#include "ui/main_screen.h"
#include "ui/message_sink.h"
#include "ui/metrics.h"
#include "ui/results_actions.h"
#include "ui/window_parts.h"
#include "ui/workflow.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <utility>

namespace pumpvale {

namespace {

using parts::qText;

// The window's design size: its page, and the window itself wherever the screen holds it.
const QSize kDesignSize = metrics::size(9885, 8220);

std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

Form2::Form2(QWidget* parent) : Form2(std::make_unique<MessageBoxSink>(this), nullptr, parent) {
}

Form2::Form2(MessageSink& messages, QWidget* parent) : Form2(nullptr, &messages, parent) {
}

Form2::Form2(std::unique_ptr<MessageSink> ownSink, MessageSink* sink, QWidget* parent)
    : QWidget(parent), ownSink_(std::move(ownSink)), workflow_(new Workflow(this)),
      messages_(sink != nullptr ? *sink : *ownSink_) {
    build();
    for (QRadioButton* option : {ui_.Option9, ui_.Option10, ui_.Option7, ui_.Option8, ui_.Option1,
                                 ui_.Option2, ui_.Option3, ui_.Option4, ui_.Option5, ui_.Option6})
        makeActionsClick(*option);
    makeItemsChoose(*ui_.Combo1);
    drawPictures();
    connectHandlers();
    connectEntries();
    // The parts around the window's own controls, each given the controls it works on.
    makeMainWindowAccessible(*this, ui_);
    pointToKeysHelp(*this);
    new InletComparisonHook(*this, ui_, *workflow_);
    cases_ = new CaseFiles(*this, ui_, *workflow_, messages_);
    // Last: the results' right-click offers the actions of the parts before it as well.
    results_ = new ResultsActions(*this, ui_, *workflow_);
    results_->setMessageSink(&messages_);
}

Form2::~Form2() = default;

void Form2::build() {
    // The title bar shows no text.
    parts::setUpWindow(*this, "Form2", "  ", kDesignSize, "Pumpvale calculator");
    page_ = parts::addScrollingPage(*this, kDesignSize);
    page_->installEventFilter(this);
    ui_ = buildMainWindowControls(*page_);
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

// The choices and entries that run no handler of their own still go into the session as they change;
// the workflow's signals are the window's too.
void Form2::connectEntries() {
    const auto keep = [this](QLineEdit* entry, EntryField field) {
        connect(entry, &QLineEdit::textChanged, this,
                [this, field](const QString& text) { editable().edit(field, utf8(text)); });
    };
    keep(ui_.Text3, EntryField::AirPressure);
    keep(ui_.Text9, EntryField::Price);
    const auto choose = [this](QRadioButton* option, auto choice) {
        connect(option, &QRadioButton::toggled, this, [this, choice](bool on) {
            if (on)
                choice(editable());
        });
    };
    choose(ui_.Option7, [](Session& s) { s.chooseStages(PumpStages::One); });
    choose(ui_.Option8, [](Session& s) { s.chooseStages(PumpStages::Two); });
    const auto options = ui_.inletOptions();
    for (std::size_t i = 0; i + 1 < options.size(); ++i) // the 3-inch option has a handler
        choose(options[i], [size = kInletSizes[i]](Session& s) { s.chooseInlet(size); });
    connect(workflow_, &Workflow::caseOpened, this, &Form2::caseOpened);
    connect(workflow_, &Workflow::stepOneAccepted, this, &Form2::stepOneAccepted);
    connect(workflow_, &Workflow::stepOneReopened, this, &Form2::stepOneReopened);
    connect(workflow_, &Workflow::resultsShown, this, &Form2::resultsShown);
    connect(workflow_, &Workflow::resultsWithdrawn, this, &Form2::resultsWithdrawn);
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
    parts::fitToScreen(*this, kDesignSize);
    QWidget::showEvent(event);
}

// The window's frame is known once it is on screen, and the screen can change.
bool Form2::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::WindowStateChange)
        parts::fitToScreen(*this, kDesignSize);
    return QWidget::event(event);
}

// The page carries the background the controls stand on.
bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_ && event->type() == QEvent::Paint) {
        QPainter painter(page_);
        painter.fillRect(page_->rect(), Qt::white);
        painter.drawPixmap(0, 0, background_);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// --- Handlers ---

void Form2::Option9_Click() {
    editable().chooseUnits(UnitSystem::English, kEnglishTexts.airPressurePreset);
    main_screen::showUnitCaptions(ui_, UnitSystem::English);
    ui_.Text3->setText(qText(kEnglishTexts.airPressurePreset));
    render();
}

void Form2::Option10_Click() {
    editable().chooseUnits(UnitSystem::SI, kSiTexts.airPressurePreset);
    main_screen::showUnitCaptions(ui_, UnitSystem::SI);
    ui_.Text3->setText(qText(kSiTexts.airPressurePreset));
    render();
}

void Form2::Text1_Change() {
    showMessage(editable().edit(EntryField::Pressure, utf8(ui_.Text1->text())));
}

void Form2::Text2_Change() {
    showMessage(editable().edit(EntryField::Flow, utf8(ui_.Text2->text())));
}

void Form2::Text4_Change() {
    showMessage(editable().edit(EntryField::CompressorStages, utf8(ui_.Text4->text())));
}

void Form2::Text5_Change() {
    showMessage(editable().edit(EntryField::CompressorEfficiency, utf8(ui_.Text5->text())));
}

void Form2::Text6_Change() {
    showMessage(editable().edit(EntryField::Weeks, utf8(ui_.Text6->text())));
}

void Form2::Text7_Change() {
    showMessage(editable().edit(EntryField::Days, utf8(ui_.Text7->text())));
}

void Form2::Text8_Change() {
    showMessage(editable().edit(EntryField::Hours, utf8(ui_.Text8->text())));
}

void Form2::Combo1_Click() {
    if (const auto price = editable().chooseCurrency(utf8(ui_.Combo1->currentText())))
        ui_.Text9->setText(qText(*price));
}

void Form2::Command2_Click() {
    showMessages(editable().continueStepOne());
    render();
}

void Form2::Option6_Click() {
    showMessages(editable().chooseInlet(InletSize::Three));
}

void Form2::Command3_Click() {
    showMessages(editable().continueInletStep());
    render();
}

void Form2::Command1_Click() {
    editable().goBackFromInletStep();
    render();
}

void Form2::Command4_Click() {
    showMessages(editable().findCostSavings());
    render();
}

void Form2::Command7_Click() {
    editable().goBack();
    render();
}

// Back to step one with every entry and choice kept.
void Form2::Command5_Click() {
    editable().runAgain();
    render();
}

void Form2::Command6_Click() {
    close();
}

// A case opened over whatever the window held: the window shows the state the case reaches, then the
// messages a user typing it in would have seen, in order.
void Form2::caseOpened(const Messages& messages) {
    main_screen::renderEntries(ui_, session());
    render();
    showMessages(messages);
}

void Form2::render() {
    main_screen::render(ui_, session());
    workflow_->announce(!session().stepOneOpen(), session().state().result != ResultShown::None);
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

const Session& Form2::session() const {
    return workflow_->session();
}

Session& Form2::editable() {
    return workflow_->session();
}

bool Form2::isStepOneAccepted() const {
    return workflow_->isStepOneAccepted();
}

bool Form2::areResultsShown() const {
    return workflow_->areResultsShown();
}

} // namespace pumpvale
