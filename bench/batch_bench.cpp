// pumpvale-batch's streaming path over a million generated rows (read, costed as the window would,
// written), against the core's whole calculation of one duty point (core_bench.cpp's wholeCalculation,
// timed again here in the same process so that the two share the machine's load). Both in CPU time per
// row; the counters give them and their ratio, which must stay within 3.
#include "aodd/inlet_step.h"
#include "batch/run.h"
#include "bench/duty_rows.h"
#include "checks/operating_data.h"
#include "core/cost.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <istream>
#include <ostream>
#include <sstream>

namespace pumpvale::bench {
namespace {

// Counts what is written and keeps none of it.
class Discard : public std::streambuf {
public:
    std::size_t bytes = 0;

private:
    int_type overflow(int_type ch) override {
        ++bytes;
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char*, std::streamsize count) override {
        bytes += static_cast<std::size_t>(count);
        return count;
    }
};

constexpr std::size_t kRows = 1000000;

// CPU time of this thread, in nanoseconds: on a busy machine wall time measures the others' work too.
double cpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// The core's whole calculation, as core_bench times it, in nanoseconds per calculation.
double wholeCalculationNs(std::size_t times) {
    const OperatingDataEntries entries{
        "60", "10", "90", "52", "7", "24", "0.065", PumpStages::One, UnitSystem::English, "US Dollars"};
    const double start = cpuNs();
    for (std::size_t i = 0; i < times; ++i) {
        OperatingCase c;
        AnnualCosts costs;
        closeOperatingDataStep(c, entries);
        closeInletStep(c, costs, InletSize::One);
        findCostSavings(c, costs, "1", "75");
        std::string shown = formatStandard(costs.aoddAnnualCost) + formatStandard(costs.pcAnnualCost) +
                            formatStandard(costs.totalSavings);
        benchmark::DoNotOptimize(shown);
    }
    return (cpuNs() - start) / static_cast<double>(times);
}

void batchMillionRows(benchmark::State& state) {
    double rowNs = 0;
    for (auto _ : state) {
        GeneratedDutyList list(kRows);
        std::istream in(&list);
        Discard sink;
        std::ostream out(&sink);
        std::ostringstream errors;
        const double start = cpuNs();
        const batch::BatchSummary summary = batch::runBatch(in, out, errors, "generated");
        rowNs = (cpuNs() - start) / static_cast<double>(kRows);
        if (summary.costed + summary.refused != kRows)
            state.SkipWithError("not every row was read");
    }
    const double wholeNs = wholeCalculationNs(kRows);
    state.counters["row_ns"] = rowNs;
    state.counters["whole_calculation_ns"] = wholeNs;
    state.counters["ratio"] = rowNs / wholeNs;
}
BENCHMARK(batchMillionRows)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pumpvale::bench
