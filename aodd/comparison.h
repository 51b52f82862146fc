// Every inlet size at one duty point, side by side, and the data of the cost chart.
//
// The inlet step answers for the one size the user picked. Here each size is put through that same step
// and the same cost button on a copy of the record, so the comparison can never disagree with what
// "Press to Continue" and "Press to Find Cost Savings!" would give for that size. The record passed in
// is never changed.
#pragma once

#include "aodd/lookup.h"
#include "core/cost.h"
#include "core/messages.h"
#include "core/operating_case.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace pumpvale {

// What the inlet step would do with this size at this duty point.
enum class InletVerdict {
    Serves,           // the compressor step would open
    AirPressureShort, // the pump needs more air pressure than the system gives
    OutsideItsData,   // the lookup finds no operating point: the flow or pressure lies outside its data
};

// "serves", "short of air", "cannot serve": the words a table shows.
std::string_view verdictName(InletVerdict verdict);
// "serves", "air_pressure_short", "outside_its_data": the verdict's stable name, for files and
// programs, whatever the words.
std::string_view verdictId(InletVerdict verdict);

struct AirDemand {
    double airConsumptionScfm;
    double requiredAirPsi; // gauge
    bool operator==(const AirDemand&) const = default;
};

struct InletComparisonRow {
    InletSize size = InletSize::Quarter;
    InletVerdict verdict = InletVerdict::OutsideItsData;
    // The messages "Press to Continue" shows for this size (for the 3-inch inlet, with those of the click
    // on its option first), in order. Never empty unless the size serves without remark.
    Messages messages;
    // What the size's lookup found: why it is OutsideItsData, or that its data are thin at the point.
    LookupOutcome lookup = LookupOutcome::NoBracket;
    bool advisory = false;
    // Why the size does not serve: the lookup's warning or the step's "larger inlet" (OutsideItsData), or
    // the step's air pressure message (AirPressureShort).
    std::optional<Message> reason;
    std::optional<AirDemand> demand; // none when OutsideItsData
    // With a demand: the three amounts at the compressor entries stored in the record, or, when those
    // cannot be costed, the message the cost button would show.
    std::optional<AnnualCosts> costs;
    std::optional<Message> costMessage;
    std::optional<CostOutcome> costOutcome; // with costMessage: why the cost button would refuse
};

using InletComparison = std::array<InletComparisonRow, kInletSizes.size()>;

// One row per size, in the order of kInletSizes. c must hold accepted operating data and the compressor
// entries (compressorStages, compressorEfficiencyPct) to cost at.
InletComparison compareInletSizes(const OperatingCase& c);
InletComparisonRow compareInletSize(const OperatingCase& c, InletSize size);

// The one line that says why a size does not serve, or why it cannot be costed; empty when it serves and
// is costed. For AirPressureShort it is the inlet step's air pressure message.
std::string_view reasonOf(const InletComparisonRow& row);
// The same in a few words, for a table cell: "flow above its range", "needs more air pressure", ...
std::string_view briefReasonOf(const InletComparisonRow& row);

// The chart: annual cost against flow at the duty point's pressure.
struct CostSample {
    double flowGpm;
    double annualCost;
    bool airPressureCovers; // the system air pressure covers what the pump needs at this flow
};
using CostRun = std::vector<CostSample>; // flows ascending, with no flow between them that fails

struct SizeCurve {
    InletSize size = InletSize::Quarter;
    std::vector<CostRun> runs; // a curve stops where the size cannot serve the flow, or cannot be costed
};

struct CostChartData {
    double lowFlowGpm = 0; // the flow axis, always including the duty flow
    double highFlowGpm = 0;
    std::vector<CostSample> pcPump; // the PC pump over the whole axis
    std::array<SizeCurve, kInletSizes.size()> sizes;
    double pressurePsi = 0; // of the duty point, at which every curve is drawn
    double dutyFlowGpm = 0;
    double dutyPcAnnualCost = 0;
};

// Samples each size over the flows its table covers (the table's own flow points included, so every
// kink of the interpolation is drawn where it lies) at c's pressure.
CostChartData costChartData(const OperatingCase& c);

} // namespace pumpvale
