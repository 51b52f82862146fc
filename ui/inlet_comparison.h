// The inlet sizes compared, hooked onto the main window from outside it.
//
// Once step one is accepted, each inlet caption (Label8 to Label13) tells in its tooltip what that size
// would give at the duty point, and "Compare Inlet Sizes..." (right-click on the inlet group Frame5, or
// Ctrl+I anywhere in the main window) opens the comparison window. The main window's own controls,
// texts and states are not touched: this reads them.
#pragma once

#include "ui/comparison_text.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <optional>

class QAction;
class QLabel;
class QPushButton;
class QRadioButton;

namespace pumpvale {

class ComparisonWindow;
class Form2;

class InletComparisonHook : public QObject {
    Q_OBJECT
public:
    // Made a child of window, and lives as long as it.
    explicit InletComparisonHook(Form2& window);

    QAction* action() const { return action_; }
    // The duty point as the main window holds it now, with its compressor entries.
    ComparisonContext context() const;
    // Opens the comparison window, or brings the open one forward with the current figures.
    ComparisonWindow* openWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool stepOneAccepted() const;
    void refresh();

    Form2& window_;
    QAction* action_ = nullptr;
    QPointer<ComparisonWindow> open_;
    QPushButton* stepOneContinue_ = nullptr;
    std::array<QRadioButton*, 6> options_{};
    std::array<QLabel*, 6> captions_{};
    ComparisonControls contextControls_; // found once: the context is read on every refresh
    // Each caption's tooltip and what it was made from: formatting the figures is most of a refresh.
    struct Tip {
        comparison_text::TooltipInputs inputs;
        QString text;
    };
    std::array<std::optional<Tip>, 6> tips_;
};

// The one call the main window makes.
void installInletComparison(Form2& window);

} // namespace pumpvale
