#include "cases/plant_totals.h"

#include "cases/csv_writer.h"
#include "core/csv_cells.h"
#include "core/number_format.h"
#include "checks/currency.h"
#include "core/energy.h"
#include "core/life_cycle_entries.h"

#include <algorithm>
#include <cmath>

namespace pumpvale::cases {
namespace {

// The currency list's own name, which outlives any row.
std::string_view listedCurrency(std::string_view name) {
    const auto found = std::find_if(kCurrencies.begin(), kCurrencies.end(),
                                    [&](const Currency& currency) { return currency.name == name; });
    return found != kCurrencies.end() ? found->name : std::string_view{};
}

} // namespace

PlantFigures plantFigures(const WindowRun& run, const Case& c) {
    PlantFigures f;
    f.status = run.status;
    f.currency = listedCurrency(c.entries.currency);
    f.costs = run.costs;
    if (run.status != RunStatus::Costed || !run.costs)
        return f;
    const AnnualEnergy energy = annualEnergy(run.record, false);
    f.savedKwh = energy.savedKwh;
    const CheckedEntries checked = checkLifeCycleEntries(c.lifeCycle);
    if (checked.emissionFactor)
        f.co2AvoidedKg = annualEmissions(energy, *checked.emissionFactor).avoidedKg;
    if (checked.payback) {
        const LifeCycleResult life = computeLifeCycle(*checked.payback, *run.costs);
        if (life.figures) {
            f.payback = life.figures->payback;
            f.paybackYears = life.figures->paybackYears;
        }
    }
    return f;
}

void PlantTotals::Sum::add(double value) {
    const double next = sum + value;
    error += std::fabs(sum) >= std::fabs(value) ? (sum - next) + value : (value - next) + sum;
    sum = next;
}

void PlantTotals::add(const PlantFigures& row) {
    auto found = std::find_if(currencies_.begin(), currencies_.end(),
                              [&](const Running& r) { return r.counts.currency == row.currency; });
    if (found == currencies_.end()) {
        currencies_.push_back({});
        found = currencies_.end() - 1;
        found->counts.currency = row.currency;
    }
    switch (row.status) {
        case RunStatus::Costed:
            ++found->counts.costed;
            break;
        case RunStatus::PcOnly:
            ++found->counts.pcOnly;
            return;
        case RunStatus::Refused:
            ++found->counts.refused;
            return;
    }
    if (row.costs)
        found->savings.add(row.costs->totalSavings);
    if (row.savedKwh)
        found->savedKwh.add(*row.savedKwh);
    if (row.co2AvoidedKg) {
        found->co2AvoidedKg.add(*row.co2AvoidedKg);
        ++found->counts.co2Rows;
    }
}

std::vector<CurrencyTotals> PlantTotals::byCurrency() const {
    std::vector<CurrencyTotals> out;
    out.reserve(currencies_.size());
    for (const Running& r : currencies_) {
        CurrencyTotals t = r.counts;
        t.savings = r.savings.value();
        t.savedKwh = r.savedKwh.value();
        t.co2AvoidedKg = r.co2AvoidedKg.value();
        out.push_back(t);
    }
    return out;
}

std::string totalsCsv(const std::vector<CurrencyTotals>& totals) {
    std::string out = "currency,annual_savings,energy_saved_kwh,co2_avoided_kg,rows_with_emission_factor,"
                      "costed,pc_only,refused\n";
    for (const CurrencyTotals& t : totals) {
        appendCsvCell(out, t.currency);
        for (const double figure : {t.savings, t.savedKwh, t.co2AvoidedKg})
            out += ',' + exactNumber(figure);
        for (const std::size_t count : {t.co2Rows, t.costed, t.pcOnly, t.refused})
            out += ',' + std::to_string(count);
        out += '\n';
    }
    return out;
}

} // namespace pumpvale::cases
