// Timings of the core: one AODD lookup on the table of each inlet size, closing step one, a whole
// calculation from the operating data to the three amounts as the window shows them, and the comparison
// of every inlet size with its chart.
#include "aodd/comparison.h"
#include "aodd/inlet_step.h"
#include "aodd/lookup.h"
#include "checks/operating_data.h"
#include "core/cost.h"
#include "core/operating_case.h"

#include <benchmark/benchmark.h>
#include <string>

namespace pumpvale {
namespace {

// The engineers' worked example as typed: 60 psi, 10 GPM, one stage, all year round in US Dollars.
const OperatingDataEntries kWorkedExample{
    "60", "10", "90", "52", "7", "24", "0.065", PumpStages::One, UnitSystem::English, "US Dollars"};

// A point inside each table, at mid pressure.
void lookupOnTable(benchmark::State& state, InletSize size, double flowGpm) {
    OperatingCase c;
    c.flowGpm = flowGpm;
    c.pressurePsi = 50;
    const AoddPerformanceTable& table = performanceTable(size);
    for (auto _ : state) {
        LookupReport report = size == InletSize::Three ? lookupThreeInch(c) : lookupAodd(table, c);
        benchmark::DoNotOptimize(report);
        if (!report.producedResult())
            state.SkipWithError("the point lies outside the table");
    }
}
BENCHMARK_CAPTURE(lookupOnTable, quarterInch, InletSize::Quarter, 1.5);
BENCHMARK_CAPTURE(lookupOnTable, halfInch, InletSize::Half, 5.0);
BENCHMARK_CAPTURE(lookupOnTable, oneInch, InletSize::One, 15.0);
BENCHMARK_CAPTURE(lookupOnTable, oneAndHalfInch, InletSize::OneAndHalf, 30.0);
BENCHMARK_CAPTURE(lookupOnTable, twoInch, InletSize::Two, 75.0);
BENCHMARK_CAPTURE(lookupOnTable, threeInch, InletSize::Three, 150.0);

void closeStepOne(benchmark::State& state) {
    for (auto _ : state) {
        OperatingCase c;
        OperatingDataResult result = closeOperatingDataStep(c, kWorkedExample);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(closeStepOne);

// Step one, the 1-inch inlet, the compressor entries and the three amounts formatted.
void wholeCalculation(benchmark::State& state) {
    for (auto _ : state) {
        OperatingCase c;
        AnnualCosts costs;
        closeOperatingDataStep(c, kWorkedExample);
        closeInletStep(c, costs, InletSize::One);
        if (findCostSavings(c, costs, "1", "75").display() != CostDisplay::Full)
            state.SkipWithError("the worked example gave no full result");
        std::string shown = formatStandard(costs.aoddAnnualCost) + formatStandard(costs.pcAnnualCost) +
                            formatStandard(costs.totalSavings);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(wholeCalculation);

// The worked example's step one accepted, with the compressor entries' defaults.
OperatingCase acceptedWorkedExample() {
    OperatingCase c;
    closeOperatingDataStep(c, kWorkedExample);
    c.compressorStages = 1;
    c.compressorEfficiencyPct = 75;
    return c;
}

// Every inlet size through the inlet step and the cost button at the worked example's point.
void compareAllInletSizes(benchmark::State& state) {
    const OperatingCase c = acceptedWorkedExample();
    for (auto _ : state) {
        InletComparison rows = compareInletSizes(c);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(compareAllInletSizes);

// The chart's samples: about fifty flows for each size and the PC pump's line.
void costChart(benchmark::State& state) {
    const OperatingCase c = acceptedWorkedExample();
    for (auto _ : state) {
        CostChartData chart = costChartData(c);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(costChart);

} // namespace
} // namespace pumpvale
