// The main calculator window.
//
// One fixed page: the left column holds step one (unit system, operating data) and the exit box, the
// right column the inlet size (step two), the compressor data (step three) and the results. Every group
// but the unit system starts hidden; the handlers reveal, hide, enable and disable controls as the user
// moves through the steps. The handlers are adapters: they gather the entries, call the core, show the
// messages it returns in order and set the controls. The rules themselves live in core/, aodd/ and
// checks/.
#pragma once

#include "core/operating_case.h"
#include "ui/form2_controls.h"

#include <QList>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <optional>

namespace pumpvale {

class CaseFiles;
class HandlerGuard;
class MessageSink;
class ResultsActions;
struct Message;

class Form2 : public QWidget {
    Q_OBJECT
public:
    // Shows its messages as modal boxes.
    explicit Form2(QWidget* parent = nullptr);
    // Shows its messages through messages, which must outlive the window.
    explicit Form2(MessageSink& messages, QWidget* parent = nullptr);
    ~Form2() override;

    const OperatingCase& operatingCase() const { return case_; }
    const AnnualCosts& annualCosts() const { return costs_; }
    const MainWindowControls& controls() const { return ui_; }
    bool isStepOneAccepted() const { return stepOneAccepted_; }
    bool areResultsShown() const { return resultsShown_; }
    // The results' actions (details, copy, print), a part of the window.
    ResultsActions& resultsActions() const { return *results_; }
    // Open Case and Save Case, a part of the window.
    CaseFiles& caseFiles() const { return *cases_; }

signals:
    // The workflow, as it moves: step one's operating data accepted (the inlet step or the cost button
    // opens) or reopened for editing; results (the full three amounts or the PC cost alone) shown or
    // taken away again.
    void stepOneAccepted();
    void stepOneReopened();
    void resultsShown();
    void resultsWithdrawn();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Form2(std::unique_ptr<MessageSink> ownSink, MessageSink* sink, QWidget* parent);
    void build();
    void setTabOrder();
    void connectHandlers();
    void drawPictures();

    // The handlers, one per control and event.
    void Option9_Click();
    void Option10_Click();
    void Text1_Change();
    void Text2_Change();
    void Text4_Change();
    void Text5_Change();
    void Text6_Change();
    void Text7_Change();
    void Text8_Change();
    void Combo1_Click();
    void Command2_Click();
    void Option6_Click();
    void Command3_Click();
    void Command1_Click();
    void Command4_Click();
    void Command7_Click();
    void Command5_Click();
    void Command6_Click();

    // The screen changes that more than one handler makes.
    void showUnitSystem(const UnitCaptions& texts);
    void setStepOneOpen(bool open);
    void setResultsShown(bool shown);
    void showFullResults();
    void showPcCostOnly();
    void settleFocus();

    void showMessage(const std::optional<Message>& message);
    template <class Range> void showMessages(const Range& messages);
    UnitSystem units() const;
    PumpStages pcStages() const;
    std::optional<InletSize> selectedInlet() const;
    QString formatted(double amount) const;

    QList<QWidget*> stepOneInputs() const;
    QList<QWidget*> inletOptions() const;
    QList<QWidget*> resultBoxes() const;
    static void setShown(const QList<QWidget*>& controls, bool shown);
    static void setAllEnabled(const QList<QWidget*>& controls, bool enabled);

    std::unique_ptr<MessageSink> ownSink_;
    HandlerGuard* guard_ = nullptr;     // a child of the window
    ResultsActions* results_ = nullptr; // a child of the window
    CaseFiles* cases_ = nullptr;        // a child of the window
    MessageSink& messages_;
    OperatingCase case_;
    AnnualCosts costs_;
    QPixmap background_;

    MainWindowControls ui_; // the controls, by their names
    bool stepOneAccepted_ = false;
    bool resultsShown_ = false;
};

} // namespace pumpvale
