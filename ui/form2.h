// The main calculator window.
//
// One fixed page: the left column holds step one (unit system, operating data) and the exit box, the
// right column the inlet size (step two), the compressor data (step three) and the results. Every group
// but the unit system starts hidden; the handlers reveal, hide, enable and disable controls as the user
// moves through the steps. The handlers are adapters: they pass what the user did to the session
// (core/session.h, shared with the window's parts through ui/workflow.h), show the messages it returns
// in order and render the state it reaches. The rules themselves live in core/, aodd/ and checks/.
#pragma once

#include "core/operating_case.h"
#include "core/session.h"
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
class Workflow;
struct Message;

class Form2 : public QWidget {
    Q_OBJECT
public:
    // Shows its messages as modal boxes.
    explicit Form2(QWidget* parent = nullptr);
    // Shows its messages through messages, which must outlive the window.
    explicit Form2(MessageSink& messages, QWidget* parent = nullptr);
    ~Form2() override;

    const Session& session() const;
    Workflow& workflow() const { return *workflow_; }
    const OperatingCase& operatingCase() const { return session().record(); }
    const AnnualCosts& annualCosts() const { return session().costs(); }
    const MainWindowControls& controls() const { return ui_; }
    bool isStepOneAccepted() const;
    bool areResultsShown() const;
    // The results' actions (details, copy, print), a part of the window.
    ResultsActions& resultsActions() const { return *results_; }
    // Open Case and Save Case, a part of the window.
    CaseFiles& caseFiles() const { return *cases_; }

signals:
    // The workflow's signals (ui/workflow.h), passed on.
    void stepOneAccepted();
    void stepOneReopened();
    void resultsShown();
    void resultsWithdrawn();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form2(std::unique_ptr<MessageSink> ownSink, MessageSink* sink, QWidget* parent);
    void build();
    void setTabOrder();
    void connectHandlers();
    void connectEntries();
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

    // The screen, rendered from the session (ui/main_screen.h), and the state it shows announced.
    void render();
    void caseOpened(const Messages& messages);

    void showMessage(const std::optional<Message>& message);
    template <class Range> void showMessages(const Range& messages);
    Session& editable();

    std::unique_ptr<MessageSink> ownSink_;
    HandlerGuard* guard_ = nullptr;     // a child of the window
    ResultsActions* results_ = nullptr; // a child of the window
    CaseFiles* cases_ = nullptr;        // a child of the window
    Workflow* workflow_ = nullptr;      // a child of the window: the session
    MessageSink& messages_;
    QPixmap background_;
    QWidget* page_ = nullptr; // the controls' page, scrolled on a screen too small for it

    MainWindowControls ui_; // the controls, by their names
};

} // namespace pumpvale
