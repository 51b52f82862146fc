#include "ui/workflow.h"

#include "cases/calculator_rules.h"

namespace pumpvale {

Workflow::Workflow(QObject* parent) : QObject(parent), session_(cases::calculatorRules()) {
    setObjectName("Workflow");
}

// Whatever the window showed is withdrawn first, so that every part reads the new case afresh.
void Workflow::open(const Case& c) {
    const Messages messages = session_.open(c);
    announce(false, false);
    emit caseOpened(messages);
}

void Workflow::announce(bool stepOneAccepted, bool resultsShown) {
    if (resultsShown_ != resultsShown && !resultsShown) {
        resultsShown_ = false;
        emit resultsWithdrawn();
    }
    if (stepOneAccepted_ != stepOneAccepted) {
        stepOneAccepted_ = stepOneAccepted;
        if (stepOneAccepted)
            emit this->stepOneAccepted();
        else
            emit stepOneReopened();
    }
    if (resultsShown_ != resultsShown) {
        resultsShown_ = true;
        emit this->resultsShown();
    }
}

} // namespace pumpvale
