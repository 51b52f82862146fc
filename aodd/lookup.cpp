#include "aodd/lookup.h"

#include "aodd/performance_tables.h"

#include <utility>

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

enum class Found {
    Result,  // the operating point was computed for this flow and pressure
    Warning, // outside the table: a flow or pressure warning was shown
    Nothing, // no bracket holds the point and no warning applies
};

struct Lookup {
    Messages messages;
    Found found = Found::Nothing;
};

// The one lookup, for every inlet size: minimum flow, the flow brackets in order (pressure stage,
// pressure limit, flow stage), maximum flow.
Lookup lookUp(const AoddPerformanceTable& t, OperatingCase& c) {
    const double q = c.flowGpm;
    const double p = c.pressurePsi;
    const OutOfRangeOutcomes& outcomes = t.outcomes;

    if (outcomes.minimumFlow && q < outcomes.minimumFlow->gpm)
        return {{outcomes.minimumFlow->message}, Found::Warning};

    for (const FlowBracket& flow : t.brackets) {
        if (!flow.holds(q))
            continue;
        for (const PressureBracket& pressure : flow.pressures) {
            if (!pressure.holds(p))
                continue;
            const PerformancePoint atQa = onSegment(t, flow.qa, pressure.atQa, p);
            const PerformancePoint atQb = onSegment(t, flow.qb, pressure.atQb, p);
            c.scfmAtQa = atQa.scfm;
            c.airPsiAtQa = atQa.airPsi;
            c.scfmAtQb = atQb.scfm;
            c.airPsiAtQb = atQb.airPsi;

            Lookup result{{}, Found::Result};
            if (pressure.advisory)
                result.messages.push_back(*pressure.advisory);
            c.airConsumptionScfm = onLine(q, flow.qa, flow.qb, c.scfmAtQa, c.scfmAtQb);
            c.requiredAirPsi = onLine(q, flow.qa, flow.qb, c.airPsiAtQa, c.airPsiAtQb);
            return result;
        }
        // Above the pressures this flow allows. The flow stage is not run: the operating point of the last
        // lookup stays, and it does not describe this one.
        if (flow.pressureLimit && p > flow.pressureLimit->psi)
            return {{flow.pressureLimit->message}, Found::Warning};
        if (p > flow.topPsi())
            return {{outcomes.pressureAboveData}, Found::Warning};
        return {};
    }

    if (q > outcomes.maximumFlow.gpm)
        return {{outcomes.maximumFlow.message}, Found::Warning};
    return {};
}

} // namespace

LookupReport lookupAodd(const AoddPerformanceTable& table, OperatingCase& c) {
    Lookup lookup = lookUp(table, c);
    if (lookup.found == Found::Warning)
        c.lookupInRange = false;
    return {std::move(lookup.messages), lookup.found == Found::Result};
}

LookupReport lookupThreeInch(OperatingCase& c) {
    c.threeInchFlowGpm = c.flowGpm;
    c.threeInchPressurePsi = c.pressurePsi;
    Lookup lookup = lookUp(performanceTable(InletSize::Three), c);
    switch (lookup.found) {
        case Found::Result:
            c.threeInchOutcome = ThreeInchOutcome::InRange;
            break;
        case Found::Warning:
            c.threeInchOutcome = ThreeInchOutcome::OutOfRange;
            break;
        case Found::Nothing:
            c.threeInchOutcome = ThreeInchOutcome::NotRun;
            break;
    }
    return {std::move(lookup.messages), lookup.found == Found::Result};
}

} // namespace pumpvale
