// One duty point costed exactly as the main window costs it when its entries and choices are filled in
// and its buttons pressed through, on a window just opened.
//
// The window's order, which a window that opens a duty list must keep to show the same messages:
//  1. the unit option is clicked (its air pressure preset goes into the air pressure entry), then the
//     PC pump stages option;
//  2. the entries take their texts: pressure and flow (each change runs its edit check), air pressure,
//     weeks, days and hours (each with its edit check); the currency is chosen (which fills in its usual
//     price) and the price entry takes the point's price;
//  3. "Press to Continue" of step one;
//  4. at the inlet step the point's inlet option is clicked (the 3-inch option runs its lookup on the
//     click) and "Press to Continue" pressed;
//  5. at the compressor step the two compressor entries take their texts (each with its edit check), and
//     "Press to Find Cost Savings!" is pressed; when step one leads straight to the PC pump cost, that
//     button is pressed at once.
// The run stops where the window would stop, with every message the window would have shown, in order.
#pragma once

#include "aodd/comparison.h"
#include "cases/duty_list.h"
#include "core/messages.h"
#include "core/operating_case.h"

#include <optional>

namespace pumpvale::cases {

enum class RunStatus {
    Costed,  // the AODD cost, the PC pump cost and the savings
    PcOnly,  // the PC pump cost alone
    Refused, // a step stayed open: its messages say why
};

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
