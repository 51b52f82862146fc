#include "aodd/comparison.h"

#include "aodd/inlet_step.h"
#include "aodd/lookup.h"
#include "aodd/performance_tables.h"
#include "core/cost.h"
#include "core/enum_table.h"

#include <algorithm>
#include <cmath>

namespace pumpvale {
namespace {

constexpr int kSamplesPerSize = 40; // besides the table's own flow points

struct VerdictNames {
    InletVerdict verdict;
    std::string_view id;
    std::string_view words;
};

// Each verdict's stable name beside its words, in the verdicts' order.
// clang-format off
constexpr std::array kVerdicts{
    VerdictNames{InletVerdict::Serves,           "serves",             "serves"},
    VerdictNames{InletVerdict::AirPressureShort, "air_pressure_short", "short of air"},
    VerdictNames{InletVerdict::OutsideItsData,   "outside_its_data",   "cannot serve"},
};
// clang-format on

static_assert(rowsInEnumOrder<&VerdictNames::verdict>(kVerdicts));

bool usable(double amount) {
    return std::isfinite(amount) && amount > 0;
}

// log-spaced flows from lo to hi, both included, with the table's flow points between them.
std::vector<double> sampleFlows(double lo, double hi, const AoddPerformanceTable* table) {
    std::vector<double> flows;
    flows.reserve(kSamplesPerSize + 24);
    const double step = std::log(hi / lo) / (kSamplesPerSize - 1);
    for (int i = 0; i < kSamplesPerSize; ++i)
        flows.push_back(lo * std::exp(step * i));
    flows.back() = hi;
    if (table != nullptr) {
        for (const FlowPointRow& row : table->points)
            if (row.flowGpm > lo && row.flowGpm < hi)
                flows.push_back(row.flowGpm);
        for (const FlowBracket& bracket : table->brackets)
            if (bracket.upperGpm > lo && bracket.upperGpm < hi)
                flows.push_back(bracket.upperGpm);
    }
    std::sort(flows.begin(), flows.end());
    flows.erase(std::unique(flows.begin(), flows.end()), flows.end());
    return flows;
}

// The record at another flow of the same duty: the PC pump power follows the flow.
OperatingCase atFlow(const OperatingCase& c, double flowGpm) {
    OperatingCase trial = c;
    trial.flowGpm = flowGpm;
    computePcPower(trial);
    return trial;
}

SizeCurve curveOf(const OperatingCase& c, InletSize size) {
    const AoddPerformanceTable& table = performanceTable(size);
    SizeCurve curve{size, {}};
    CostRun run;
    for (const double q :
         sampleFlows(table.brackets.front().lower.gpm, table.outcomes.maximumFlow.gpm, &table)) {
        const InletComparisonRow row = compareInletSize(atFlow(c, q), size);
        if (row.costs && usable(row.costs->aoddAnnualCost)) {
            run.push_back({q, row.costs->aoddAnnualCost, row.verdict == InletVerdict::Serves});
        } else if (!run.empty()) {
            curve.runs.push_back(std::move(run));
            run.clear();
        }
    }
    if (!run.empty())
        curve.runs.push_back(std::move(run));
    return curve;
}

} // namespace

std::string_view verdictName(InletVerdict verdict) {
    return kVerdicts[static_cast<std::size_t>(verdict)].words;
}

std::string_view verdictId(InletVerdict verdict) {
    return kVerdicts[static_cast<std::size_t>(verdict)].id;
}

InletComparisonRow compareInletSize(const OperatingCase& c, InletSize size) {
    OperatingCase trial = c;
    InletComparisonRow row;
    row.size = size;
    // The 3-inch lookup runs when its option is clicked, for the point as it stands then.
    std::optional<LookupReport> lookup;
    if (size == InletSize::Three) {
        lookup = lookupThreeInch(trial);
        row.messages = lookup->messages;
    }

    AnnualCosts ignored;
    const InletStepResult step = closeInletStep(trial, ignored, size);
    row.messages.insert(row.messages.end(), step.messages.begin(), step.messages.end());
    if (step.lookup)
        lookup = step.lookup;
    if (lookup) {
        row.lookup = lookup->outcome;
        row.advisory = lookup->figures && lookup->figures->advisory;
    }
    if (!step.pointFound) {
        const bool warned =
            lookup && lookup->outcome != LookupOutcome::Found && lookup->outcome != LookupOutcome::NoBracket;
        row.reason =
            warned ? lookup->messages.front() : msg::kSelectLargerInlet; // a warning is its one message
        return row;
    }
    row.verdict = step.handover == InletHandover::CompressorStep ? InletVerdict::Serves
                                                                 : InletVerdict::AirPressureShort;
    row.reason = step.airPressureShort;
    row.demand = AirDemand{trial.airConsumptionScfm, trial.requiredAirPsi};

    // What the cost button would give, had the step opened the compressor step.
    AnnualCosts costs;
    const CostSavingsResult cost = costAtCompressorEntries(trial, costs);
    if (cost.outcome == CostOutcome::Full) {
        row.costs = cost.costs;
    } else {
        row.costOutcome = cost.outcome;
        row.costMessage = cost.messages.empty() ? msg::kNoAirDemand : cost.messages.front();
    }
    return row;
}

InletComparison compareInletSizes(const OperatingCase& c) {
    InletComparison rows;
    for (std::size_t i = 0; i < kInletSizes.size(); ++i)
        rows[i] = compareInletSize(c, kInletSizes[i]);
    return rows;
}

std::string_view reasonOf(const InletComparisonRow& row) {
    if (row.reason)
        return row.reason->text;
    return row.costMessage ? row.costMessage->text : std::string_view{};
}

std::string_view briefReasonOf(const InletComparisonRow& row) {
    switch (row.verdict) {
        case InletVerdict::OutsideItsData:
            switch (row.lookup) {
                case LookupOutcome::FlowBelowData:
                    return "flow below its range";
                case LookupOutcome::FlowAboveData:
                    return "flow above its range";
                case LookupOutcome::PressureAboveData:
                    return "pressure too high at this flow";
                case LookupOutcome::Found:
                case LookupOutcome::NoBracket:
                    break;
            }
            return "no data at this point";
        case InletVerdict::AirPressureShort:
            return "needs more air pressure";
        case InletVerdict::Serves:
            break;
    }
    if (row.costOutcome)
        return *row.costOutcome == CostOutcome::NoAirDemand ? "no air demand" : "compressor entries rejected";
    if (row.advisory)
        return "few data points here";
    return {};
}

CostChartData costChartData(const OperatingCase& c) {
    CostChartData chart;
    chart.pressurePsi = c.pressurePsi;
    chart.dutyFlowGpm = c.flowGpm;
    chart.dutyPcAnnualCost = computePcAnnualCost(c);
    // A duty flow that is not a positive number cannot stand on a logarithmic axis.
    chart.lowFlowGpm = usable(c.flowGpm) ? c.flowGpm : standardFlowPoints.front();
    chart.highFlowGpm = chart.lowFlowGpm;
    for (std::size_t i = 0; i < kInletSizes.size(); ++i) {
        const AoddPerformanceTable& table = performanceTable(kInletSizes[i]);
        chart.lowFlowGpm = std::min(chart.lowFlowGpm, table.brackets.front().lower.gpm);
        chart.highFlowGpm = std::max(chart.highFlowGpm, table.outcomes.maximumFlow.gpm);
        chart.sizes[i] = curveOf(c, kInletSizes[i]);
    }
    for (const double q : sampleFlows(chart.lowFlowGpm, chart.highFlowGpm, nullptr)) {
        const double cost = computePcAnnualCost(atFlow(c, q));
        if (usable(cost))
            chart.pcPump.push_back({q, cost, true});
    }
    return chart;
}

} // namespace pumpvale
