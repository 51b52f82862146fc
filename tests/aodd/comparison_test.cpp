#include "aodd/comparison.h"
#include "aodd/comparison_report.h"
#include "aodd/inlet_step.h"
#include "aodd/lookup.h"
#include "checks/operating_data.h"
#include "core/cost.h"
#include "tests/near.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pumpvale {
namespace {

// A duty point as typed into step one, all year round in US Dollars, and the compressor entries.
struct Duty {
    UnitSystem units;
    std::string pressure;
    std::string flow;
    std::string airPressure;
    std::string compressorStages = "1";
    std::string compressorEfficiency = "75";
};

OperatingCase accepted(const Duty& d) {
    OperatingCase c;
    const double psi = parseLeadingNumber(d.pressure) / (d.units == UnitSystem::SI ? kBarPerPsi : 1);
    const PumpStages stages = psi > 87 ? PumpStages::Two : PumpStages::One;
    const auto result = closeOperatingDataStep(
        c, {d.pressure, d.flow, d.airPressure, "52", "7", "24", "0.065", stages, d.units, "US Dollars"});
    EXPECT_NE(result.outcome, OperatingDataOutcome::Rejected) << d.pressure << ' ' << d.flow;
    c.compressorStages = parseLeadingNumber(d.compressorStages);
    c.compressorEfficiencyPct = parseLeadingNumber(d.compressorEfficiency);
    return c;
}

// Every pressure with every flow, at a generous and at a short air supply: the six sizes between them
// serve, run short of air, and fall outside their data in every way the tables know.
std::vector<Duty> grid() {
    std::vector<Duty> duties;
    for (const char* air : {"90", "45"})
        for (const char* p : {"20", "35", "60", "85", "100"})
            for (const char* q : {"0.5", "1.5", "3", "5.5", "10", "14", "30", "60", "120", "180", "200"})
                duties.push_back({UnitSystem::English, p, q, air});
    for (const char* air : {"6.5", "3"})
        for (const char* p : {"1.4", "3", "4.5", "6.8"})
            for (const char* q : {"2", "7", "20", "60", "200", "500", "757"})
                duties.push_back({UnitSystem::SI, p, q, air});
    duties.push_back({UnitSystem::English, "60", "10", "90", "2", "60"});
    duties.push_back({UnitSystem::English, "60", "10", "90", "3", "75"}); // entries the cost button rejects
    duties.push_back({UnitSystem::English, "60", "10", "90", "1", "100"});
    return duties;
}

// Each row is what a user gets by choosing that size and pressing the step's buttons.
TEST(InletComparison, EveryRowIsWhatTheInletStepAndCostButtonGive) {
    for (const Duty& d : grid()) {
        const OperatingCase c = accepted(d);
        const OperatingCase before = c;
        const InletComparison rows = compareInletSizes(c);
        for (std::size_t i = 0; i < kInletSizes.size(); ++i) {
            SCOPED_TRACE(d.pressure + " " + d.flow + " air " + d.airPressure + ", " +
                         std::string(inletSizeName(kInletSizes[i])));
            const InletComparisonRow& row = rows[i];
            OperatingCase user = c;
            Messages shown;
            if (kInletSizes[i] == InletSize::Three)
                shown = lookupThreeInch(user).messages; // the click on its option
            AnnualCosts costs;
            const InletStepResult step = closeInletStep(user, costs, kInletSizes[i]);
            shown.insert(shown.end(), step.messages.begin(), step.messages.end());

            EXPECT_EQ(row.size, kInletSizes[i]);
            EXPECT_EQ(row.messages, shown);
            EXPECT_EQ(row.verdict == InletVerdict::Serves, step.handover == InletHandover::CompressorStep);
            EXPECT_EQ(row.demand.has_value(), step.pointFound);
            if (!row.demand) {
                EXPECT_FALSE(reasonOf(row).empty());
                EXPECT_FALSE(row.costs || row.costMessage);
                continue;
            }
            EXPECT_EQ(row.demand->airConsumptionScfm, user.airConsumptionScfm);
            EXPECT_EQ(row.demand->requiredAirPsi, user.requiredAirPsi);
            EXPECT_EQ(row.verdict == InletVerdict::AirPressureShort,
                      user.requiredAirPsi > user.airPressurePsi);

            user.pcCostOnly = false; // the cost button as the compressor step would show it
            const CostSavingsResult cost =
                findCostSavings(user, costs, d.compressorStages, d.compressorEfficiency);
            ASSERT_EQ(row.costs.has_value(), cost.display() == CostDisplay::Full);
            if (row.costs) {
                EXPECT_TRUE(near(row.costs->pcAnnualCost, costs.pcAnnualCost));
                EXPECT_TRUE(near(row.costs->aoddAnnualCost, costs.aoddAnnualCost));
                EXPECT_TRUE(near(row.costs->totalSavings, costs.totalSavings));
                EXPECT_TRUE(std::isfinite(row.costs->totalSavings) && row.costs->aoddAnnualCost > 0);
            } else {
                EXPECT_EQ(row.costMessage, cost.messages.front());
            }
        }
        EXPECT_EQ(c.threeInchOutcome, before.threeInchOutcome);
        EXPECT_EQ(c.airConsumptionScfm, before.airConsumptionScfm);
    }
}

struct Brief {
    Duty duty;
    InletSize size;
    InletVerdict verdict;
    const char* reason;
};

// The worked example's point is served by the 1-inch inlet; around it each size says why it is not.
TEST(InletComparison, RowsThatDoNotServeSayWhy) {
    const Brief cases[] = {
        {{UnitSystem::English, "60", "10", "90"}, InletSize::One, InletVerdict::Serves, ""},
        {{UnitSystem::English, "60", "10", "90"},
         InletSize::Quarter,
         InletVerdict::OutsideItsData,
         "flow above its range"},
        {{UnitSystem::English, "60", "10", "90"},
         InletSize::Three,
         InletVerdict::OutsideItsData,
         "flow below its range"},
        {{UnitSystem::English, "90", "7", "90"},
         InletSize::Half,
         InletVerdict::OutsideItsData,
         "pressure too high at this flow"},
        {{UnitSystem::English, "50", "60", "50"},
         InletSize::Three,
         InletVerdict::AirPressureShort,
         "needs more air pressure"},
        {{UnitSystem::English, "60", "10", "90", "3", "75"},
         InletSize::One,
         InletVerdict::Serves,
         "compressor entries rejected"},
        {{UnitSystem::English, "50", "180", "120"},
         InletSize::Three,
         InletVerdict::Serves,
         "few data points here"},
    };
    for (const Brief& b : cases) {
        const InletComparisonRow row = compareInletSize(accepted(b.duty), b.size);
        EXPECT_EQ(row.verdict, b.verdict) << b.reason;
        EXPECT_EQ(briefReasonOf(row), b.reason);
    }
}

// At 100 psi the 3-inch data stop at 100 GPM and the 1/2-inch data at 5 GPM (its brackets above allow
// 90 psi at most): the curves end there instead of falling to zero.
TEST(CostChart, CurvesStopWhereTheSizeCannotServe) {
    const OperatingCase c = accepted({UnitSystem::English, "100", "40", "120"});
    const CostChartData chart = costChartData(c);
    const auto lastFlow = [&chart](InletSize size) {
        return chart.sizes[static_cast<std::size_t>(size)].runs.back().back().flowGpm;
    };
    EXPECT_EQ(lastFlow(InletSize::Three), 100);
    EXPECT_EQ(lastFlow(InletSize::Half), 5);
    for (const SizeCurve& curve : chart.sizes)
        for (const CostRun& run : curve.runs)
            for (const CostSample& s : run)
                EXPECT_TRUE(std::isfinite(s.annualCost) && s.annualCost > 0);
    // The PC pump's cost grows with the flow alone: at a fixed pressure it is proportional to it.
    for (const CostSample& s : chart.pcPump)
        EXPECT_TRUE(near(s.annualCost / s.flowGpm, chart.dutyPcAnnualCost / chart.dutyFlowGpm));
    EXPECT_LE(chart.lowFlowGpm, 0.5);
    EXPECT_EQ(chart.highFlowGpm, 200);
}

// The report's section: one table row per size, the selected one marked, "-" where a figure does not exist.
TEST(InletComparisonReport, OneRowPerSizeWithTheSelectedMarked) {
    const OperatingCase c = accepted({UnitSystem::SI, "4.1", "37.85", "6.5"});
    const ReportSection section = inletComparisonSection(c, InletSize::One);
    ASSERT_EQ(section.table.rows.size(), kInletSizes.size());
    EXPECT_EQ(section.table.columns[3].name, "Air needed");
    EXPECT_EQ(section.table.columns[3].unit, "Bar");
    EXPECT_EQ(section.table.key, kInletComparisonTableKey);
    const auto& one = section.table.rows[2];
    EXPECT_EQ(one[0].text, "1 inch (selected)");
    EXPECT_EQ(one[1].text, "serves");
    EXPECT_EQ(one[4].kind, ReportValue::Kind::Money);
    const auto& quarter = section.table.rows[0];
    EXPECT_EQ(quarter[0].text, "1/4 inch");
    EXPECT_EQ(quarter[4].text, "-");
    EXPECT_EQ(quarter[6].text, "flow above its range");
}

} // namespace
} // namespace pumpvale
