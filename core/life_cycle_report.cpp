#include "core/life_cycle_report.h"

#include "core/energy.h"

#include <string>
#include <utility>

namespace pumpvale {
namespace {

namespace keys = life_cycle_keys;
using Value = ReportValue;

class SectionWriter {
public:
    SectionWriter(CalculationReport& report, std::string_view key, std::string title) : report_(report) {
        ReportSection section;
        section.key = key;
        section.title = std::move(title);
        report_.sections.push_back(std::move(section));
    }

    void row(std::string_view key, std::string name, Value value, std::string unit,
             std::string formula = {}) {
        report_.sections.back().rows.push_back(
            {std::string(key), std::move(name), std::move(value), std::move(unit), std::move(formula)});
    }

    ReportTable& table() { return report_.sections.back().table; }

private:
    CalculationReport& report_;
};

void energySection(CalculationReport& report, const AnnualEnergy& e) {
    SectionWriter s(report, keys::kEnergySection, "Energy");
    s.row(keys::kPcEnergy, "PC pump energy a year", Value::figure(e.pcKwh), "kWh",
          "PC pump input power in kW × operating hours per year");
    if (e.aoddKwh && e.savedKwh) {
        s.row(keys::kAoddEnergy, "AODD energy a year", Value::figure(*e.aoddKwh), "kWh",
              "compressor input power in kW × operating hours per year");
        s.row(keys::kEnergySaved, "Energy saved a year", Value::figure(*e.savedKwh), "kWh",
              "AODD energy a year − PC pump energy a year");
    }
}

void co2Section(CalculationReport& report, const AnnualEmissions& e) {
    SectionWriter s(report, keys::kCo2Section, "CO2 emissions");
    const std::string unit = "kg CO2e";
    s.row(keys::kEmissionFactor, "Grid emission factor", Value::figure(e.kgPerKwh), "kg CO2e per kWh");
    s.row(keys::kPcCo2, "PC pump CO2 a year", Value::figure(e.pcKg), unit,
          "PC pump energy a year × grid emission factor");
    if (e.aoddKg && e.avoidedKg) {
        s.row(keys::kAoddCo2, "AODD CO2 a year", Value::figure(*e.aoddKg), unit,
              "AODD energy a year × grid emission factor");
        s.row(keys::kCo2Avoided, "CO2 avoided a year", Value::figure(*e.avoidedKg), unit,
              "AODD CO2 a year − PC pump CO2 a year");
    }
}

// "years" beside a number of years, with the service life when the payback is longer.
std::string yearsUnit(PaybackOutcome outcome, bool beyondService) {
    if (outcome != PaybackOutcome::InYears)
        return {};
    return beyondService ? "years, longer than the service life" : "years";
}

Value outcomeValue(PaybackOutcome outcome, double years) {
    switch (outcome) {
        case PaybackOutcome::AtOnce:
            return Value::words("at once");
        case PaybackOutcome::Never:
            return Value::words("never");
        case PaybackOutcome::InYears:
            break;
    }
    return Value::years(years);
}

void paybackSection(CalculationReport& report, const std::string& money, const PaybackInputs& in,
                    const LifeCycle& l) {
    SectionWriter s(report, keys::kPaybackSection, "Payback and life-cycle cost");
    const std::string perYear = money + " a year";
    const std::string perCent = "percent a year";
    s.row(keys::kPcPrice, "Installed price of the PC pump", Value::money(in.pcPrice), money);
    s.row(keys::kAoddPrice, "Installed price of the AODD pump", Value::money(in.aoddPrice), money);
    s.row(keys::kPcMaintenance, "Maintenance of the PC pump", Value::money(in.pcMaintenance), perYear);
    s.row(keys::kAoddMaintenance, "Maintenance of the AODD pump", Value::money(in.aoddMaintenance), perYear);
    s.row(keys::kYearsOfService, "Years of service", Value::figure(in.years), "years");
    s.row(keys::kDiscountRate, "Discount rate", Value::figure(in.discountRatePct), perCent);
    s.row(keys::kEnergyEscalation, "Energy price escalation", Value::figure(in.escalationPct), perCent);
    s.row(keys::kExtraFirstCost, "Extra first cost of the PC pump", Value::money(l.extraFirstCost), money,
          "PC pump price − AODD pump price");
    s.row(keys::kNetSavingPerYear, "Net saving a year", Value::money(l.netSavingPerYear), perYear,
          "total savings + AODD maintenance − PC pump maintenance, at today's prices");
    s.row(keys::kSimplePayback, "Simple payback", simplePaybackValue(l),
          yearsUnit(l.payback, l.paybackBeyondService),
          "extra first cost ÷ net saving a year; at once when the PC pump costs no more to buy and its net "
          "saving a year is not negative, never when the net saving a year is not above 0");
    s.row(keys::kDiscountedPayback, "Discounted payback", discountedPaybackValue(l),
          yearsUnit(l.discountedPayback, false),
          "when the net savings, electricity escalated and each year's ÷ (1 + discount rate) ^ year, "
          "have summed to the extra first cost, within the years of service");
    s.row(keys::kBreakEvenYear, "Break-even year", breakEvenValue(l), l.breakEvenYear ? "years" : "",
          "where the PC pump's cost to date, not discounted, drops below the AODD pump's");
    s.row(keys::kCumulativeSaving, "Cumulative net saving", Value::money(l.cumulativeNetSaving), money,
          "each year's net saving, electricity × (1 + escalation) ^ (year − 1), summed, − extra first cost");
    s.row(keys::kNetPresentValue, "Net present value", Value::money(l.netPresentValue), money,
          "each year's net saving ÷ (1 + discount rate) ^ year, summed, − extra first cost");

    s.table() = ownershipTable(money, &l);
}

} // namespace

ReportValue simplePaybackValue(const LifeCycle& l) {
    return outcomeValue(l.payback, l.paybackYears);
}

ReportValue discountedPaybackValue(const LifeCycle& l) {
    if (l.discountedPayback == PaybackOutcome::Never && l.discountedBeyondService)
        return Value::words("longer than the service life");
    return outcomeValue(l.discountedPayback, l.discountedPaybackYears);
}

ReportValue breakEvenValue(const LifeCycle& l) {
    if (l.breakEvenYear)
        return Value::years(*l.breakEvenYear);
    if (l.extraFirstCost <= 0 && l.payback == PaybackOutcome::AtOnce)
        return Value::words("none: the PC pump costs less from the start");
    return Value::words("not within the service life");
}

LifeCycleOutcome workOutLifeCycle(const LifeCycleEntries& entries, const OperatingCase& c,
                                  const AnnualCosts& costs, ResultShown result) {
    LifeCycleOutcome out;
    out.currency = c.currency;
    CheckedEntries checked = checkLifeCycleEntries(entries);
    out.problems = std::move(checked.problems);
    for (const EntryProblem& problem : out.problems)
        out.messages.push_back(problem.message);
    if (result == ResultShown::None)
        return out;
    out.energy = annualEnergy(c, result == ResultShown::PcOnly);
    if (checked.emissionFactor)
        out.emissions = annualEmissions(*out.energy, *checked.emissionFactor);
    if (!checked.payback || result != ResultShown::Full)
        return out;
    LifeCycleResult lifeCycle = computeLifeCycle(*checked.payback, costs);
    out.messages.insert(out.messages.end(), lifeCycle.messages.begin(), lifeCycle.messages.end());
    if (lifeCycle.figures) {
        out.payback = checked.payback;
        out.lifeCycle = std::move(lifeCycle.figures);
    }
    return out;
}

LifeCycleOutcome workOutLifeCycle(const Session& session) {
    return workOutLifeCycle(session.currentCase().lifeCycle, session.record(), session.costs(),
                            session.state().result);
}

void appendLifeCycleSections(CalculationReport& report, const LifeCycleOutcome& outcome) {
    if (outcome.energy)
        energySection(report, *outcome.energy);
    if (outcome.emissions)
        co2Section(report, *outcome.emissions);
    if (outcome.payback && outcome.lifeCycle)
        paybackSection(report, outcome.currency, *outcome.payback, *outcome.lifeCycle);
}

ReportTable ownershipTable(const std::string& currency, const LifeCycle* figures) {
    ReportTable table;
    table.key = keys::kPaybackByYear;
    table.title = "Cost of ownership by year";
    table.columns = {{"Year", ""},
                     {"PC pump cost to date", currency},
                     {"AODD pump cost to date", currency},
                     {"Saved to date", currency}};
    if (figures == nullptr)
        return table;
    const LifeCycle& l = *figures;
    for (std::size_t t = 0; t < l.pcCumulative.size() && t < l.aoddCumulative.size(); ++t)
        table.rows.push_back({Value::figure(static_cast<double>(t)), Value::money(l.pcCumulative[t]),
                              Value::money(l.aoddCumulative[t]),
                              Value::money(l.aoddCumulative[t] - l.pcCumulative[t])});
    return table;
}

std::string lifeCycleHeading(const Session& session, const Separators& separators) {
    const OperatingCase& c = session.record();
    switch (session.state().result) {
        case ResultShown::None:
            return "The calculator shows no result now. The figures return with the next result.";
        case ResultShown::PcOnly: {
            const CalculationReport report = buildCalculationReport(c, session.costs());
            const ReportRow* why = report.find("pc-only-reason");
            // Its ranges with the page's decimal separator, as the report's layout writes them.
            std::string heading = "There is nothing to compare: only the PC pump was costed.";
            if (why != nullptr)
                heading.append(" ").append(withDecimalSeparator(why->value.text, separators.decimal));
            return heading;
        }
        case ResultShown::Full:
            break;
    }
    const AnnualCosts& costs = session.costs();
    const auto money = [&separators](double amount) { return formatMoney(amount, separators); };
    return "Each year the PC pump costs " + money(costs.pcAnnualCost) + " and the AODD pump " +
           money(costs.aoddAnnualCost) + " " + c.currency + " in electricity: a saving of " +
           money(costs.totalSavings) + " " + c.currency + " a year.";
}

} // namespace pumpvale
