#include "ui/inlet_comparison.h"

#include "ui/comparison_window.h"
#include "ui/form2.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pumpvale {
namespace {

template <class T> T* child(Form2& window, const char* name) {
    auto* control = window.findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT(control != nullptr);
    return control;
}

} // namespace

InletComparisonHook::InletComparisonHook(Form2& window) : QObject(&window), window_(window) {
    setObjectName("InletComparison");
    stepOneContinue_ = child<QPushButton>(window, "Command2");
    contextControls_ = comparisonControls(window);
    const std::array optionNames{"Option1", "Option2", "Option3", "Option4", "Option5", "Option6"};
    const std::array captionNames{"Label8", "Label9", "Label10", "Label11", "Label12", "Label13"};
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i] = child<QRadioButton>(window, optionNames[i]);
        captions_[i] = child<QLabel>(window, captionNames[i]);
        connect(options_[i], &QRadioButton::toggled, this, &InletComparisonHook::refresh);
    }

    action_ = new QAction(QStringLiteral("Compare Inlet Sizes..."), &window);
    action_->setObjectName("CompareInletSizes");
    action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    action_->setEnabled(false);
    window.addAction(action_);
    auto* inletGroup = child<QGroupBox>(window, "Frame5");
    inletGroup->setContextMenuPolicy(Qt::ActionsContextMenu);
    inletGroup->addAction(action_);
    connect(action_, &QAction::triggered, this, &InletComparisonHook::openWindow);

    // Step one is accepted exactly while its "Press to Continue" is disabled.
    stepOneContinue_->installEventFilter(this);
    connect(contextControls_.compressorStages, &QLineEdit::textChanged, this, &InletComparisonHook::refresh);
    connect(contextControls_.compressorEfficiency, &QLineEdit::textChanged, this,
            &InletComparisonHook::refresh);
}

bool InletComparisonHook::stepOneAccepted() const {
    return !stepOneContinue_->isEnabled();
}

ComparisonContext InletComparisonHook::context() const {
    return comparisonContext(contextControls_, window_.operatingCase());
}

ComparisonWindow* InletComparisonHook::openWindow() {
    if (!stepOneAccepted())
        return nullptr;
    if (open_.isNull()) {
        open_ = new ComparisonWindow(&window_);
        open_->showComparison(context());
        open_->resize(open_->sizeHint());
    } else {
        open_->showComparison(context());
    }
    open_->show();
    open_->raise();
    open_->activateWindow();
    return open_;
}

void InletComparisonHook::refresh() {
    const bool accepted = stepOneAccepted();
    action_->setEnabled(accepted);
    if (!accepted) {
        for (QLabel* caption : captions_)
            caption->setToolTip({});
        return;
    }
    const ComparisonContext now = context();
    const InletComparison rows = compareInletSizes(now.duty);
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        comparison_text::TooltipInputs inputs = comparison_text::tooltipInputs(rows[i], now);
        if (!tips_[i] || tips_[i]->inputs != inputs)
            tips_[i] = Tip{std::move(inputs), comparison_text::tooltip(rows[i], now)};
        captions_[i]->setToolTip(tips_[i]->text);
    }
    if (!open_.isNull())
        open_->showComparison(now);
}

bool InletComparisonHook::eventFilter(QObject* watched, QEvent* event) {
    if (watched == stepOneContinue_ && event->type() == QEvent::EnabledChange)
        refresh();
    return QObject::eventFilter(watched, event);
}

void installInletComparison(Form2& window) {
    new InletComparisonHook(window);
}

} // namespace pumpvale
