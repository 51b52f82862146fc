// The inlet sizes compared, around the main window's inlet step.
//
// Once step one is accepted (the window says so), each inlet caption (Label8 to Label13) tells in its tooltip
// what that size would give at the duty point, and "Compare Inlet Sizes..." (right-click on the inlet group
// Frame5, or Ctrl+I anywhere in the main window) opens the comparison window. The main window's own controls,
// texts and states are not touched: this reads them, through the window's typed controls.
#pragma once

#include "ui/comparison_text.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <optional>

class QAction;
class QLabel;

namespace pumpvale {

class ComparisonWindow;
class Workflow;
struct MainWindowControls;

class InletComparisonHook : public QObject {
    Q_OBJECT
public:
    // Made a child of window, and lives as long as it.
    InletComparisonHook(QWidget& window, const MainWindowControls& controls, const Workflow& workflow);

    QAction* action() const { return action_; }
    // The duty point as the main window holds it now, with its compressor entries.
    ComparisonContext context() const;
    // Opens the comparison window, or brings the open one forward with the current figures.
    ComparisonWindow* openWindow();

private:
    bool stepOneAccepted() const;
    void refresh();

    QWidget& window_;
    const Workflow& workflow_;
    QAction* action_ = nullptr;
    QPointer<ComparisonWindow> open_;
    std::array<QLabel*, 6> captions_{};
    std::array<QRadioButton*, 6> options_{}; // each described by its caption's tooltip
    ComparisonControls contextControls_;     // the context is read on every refresh
    // Each caption's tooltip and what it was made from: formatting the figures is most of a refresh.
    struct Tip {
        comparison_text::TooltipInputs inputs;
        QString text;
    };
    std::array<std::optional<Tip>, 6> tips_;
};

} // namespace pumpvale
