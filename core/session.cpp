#include "core/session.h"

#include <array>

namespace pumpvale {
namespace {

void append(Messages& to, const Messages& more) {
    to.insert(to.end(), more.begin(), more.end());
}

void append(Messages& to, const std::optional<Message>& message) {
    if (message)
        to.push_back(*message);
}

} // namespace

std::string& entryText(CaseEntries& e, EntryField field) {
    switch (field) {
        case EntryField::Pressure:
            return e.pressure;
        case EntryField::Flow:
            return e.flow;
        case EntryField::AirPressure:
            return e.airPressure;
        case EntryField::CompressorStages:
            return e.compressorStages;
        case EntryField::CompressorEfficiency:
            return e.compressorEfficiency;
        case EntryField::Weeks:
            return e.weeks;
        case EntryField::Days:
            return e.days;
        case EntryField::Hours:
            return e.hours;
        case EntryField::Price:
            break;
    }
    return e.price;
}

const std::string& entryText(const CaseEntries& e, EntryField field) {
    return entryText(const_cast<CaseEntries&>(e), field); // NOLINT(cppcoreguidelines-pro-type-const-cast)
}

Session::Session(const StepRules& rules) : rules_(&rules) {
}

bool Session::canEdit(EntryField field) const {
    if (field == EntryField::CompressorStages || field == EntryField::CompressorEfficiency)
        return state_.step == Step::Compressor && state_.result == ResultShown::None;
    return state_.step == Step::OperatingData;
}

void Session::chooseUnits(UnitSystem units, std::string_view airPressurePreset) {
    if (!stepOneOpen() || units == UnitSystem::None)
        return;
    case_.entries.units = units;
    case_.entries.airPressure = std::string(airPressurePreset);
    state_.step = Step::OperatingData;
}

void Session::chooseStages(PumpStages stages) {
    if (state_.step == Step::OperatingData)
        case_.entries.stages = stages;
}

// As an entry's change event: none when the text is the one it holds.
std::optional<Message> Session::edit(EntryField field, std::string_view text) {
    std::string& held = entryText(case_.entries, field);
    if (held == text)
        return std::nullopt;
    held = std::string(text);
    if (!canEdit(field))
        return std::nullopt;
    return rules_->entryEdited(record_, field, held, case_.entries.units);
}

std::optional<std::string> Session::chooseCurrency(std::string_view currency) {
    if (state_.step != Step::OperatingData)
        return std::nullopt;
    case_.entries.currency = std::string(currency);
    auto price = rules_->usualPrice(currency);
    if (price)
        case_.entries.price = *price;
    return price;
}

Messages Session::chooseInlet(InletSize inlet) {
    if (state_ != WorkflowState{Step::InletSize, ResultShown::None})
        return {};
    case_.entries.inlet = inlet;
    return inlet == InletSize::Three ? rules_->threeInchChosen(record_) : Messages{};
}

Messages Session::continueStepOne() {
    if (state_.step != Step::OperatingData)
        return {};
    StepOutcome outcome = rules_->closeOperatingData(record_, case_.entries);
    if (outcome.next) {
        state_ = {*outcome.next, ResultShown::None};
        acceptedPoint_ = record_;
        inletPointFound_ = false;
    }
    return std::move(outcome.messages);
}

Messages Session::continueInletStep() {
    if (state_ != WorkflowState{Step::InletSize, ResultShown::None})
        return {};
    StepOutcome outcome = rules_->closeInlet(record_, costs_, case_.entries.inlet);
    inletPointFound_ = outcome.pointFound;
    if (outcome.next)
        state_.step = *outcome.next;
    else if (outcome.pcCostShown)
        state_.result = ResultShown::PcOnly;
    return std::move(outcome.messages);
}

Messages Session::findCostSavings() {
    if ((state_.step != Step::Compressor && state_.step != Step::CostButton) ||
        state_.result != ResultShown::None)
        return {};
    CostSavingsResult cost = pumpvale::findCostSavings(record_, costs_, case_.entries.compressorStages,
                                                       case_.entries.compressorEfficiency);
    if (cost.display() == CostDisplay::Full)
        state_.result = ResultShown::Full;
    else if (cost.display() == CostDisplay::PcCostOnly)
        state_.result = ResultShown::PcOnly;
    return std::move(cost.messages);
}

void Session::goBackFromInletStep() {
    if (state_ == WorkflowState{Step::InletSize, ResultShown::None}) {
        state_.step = Step::OperatingData;
        acceptedPoint_.reset();
    }
}

// After a refused compressor entry neither test holds, and the window stays where it is.
void Session::goBack() {
    if (state_.step != Step::Compressor && state_.step != Step::CostButton)
        return;
    if (record_.pcCostOnly) {
        state_ = {Step::OperatingData, ResultShown::None};
        acceptedPoint_.reset();
    } else if (record_.stepStatus == StepStatus::Ok) {
        state_ = {Step::InletSize, ResultShown::None};
    }
}

void Session::runAgain() {
    if (state_.result == ResultShown::None)
        return;
    state_ = {Step::OperatingData, ResultShown::None};
    acceptedPoint_.reset();
    prepareToRunAgain(record_);
}

// The order of a user at a calculator just opened: the unit option, the PC pump stages, the entries of
// step one top to bottom, the currency and the price, step one's button; then the inlet option and the
// inlet step's button; then the compressor entries and the cost button. Each step is taken only where
// that user could take it. The case is taken whole first, so each entry's check runs where its text
// differs from the one a calculator opens with, as its change event would; the currency's usual price
// would only be typed over by the case's own.
Messages Session::open(Case opened) {
    const StepRules& rules = *rules_;
    // As a new session would stand: every member but the rules starts afresh.
    case_ = std::move(opened);
    state_ = {};
    record_ = {};
    costs_ = {};
    acceptedPoint_.reset();
    inletPointFound_ = false;
    const CaseEntries& e = case_.entries;
    static const CaseEntries kStart;
    Messages shown;
    const auto typed = [&](EntryField field) {
        if (entryText(e, field) != entryText(kStart, field) && canEdit(field))
            append(shown, rules.entryEdited(record_, field, entryText(e, field), e.units));
    };
    if (e.units == UnitSystem::None)
        return shown; // nothing opens before a unit system is chosen
    state_.step = Step::OperatingData;
    for (const EntryField field : {EntryField::Pressure, EntryField::Flow, EntryField::AirPressure,
                                   EntryField::Weeks, EntryField::Days, EntryField::Hours})
        typed(field);
    append(shown, continueStepOne());
    if (state_ == WorkflowState{Step::InletSize, ResultShown::None}) {
        if (e.inlet)
            append(shown, chooseInlet(*e.inlet));
        append(shown, continueInletStep());
        typed(EntryField::CompressorStages);
        typed(EntryField::CompressorEfficiency);
    }
    append(shown, findCostSavings());
    return shown;
}

} // namespace pumpvale
