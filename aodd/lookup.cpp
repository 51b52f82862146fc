#include "aodd/lookup.h"

#include "aodd/performance_tables.h"

namespace pumpvale {
namespace {

// The value at x on the line through (xa, ya) and (xb, yb), grouped as the published figures were
// computed: difference, divided by the step, times the offset from xa, plus ya. Extrapolates outside
// xa..xb.
double onLine(double x, double xa, double xb, double ya, double yb) {
    return ya + ((yb - ya) / (xb - xa)) * (x - xa);
}

// The segment's value at fluid pressure p, at one flow point. The tables are checked when they are
// compiled: every segment they name has its points.
PerformancePoint onSegment(const AoddPerformanceTable& t, double gpm, Segment s, double p) {
    const FlowPointRow& row = *t.rowAt(gpm);
    const PerformancePoint a = *row.pointAt(s.from);
    if (s.isSinglePoint())
        return a;
    const PerformancePoint b = *row.pointAt(s.to);
    return {onLine(p, s.from, s.to, a.scfm, b.scfm), onLine(p, s.from, s.to, a.airPsi, b.airPsi)};
}

// The one lookup, for every inlet size: minimum flow, the flow brackets in order (pressure stage,
// pressure limit, flow stage), maximum flow. Writes nothing.
LookupReport lookUp(const AoddPerformanceTable& t, double q, double p) {
    const OutOfRangeOutcomes& outcomes = t.outcomes;
    using enum LookupOutcome;

    if (outcomes.minimumFlow && q < outcomes.minimumFlow->gpm)
        return {{outcomes.minimumFlow->message}, FlowBelowData, std::nullopt};

    for (const FlowBracket& flow : t.brackets) {
        if (!flow.holds(q))
            continue;
        for (const PressureBracket& pressure : flow.pressures) {
            if (!pressure.holds(p))
                continue;
            const PerformancePoint atQa = onSegment(t, flow.qa, pressure.atQa, p);
            const PerformancePoint atQb = onSegment(t, flow.qb, pressure.atQb, p);
            LookupFigures found;
            found.bracket = {flow.qa, flow.qb, atQa.scfm, atQb.scfm, atQa.airPsi, atQb.airPsi};
            found.airConsumptionScfm = onLine(q, flow.qa, flow.qb, atQa.scfm, atQb.scfm);
            found.requiredAirPsi = onLine(q, flow.qa, flow.qb, atQa.airPsi, atQb.airPsi);
            found.advisory = pressure.advisory.has_value();
            LookupReport result{{}, Found, found};
            if (pressure.advisory)
                result.messages.push_back(*pressure.advisory);
            return result;
        }
        // Above the pressures this flow allows. The flow stage is not run: the operating point of the last
        // lookup stays, and it does not describe this one.
        if (flow.pressureLimit && p > flow.pressureLimit->psi)
            return {{flow.pressureLimit->message}, PressureAboveData, std::nullopt};
        if (p > flow.topPsi())
            return {{outcomes.pressureAboveData}, PressureAboveData, std::nullopt};
        return {};
    }

    if (q > outcomes.maximumFlow.gpm)
        return {{outcomes.maximumFlow.message}, FlowAboveData, std::nullopt};
    return {};
}

bool warned(LookupOutcome outcome) {
    return outcome != LookupOutcome::Found && outcome != LookupOutcome::NoBracket;
}

// A point found becomes the record's operating point and working values.
void store(const LookupReport& report, OperatingCase& c) {
    if (!report.figures)
        return;
    c.bracket = report.figures->bracket;
    c.airConsumptionScfm = report.figures->airConsumptionScfm;
    c.requiredAirPsi = report.figures->requiredAirPsi;
}

} // namespace

LookupReport lookupAodd(const AoddPerformanceTable& table, OperatingCase& c) {
    LookupReport report = lookUp(table, c.flowGpm, c.pressurePsi);
    store(report, c);
    if (warned(report.outcome))
        c.lookupInRange = false;
    return report;
}

LookupReport lookupThreeInch(OperatingCase& c) {
    c.threeInchFlowGpm = c.flowGpm;
    c.threeInchPressurePsi = c.pressurePsi;
    LookupReport report = lookUp(performanceTable(InletSize::Three), c.flowGpm, c.pressurePsi);
    store(report, c);
    c.threeInchOutcome = report.producedResult()  ? ThreeInchOutcome::InRange
                         : warned(report.outcome) ? ThreeInchOutcome::OutOfRange
                                                  : ThreeInchOutcome::NotRun;
    return report;
}

} // namespace pumpvale
