#include "core/report.h"

#include "core/accepted_ranges.h"
#include "core/cost.h"

#include <utility>

namespace pumpvale {

using namespace model;

namespace {

using Value = ReportValue;

// A constant of the model in its shortest exact decimal form, for the formulas in words. Written with a
// period; the layout gives it the page's decimal separator.
std::string constant(double value) {
    return exactNumber(value);
}

double operatingHours(const OperatingCase& c) {
    return (c.weeksPerYear * c.daysPerWeek) * c.hoursPerDay;
}

// Why only the PC pump was costed: the range flags of step one, or the 3-inch inlet step. The ranges are
// the limits, in the case's units.
std::string pcOnlyReason(const OperatingCase& c) {
    std::string reason;
    if (c.pcCostOnly) {
        if (c.aoddPressureOutOfRange)
            reason = "The fluid pressure lies outside the AODD pumps' data (" +
                     ranges::aoddPressure(c.unitSystem) + "). ";
        if (c.aoddFlowOutOfRange)
            reason += "The flow lies outside the AODD pumps' data (" + ranges::aoddFlow(c.unitSystem) + "). ";
        if (reason.empty())
            reason = "The duty point lies outside the AODD pumps' data. ";
        reason.pop_back();
        return reason;
    }
    if (c.threeInchOutcome == ThreeInchOutcome::OutOfRange)
        return "The duty point lies outside the data of the 3-inch pump, the largest inlet.";
    return "The 3-inch pump needs more air pressure than the system air pressure gives.";
}

class Builder {
public:
    Builder(const OperatingCase& c, const AnnualCosts& costs) : c_(c), costs_(costs) {}

    CalculationReport build() {
        report_.title = "Pumpvale: annual electricity cost of a durvane PC pump and an AODD pump";
        report_.pcCostOnly = c_.pcCostOnly || c_.stepStatus == StepStatus::PcCostOnly;
        report_.units = c_.unitSystem;
        inputs();
        pcPump();
        // A point found by the 3-inch lookup is shown even when the air pressure then fell short.
        const bool pointFound =
            !c_.pcCostOnly && c_.inletSize &&
            !(*c_.inletSize == InletSize::Three && c_.threeInchOutcome != ThreeInchOutcome::InRange);
        if (pointFound)
            aoddPoint();
        if (!report_.pcCostOnly)
            compressor();
        amounts();
        report_.assumptions = {
            "Air volumes are at standard temperature and pressure (SCFM).",
            "The compressor draws air at atmospheric pressure, " + constant(kAtmospherePsia) + " psia.",
            "The AODD air consumption and air inlet pressure are the makers' published values for "
            "rubber-fitted pumps, interpolated linearly.",
            "Electricity is priced per kWh; one horsepower is " + constant(kKwPerHp) + " kW.",
        };
        return std::move(report_);
    }

private:
    void section(std::string key, std::string title) {
        report_.sections.push_back({std::move(key), std::move(title), {}, {}});
    }
    void row(std::string key, std::string name, Value value, std::string unit, std::string formula = {}) {
        report_.sections.back().rows.push_back(
            {std::move(key), std::move(name), std::move(value), std::move(unit), std::move(formula)});
    }

    // A pressure or flow: as entered in S.I. units, then as stored.
    void entered(const std::string& key, const std::string& name, double stored,
                 double (*inUnits)(double, UnitSystem), const char* siUnit, const char* unit) {
        if (c_.unitSystem == UnitSystem::SI) {
            row(key + "-entered", name + ", as entered", Value::figure(inUnits(stored, UnitSystem::SI)),
                siUnit);
            row(key, name, Value::figure(stored), unit,
                std::string("entry ÷ ") + constant(inUnits(1, UnitSystem::SI)));
        } else {
            row(key, name, Value::figure(stored), unit);
        }
    }

    void inputs() {
        section("inputs", "Inputs");
        row("unit-system", "Unit system",
            Value::words(c_.unitSystem == UnitSystem::SI ? "S.I. units (Bar, l/min)"
                                                         : "English units (psi, US GPM)"),
            "");
        entered("fluid-pressure", "Fluid pressure", c_.pressurePsi, pressureInUnits, "Bar", "psi");
        entered("flow", "Flow", c_.flowGpm, flowInUnits, "l/min", "US GPM");
        entered("air-pressure", "System air pressure", c_.airPressurePsi, pressureInUnits, "Bar", "psi");
        row("pc-stages", "PC pump stages", Value::words(c_.pcStages == PumpStages::Two ? "Two" : "One"), "");
        row("weeks-per-year", "Weeks per year", Value::figure(c_.weeksPerYear), "weeks");
        row("days-per-week", "Days per week", Value::figure(c_.daysPerWeek), "days");
        row("hours-per-day", "Hours per day", Value::figure(c_.hoursPerDay), "hours");
        row("currency", "Currency", Value::words(c_.currency), "");
        row("electricity-price", "Price of electricity", Value::figure(c_.electricityPrice),
            c_.currency + " per kWh");
        if (!c_.pcCostOnly && c_.inletSize)
            row("inlet-size", "AODD inlet size", Value::words(std::string(inletSizeName(*c_.inletSize))), "");
        if (!report_.pcCostOnly) {
            row("compressor-stages", "Compressor stages", Value::figure(c_.compressorStages), "");
            row("compressor-efficiency", "Compressor efficiency", Value::figure(c_.compressorEfficiencyPct),
                "percent");
        }
    }

    void pcPump() {
        section("pc-pump", "PC pump");
        const bool two = c_.pcStages == PumpStages::Two;
        const double hydraulicHp = c_.pressurePsi * c_.flowGpm / kHydraulicPowerDivisor;
        // A percentage, as the compressor's efficiency is given; the model's fraction stays in view.
        row("pc-efficiency", "PC pump efficiency", Value::figure(c_.pcEfficiency * 100), "percent",
            "(" + constant(kPcBaseEfficiency) + " + fluid pressure × " +
                constant(two ? kTwoStageSlope : kOneStageSlope) + ") × 100, " +
                (two ? "two stages" : "one stage") + "; " + formatQuantity(c_.pcEfficiency, Separators{}) +
                " as a fraction");
        row("hydraulic-power", "Hydraulic power", Value::figure(hydraulicHp), "hp",
            "fluid pressure × flow ÷ " + constant(kHydraulicPowerDivisor));
        row("hydraulic-power-kw", "Hydraulic power in kW", Value::figure(hydraulicHp * kKwPerHp), "kW",
            "hydraulic power × " + constant(kKwPerHp));
        row("pc-input-power", "PC pump input power", Value::figure(c_.pcPowerHp), "hp",
            "fluid pressure × flow ÷ (efficiency ÷ 100 × " + constant(kHydraulicPowerDivisor) + ")");
        row("pc-input-power-kw", "PC pump input power in kW", Value::figure(c_.pcPowerHp * kKwPerHp), "kW",
            "input power × " + constant(kKwPerHp));
    }

    void aoddPoint() {
        section("aodd-point", "AODD operating point");
        row("qa", "Lower flow point Qa", Value::figure(c_.bracket.qaGpm), "US GPM",
            "the table's flow points around the flow");
        row("qb", "Upper flow point Qb", Value::figure(c_.bracket.qbGpm), "US GPM",
            "the table's flow points around the flow");
        const std::string read = "read on the table's line at the fluid pressure, at ";
        row("air-consumption-at-qa", "Air consumption at Qa", Value::figure(c_.bracket.scfmAtQa), "SCFM",
            read + "Qa");
        row("air-consumption-at-qb", "Air consumption at Qb", Value::figure(c_.bracket.scfmAtQb), "SCFM",
            read + "Qb");
        row("air-pressure-at-qa", "Air pressure needed at Qa", Value::figure(c_.bracket.airPsiAtQa), "psi",
            read + "Qa");
        row("air-pressure-at-qb", "Air pressure needed at Qb", Value::figure(c_.bracket.airPsiAtQb), "psi",
            read + "Qb");
        const std::string between = "between its values at Qa and Qb, linearly at the flow";
        row("air-consumption", "Air consumption", Value::figure(c_.airConsumptionScfm), "SCFM", between);
        row("required-air-pressure", "Required air pressure", Value::figure(c_.requiredAirPsi), "psi",
            between);
    }

    void compressor() {
        section("compressor", "Compressor");
        const double inputHp = c_.airConsumptionScfm / c_.scfmPerInputHp;
        row("discharge-pressure", "Discharge pressure", Value::figure(kAtmospherePsia + c_.requiredAirPsi),
            "psia", constant(kAtmospherePsia) + " + required air pressure");
        row("compression-ratio", "Compression ratio", Value::figure(c_.compressionRatio), "",
            "discharge pressure ÷ " + constant(kAtmospherePsia) + " psia");
        row("stage-exponent", "Stage exponent", Value::figure(c_.stageExponent), "",
            "(k − 1) ÷ (stages × k), k = " + constant(kAirHeatRatio));
        row("ideal-power", "Ideal compressor power", Value::figure(c_.idealCompressorHp), "hp",
            "stages × " + constant(kAtmospherePsia) +
                " × air consumption × k ÷ (k − 1) × (ratio ^ exponent − 1) ÷ " +
                constant(kCompressorDivisor));
        row("ideal-power-kw", "Ideal compressor power in kW", Value::figure(c_.idealCompressorHp * kKwPerHp),
            "kW", "ideal power × " + constant(kKwPerHp));
        row("air-per-ideal-hp", "Air per ideal hp", Value::figure(c_.scfmPerIdealHp), "SCFM per hp",
            "air consumption ÷ ideal power");
        row("air-per-input-hp", "Air per input hp", Value::figure(c_.scfmPerInputHp), "SCFM per hp",
            "air per ideal hp × efficiency ÷ 100");
        row("compressor-input-power", "Compressor input power", Value::figure(inputHp), "hp",
            "air consumption ÷ air per input hp");
        row("compressor-input-power-kw", "Compressor input power in kW", Value::figure(inputHp * kKwPerHp),
            "kW", "input power × " + constant(kKwPerHp));
    }

    void amounts() {
        section("annual-costs", "Annual costs");
        row("operating-hours", "Operating hours per year", Value::figure(operatingHours(c_)), "hours",
            "weeks per year × days per week × hours per day");
        const std::string& money = c_.currency;
        if (!report_.pcCostOnly)
            row("aodd-annual-cost", "AODD annual cost", Value::money(costs_.aoddAnnualCost), money,
                "compressor input power in kW × hours × price");
        row("pc-annual-cost", "durvane annual cost", Value::money(costs_.pcAnnualCost), money,
            "PC pump input power in kW × hours × price");
        if (report_.pcCostOnly)
            row("pc-only-reason", "Why the PC pump alone", Value::words(pcOnlyReason(c_)), "");
        else
            row("total-savings", "Total savings", Value::money(costs_.totalSavings), money,
                "AODD annual cost − durvane annual cost");
    }

    const OperatingCase& c_;
    const AnnualCosts& costs_;
    CalculationReport report_;
};

} // namespace

const ReportRow* CalculationReport::find(std::string_view key) const {
    for (const ReportSection& s : sections)
        for (const ReportRow& r : s.rows)
            if (r.key == key)
                return &r;
    return nullptr;
}

CalculationReport buildCalculationReport(const OperatingCase& c, const AnnualCosts& costs) {
    return Builder(c, costs).build();
}

std::vector<IdentityLine> caseIdentity(const CarriedCells& carried) {
    const auto readable = [](std::string text, bool header) {
        for (char& ch : text)
            if (ch == '\r' || ch == '\n' || ch == '\t' || (header && ch == '_'))
                ch = ' ';
        const std::size_t first = text.find_first_not_of(' ');
        if (first == std::string::npos)
            return std::string();
        text = text.substr(first, text.find_last_not_of(' ') - first + 1);
        if (header && text.front() >= 'a' && text.front() <= 'z')
            text.front() = static_cast<char>(text.front() - 'a' + 'A');
        return text;
    };
    std::vector<IdentityLine> lines;
    for (const auto& [header, cell] : carried)
        if (std::string text = readable(cell, false); !text.empty())
            lines.push_back({readable(header, true), std::move(text)});
    return lines;
}

std::string formatValue(const ReportValue& value, const Separators& separators) {
    switch (value.kind) {
        case ReportValue::Kind::Money:
            return formatMoney(value.number, separators);
        case ReportValue::Kind::Figure:
            return formatQuantity(value.number, separators);
        case ReportValue::Kind::Years:
            return formatYears(value.number, separators);
        case ReportValue::Kind::Text:
            break;
    }
    return value.text;
}

std::string amountDerivation(const CalculationReport& report, ResultAmount amount,
                             const Separators& separators) {
    const auto text = [&](std::string_view key) {
        const ReportRow* r = report.find(key);
        return r != nullptr ? formatValue(r->value, separators) : std::string("-");
    };
    const ReportRow* price = report.find("electricity-price");
    const std::string perKwh = text("electricity-price") + " " + (price != nullptr ? price->unit : "");
    const std::string hours = text("operating-hours") + " hours";
    const ReportRow* currency = report.find("currency");
    const std::string unit = currency != nullptr ? " " + currency->value.text : "";
    const auto airPressure = [&] {
        const ReportRow* r = report.find("required-air-pressure");
        if (r == nullptr)
            return std::string("-");
        return formatValue(ReportValue::figure(pressureInUnits(r->value.number, report.units)), separators) +
               (report.units == UnitSystem::SI ? " Bar" : " psi");
    };
    switch (amount) {
        case ResultAmount::PcCost:
            return "Annual electricity cost of the durvane PC pump:\n" + text("pc-input-power-kw") + " kW (" +
                   text("pc-input-power") + " hp at " + text("pc-efficiency") + "\u00a0% efficiency)\n× " +
                   hours + " × " + perKwh + "\n= " + text("pc-annual-cost") + unit;
        case ResultAmount::AoddCost:
            return "Annual electricity cost of the compressor feeding the AODD pump:\n" +
                   text("air-consumption") + " SCFM at " + airPressure() + " needs " +
                   text("compressor-input-power-kw") + " kW\n× " + hours + " × " + perKwh +
                   "\n= " + text("aodd-annual-cost") + unit;
        case ResultAmount::Savings:
            return "AODD annual cost − durvane annual cost:\n" + text("aodd-annual-cost") + " − " +
                   text("pc-annual-cost") + "\n= " + text("total-savings") + unit;
    }
    return {};
}

} // namespace pumpvale
