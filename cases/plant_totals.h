// A plant's answer: what each costed row of a duty list adds to it (energy saved, CO2 avoided, payback)
// and the totals per currency. The plant list window, its report and pumpvale-batch --totals all take
// them from here, so the three agree to the last bit.
//
// Amounts in different currencies are never added together: each currency has its own totals, in the
// order the currencies first appear in the list. The rows without a currency (refused before one was
// known) are counted on a line of their own.
#pragma once

#include "cases/window_run.h"
#include "core/case_entries.h"
#include "core/payback.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pumpvale::cases {

// One row's part of the plant's answer.
struct PlantFigures {
    RunStatus status = RunStatus::Refused;
    std::string_view currency;        // as the currency list names it; empty when the row has none
    std::optional<AnnualCosts> costs; // as the run has them: pcAnnualCost alone for PcOnly
    std::optional<double> savedKwh;   // energy saved a year, for a row costed in full
    // A year, for a row costed in full whose emission factor is given and accepted.
    std::optional<double> co2AvoidedKg;
    // For a row costed in full whose payback entries are given and accepted.
    std::optional<PaybackOutcome> payback;
    double paybackYears = 0; // PaybackOutcome::InYears
};

// The figures of a row that the window's run costed (or refused), with the Savings Over Time entries
// of its case; c is the case the run was given.
PlantFigures plantFigures(const WindowRun& run, const Case& c);

// A row the reader refused: no currency is known.
inline PlantFigures refusedRow() {
    return {};
}

struct CurrencyTotals {
    std::string_view currency; // empty: the rows without a currency
    double savings = 0;        // a year, over the rows costed in full
    double savedKwh = 0;       // a year, over the rows costed in full
    double co2AvoidedKg = 0;   // a year, over the rows that give an emission factor
    std::size_t co2Rows = 0;   // the rows costed in full with an emission factor
    std::size_t costed = 0;    // in full
    std::size_t pcOnly = 0;
    std::size_t refused = 0;

    friend bool operator==(const CurrencyTotals&, const CurrencyTotals&) = default;
};

// Sums kept with their rounding error (Neumaier), so that a million rows add up as exactly as a few.
class PlantTotals {
public:
    void add(const PlantFigures& row);
    std::vector<CurrencyTotals> byCurrency() const;

private:
    struct Sum {
        double sum = 0;
        double error = 0;
        void add(double value);
        double value() const { return sum + error; }
    };
    struct Running {
        CurrencyTotals counts;
        Sum savings, savedKwh, co2AvoidedKg;
    };
    std::vector<Running> currencies_;
};

// The totals for a program to read (RFC 4180, LF line ends): a header row, then a row per currency
// with every number in full.
std::string totalsCsv(const std::vector<CurrencyTotals>& totals);

} // namespace pumpvale::cases
