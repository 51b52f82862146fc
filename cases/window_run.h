// One duty point costed exactly as the main window costs it: the point opened in a session
// (core/session.h) as a user typing it into a calculator just opened, and where that user stands at the
// end. The run stops where the window would stop, with every message the window would have shown, in
// order.
#pragma once

#include "aodd/comparison.h"
#include "cases/duty_list.h"
#include "core/messages.h"
#include "core/operating_case.h"

#include <optional>
#include <string_view>

namespace pumpvale::cases {

enum class RunStatus {
    Costed,  // the AODD cost, the PC pump cost and the savings
    PcOnly,  // the PC pump cost alone
    Refused, // a step stayed open: its messages say why
};

// "costed", "pc_only", "refused": the status as the files the program writes name it.
std::string_view statusId(RunStatus status);

// Where the window stands when the run ends.
enum class RunStop {
    OperatingDataStep, // step one rejected the operating data
    InletStep,         // the inlet step stayed open
    CostButton,        // the cost button refused the compressor entries or could not cost the point
    Results,           // the results are shown (Costed or PcOnly)
};

struct WindowRun {
    RunStatus status = RunStatus::Refused;
    RunStop stop = RunStop::OperatingDataStep;
    Messages messages; // every box the window shows, in order
    // Set as the window shows them: pcAnnualCost for PcOnly and Costed, the other two for Costed.
    std::optional<AnnualCosts> costs;
    // The AODD operating point of the chosen inlet, when the inlet step found it for this duty point.
    std::optional<AirDemand> demand;
    // The window's record at the end of the run (the units of the point in record.unitSystem).
    OperatingCase record;
    // Every inlet size at the point, as the comparison window gives them: once step one has opened the
    // inlet step, and only when asked for.
    std::optional<InletComparison> inlets;
};

WindowRun runAsTheWindow(const DutyPoint& point, bool compareInlets = false);

} // namespace pumpvale::cases
