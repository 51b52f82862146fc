// The session: the one case the user is working on, and where the calculator's workflow stands.
//
// The main window, Open Case, Save Case, the reports and pumpvale-batch all work on a Session. It holds
// the case as the user gave it (core/case_entries.h), the step the workflow stands at, the record the
// rules fill in and the annual costs. Its operations are the window's transitions: each takes what the
// user did, applies the calculator's rules and returns the messages to show, in order; the new state is
// then read from the session. A window renders that state; it keeps no workflow of its own.
//
// The rules themselves (the entries' checks, closing step one, the inlet lookup) live in the layers
// above the core and reach the session through StepRules; cases::calculatorRules() gives the
// calculator's.
#pragma once

#include "core/case_entries.h"
#include "core/cost.h"
#include "core/messages.h"
#include "core/operating_case.h"

#include <optional>
#include <string>
#include <string_view>

namespace pumpvale {

// The open step: what the window shows and lets the user change.
enum class Step {
    UnitChoice,    // a calculator just opened: only the unit system can be chosen
    OperatingData, // step one's entries are open
    InletSize,     // step one accepted; the inlet size is chosen
    CostButton,    // step one accepted for the PC pump alone: "Press to Find Cost Savings!" costs it
    Compressor,    // the inlet step closed; the compressor entries are open
};

enum class ResultShown {
    None,
    Full,   // the AODD cost, the PC pump cost and the savings
    PcOnly, // the PC pump cost alone
};

struct WorkflowState {
    Step step = Step::UnitChoice;
    ResultShown result = ResultShown::None;

    friend bool operator==(const WorkflowState&, const WorkflowState&) = default;
};

// What a step's rules decided.
struct StepOutcome {
    Messages messages;
    std::optional<Step> next; // none: the step stays open
    bool pcCostShown = false; // the inlet step ended in the PC pump cost alone
    bool pointFound = false;  // the inlet step found the AODD operating point
};

// The calculator's rules, as the session calls them.
class StepRules {
public:
    virtual ~StepRules() = default;
    // The check that runs when an entry's text changes (none for the air pressure and the price).
    virtual std::optional<Message> entryEdited(OperatingCase& c, EntryField field, std::string_view text,
                                               UnitSystem units) const = 0;
    // "Press to Continue" of step one: next is InletSize, CostButton or none.
    virtual StepOutcome closeOperatingData(OperatingCase& c, const CaseEntries& entries) const = 0;
    // A click on the 3-inch option runs its lookup.
    virtual Messages threeInchChosen(OperatingCase& c) const = 0;
    // "Press to Continue" of the inlet step: next is Compressor, or none with pcCostShown for the PC
    // pump cost alone (costs.pcAnnualCost set), or none: the step stays open.
    virtual StepOutcome closeInlet(OperatingCase& c, AnnualCosts& costs,
                                   std::optional<InletSize> inlet) const = 0;
    // The currency's usual price per kWh, as the price entry shows it.
    virtual std::optional<std::string> usualPrice(std::string_view currency) const = 0;
};

class Session {
public:
    explicit Session(const StepRules& rules);

    const Case& currentCase() const { return case_; }
    const CaseEntries& entries() const { return case_.entries; }
    WorkflowState state() const { return state_; }
    const OperatingCase& record() const { return record_; }
    const AnnualCosts& costs() const { return costs_; }
    // Step one's entries and choices are locked once it is accepted.
    bool stepOneOpen() const { return state_.step == Step::UnitChoice || state_.step == Step::OperatingData; }
    // Whether the user can change an entry now; a locked or hidden entry runs no check.
    bool canEdit(EntryField field) const;
    // The record as step one accepted it, while the inlet step or a step after it is open: the point
    // every inlet size is compared at.
    const std::optional<OperatingCase>& acceptedPoint() const { return acceptedPoint_; }
    // Whether the last inlet step found the AODD operating point (record().airConsumptionScfm and
    // requiredAirPsi hold it), even when its air pressure falls short.
    bool inletPointFound() const { return inletPointFound_; }

    // --- The window's transitions ---
    // A unit option: the step one entries open, the air pressure entry takes the unit system's preset.
    void chooseUnits(UnitSystem units, std::string_view airPressurePreset);
    void chooseStages(PumpStages stages);
    // An entry's text changed: stored as typed; the entry's check runs when the user could type there.
    std::optional<Message> edit(EntryField field, std::string_view text);
    // A currency chosen from the list: the price entry takes its usual price, which is returned.
    std::optional<std::string> chooseCurrency(std::string_view currency);
    // An inlet option: the 3-inch option runs its lookup.
    Messages chooseInlet(InletSize inlet);
    Messages continueStepOne();   // step one's "Press to Continue"
    Messages continueInletStep(); // the inlet step's "Press to Continue"
    Messages findCostSavings();   // "Press to Find Cost Savings!"
    void goBackFromInletStep();   // the inlet step's "Go Back"
    void goBack();                // "Go Back" beside the cost button
    void runAgain();              // "Press to Run Again"

    // Replaces the case whole and takes it through the steps as a user typing it into a calculator
    // just opened would: the messages that user would see, in order. The state is where that user
    // would stand, whatever this session held before.
    Messages open(Case c);
    // The Savings Over Time entries, which change no step.
    void setLifeCycle(const LifeCycleEntries& entries) { case_.lifeCycle = entries; }

private:
    const StepRules* rules_;
    Case case_;
    WorkflowState state_;
    OperatingCase record_;
    AnnualCosts costs_;
    std::optional<OperatingCase> acceptedPoint_;
    bool inletPointFound_ = false;
};

} // namespace pumpvale
