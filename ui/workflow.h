// The calculator's session as the window's parts share it: the case and where the workflow stands
// (core/session.h), and the signals that announce each move.
//
// The main window owns one Workflow, drives its session from the handlers and announces the state it
// renders. The parts around the window (the results' actions, Open and Save Case, the comparison, the
// Savings Over Time window) take the Workflow, read the session and follow the signals; Open Case asks
// it to open a case, and the window renders what that case reaches.
#pragma once

#include "core/session.h"

#include <QObject>

namespace pumpvale {

class Workflow final : public QObject {
    Q_OBJECT
public:
    explicit Workflow(QObject* parent);

    Session& session() { return session_; }
    const Session& session() const { return session_; }
    bool isStepOneAccepted() const { return stepOneAccepted_; }
    bool areResultsShown() const { return resultsShown_; }

    // Replaces the case whole: caseOpened then carries the messages a user typing it in would see.
    void open(const Case& c);
    // The window's state as it renders it: the signals below fire for what changed.
    void announce(bool stepOneAccepted, bool resultsShown);

signals:
    // Step one's operating data accepted (the inlet step or the cost button opens) or reopened for
    // editing; results (the full three amounts or the PC cost alone) shown or taken away again.
    void stepOneAccepted();
    void stepOneReopened();
    void resultsShown();
    void resultsWithdrawn();
    // A case was opened over whatever the window held: render it and show these messages, in order.
    void caseOpened(const pumpvale::Messages& messages);

private:
    Session session_;
    bool stepOneAccepted_ = false;
    bool resultsShown_ = false;
};

} // namespace pumpvale
