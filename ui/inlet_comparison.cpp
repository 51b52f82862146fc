#include "ui/inlet_comparison.h"

#include "ui/comparison_window.h"
#include "ui/form2_controls.h"
#include "ui/keys_window.h"
#include "ui/shortcuts.h"
#include "ui/window_parts.h"
#include "ui/workflow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pumpvale {

using parts::qText;

InletComparisonHook::InletComparisonHook(QWidget& window, const MainWindowControls& controls,
                                         const Workflow& workflow)
    : QObject(&window), window_(window), workflow_(workflow) {
    setObjectName("InletComparison");
    const MainWindowControls& c = controls;
    contextControls_ = comparisonControls(c);
    captions_ = c.inletCaptions();
    options_ = c.inletOptions();
    for (QRadioButton* option : c.inletOptions())
        connect(option, &QRadioButton::toggled, this, &InletComparisonHook::refresh);

    action_ = addKeyedAction(window, keys::kCompare);
    action_->setObjectName("CompareInletSizes");
    action_->setEnabled(false);
    c.Frame5->setContextMenuPolicy(Qt::ActionsContextMenu);
    c.Frame5->addAction(action_);
    c.Frame5->setToolTip(offeredActions({keys::kCompare}, "here"));
    connect(action_, &QAction::triggered, this, &InletComparisonHook::openWindow);

    connect(&workflow, &Workflow::stepOneAccepted, this, &InletComparisonHook::refresh);
    connect(&workflow, &Workflow::stepOneReopened, this, &InletComparisonHook::refresh);
    connect(c.Text4, &QLineEdit::textChanged, this, &InletComparisonHook::refresh);
    connect(c.Text5, &QLineEdit::textChanged, this, &InletComparisonHook::refresh);
}

bool InletComparisonHook::stepOneAccepted() const {
    return workflow_.isStepOneAccepted();
}

ComparisonContext InletComparisonHook::context() const {
    return comparisonContext(contextControls_, workflow_.session().record());
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
        for (std::size_t i = 0; i < captions_.size(); ++i) {
            captions_[i]->setToolTip({});
            options_[i]->setAccessibleDescription({});
        }
        if (!open_.isNull())
            open_->showOutOfDate();
        return;
    }
    const ComparisonContext now = context();
    const InletComparison rows = compareInletSizes(now.duty);
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        comparison_text::TooltipInputs inputs = comparison_text::tooltipInputs(rows[i], now);
        if (!tips_[i] || tips_[i]->inputs != inputs)
            tips_[i] = Tip{std::move(inputs), comparison_text::tooltip(rows[i], now)};
        captions_[i]->setToolTip(tips_[i]->text);
        // A screen reader stands on the option, not on its caption: it hears the same figures.
        if (options_[i]->accessibleDescription() != tips_[i]->text)
            options_[i]->setAccessibleDescription(tips_[i]->text);
    }
    if (!open_.isNull())
        open_->showComparison(now);
}

} // namespace pumpvale
