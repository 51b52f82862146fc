// Closing step one: the rules that accept or reject the operating data, and which step opens next.
#pragma once

#include "core/messages.h"
#include "core/operating_case.h"

#include <string_view>

namespace pumpvale {

// The step's entries as the window holds them.
struct OperatingDataEntries {
    std::string_view pressure;    // Text1
    std::string_view flow;        // Text2
    std::string_view airPressure; // Text3
    std::string_view weeks;       // Text6
    std::string_view days;        // Text7
    std::string_view hours;       // Text8
    std::string_view price;       // Text9
    PumpStages stages = PumpStages::None;
    UnitSystem units = UnitSystem::None;
    std::string_view currency; // the text of Combo1
};

enum class OperatingDataOutcome {
    Rejected,   // step one stays open for correction
    InletStep,  // the AODD inlet step opens
    PcCostOnly, // the point is outside the AODD range: straight to the cost button
};

struct OperatingDataResult {
    Messages messages; // at most one per rule group, in order
    OperatingDataOutcome outcome = OperatingDataOutcome::Rejected;
};

// "Press to Continue" of step one. On success pcEfficiency, pcPowerHp and pcCostOnly are set.
OperatingDataResult closeOperatingDataStep(OperatingCase& c, const OperatingDataEntries& entries);

} // namespace pumpvale
