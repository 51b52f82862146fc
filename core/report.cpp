#include "core/report.h"

#include "core/cost.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace pumpvale {

using namespace model;

namespace {

using Value = ReportValue;

// A constant of the model in its shortest exact decimal form, for the formulas in words.
std::string constant(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), end};
}

std::string grouped(std::string_view integer, const std::string& group) {
    std::string out;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            out += group;
        out += integer[i];
    }
    return out;
}

std::string withoutTrailingZeros(std::string digits) {
    if (digits.find('.') == std::string::npos)
        return digits;
    while (digits.back() == '0')
        digits.pop_back();
    if (digits.back() == '.')
        digits.pop_back();
    return digits;
}

constexpr int kSignificantDigits = 6;

std::string formatFigure(double value, const Separators& separators) {
    if (!std::isfinite(value))
        return "undefined";
    if (value == 0)
        return "0";
    const double magnitude = std::fabs(value);
    std::array<char, 64> buffer{};
    const std::string sign = value < 0 ? "-" : "";
    if (magnitude >= 1e12 || magnitude < 1e-4) {
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, kSignificantDigits - 1)
                             .ptr;
        const std::string text(buffer.data(), end);
        const auto e = text.find('e');
        std::string mantissa = withoutTrailingZeros(text.substr(0, e));
        if (const auto point = mantissa.find('.'); point != std::string::npos)
            mantissa.replace(point, 1, separators.decimal);
        return sign + mantissa + "E" + text.substr(e + 1);
    }
    const int decimals =
        std::max(0, kSignificantDigits - 1 - static_cast<int>(std::floor(std::log10(magnitude))));
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    const std::string text = withoutTrailingZeros(std::string(buffer.data(), end));
    const auto point = text.find('.');
    std::string out = sign + grouped(std::string_view(text).substr(0, point), separators.group);
    if (point != std::string::npos)
        out += separators.decimal + text.substr(point + 1);
    return out;
}

double operatingHours(const OperatingCase& c) {
    return (c.weeksPerYear * c.daysPerWeek) * c.hoursPerDay;
}

// Why only the PC pump was costed: the range flags of step one, or the 3-inch inlet step.
std::string pcOnlyReason(const OperatingCase& c) {
    std::string reason;
    if (c.pcCostOnly) {
        if (c.aoddPressureOutOfRange)
            reason = "The fluid pressure lies outside the AODD pumps' data (20 to 100 psi). ";
        if (c.aoddFlowOutOfRange)
            reason += "The flow lies outside the AODD pumps' data (0.5 to 200 GPM). ";
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
    void section(std::string title) { report_.sections.push_back({std::move(title), {}, {}}); }
    void row(std::string name, Value value, std::string unit, std::string formula = {}) {
        report_.sections.back().rows.push_back(
            {std::move(name), std::move(value), std::move(unit), std::move(formula)});
    }

    // A pressure or flow: as entered in S.I. units, then as stored.
    void entered(const std::string& name, double stored, double (*inUnits)(double, UnitSystem), const char* siUnit,
                 const char* unit) {
        if (c_.unitSystem == UnitSystem::SI) {
            row(name + ", as entered", Value::figure(inUnits(stored, UnitSystem::SI)), siUnit);
            row(name, Value::figure(stored), unit, std::string("entry ÷ ") + constant(inUnits(1, UnitSystem::SI)));
        } else {
            row(name, Value::figure(stored), unit);
        }
    }

    void inputs() {
        section("Inputs");
        row("Unit system",
            Value::words(c_.unitSystem == UnitSystem::SI ? "S.I. units (Bar, l/min)"
                                                         : "English units (psi, US GPM)"),
            "");
        entered("Fluid pressure", c_.pressurePsi, pressureInUnits, "Bar", "psi");
        entered("Flow", c_.flowGpm, flowInUnits, "l/min", "US GPM");
        entered("System air pressure", c_.airPressurePsi, pressureInUnits, "Bar", "psi");
        row("PC pump stages", Value::words(c_.pcStages == PumpStages::Two ? "Two" : "One"), "");
        row("Weeks per year", Value::figure(c_.weeksPerYear), "weeks");
        row("Days per week", Value::figure(c_.daysPerWeek), "days");
        row("Hours per day", Value::figure(c_.hoursPerDay), "hours");
        row("Currency", Value::words(c_.currency), "");
        row("Price of electricity", Value::figure(c_.electricityPrice), c_.currency + " per kWh");
        if (!c_.pcCostOnly && c_.inletSize)
            row("AODD inlet size", Value::words(std::string(inletSizeName(*c_.inletSize))), "");
        if (!report_.pcCostOnly) {
            row("Compressor stages", Value::figure(c_.compressorStages), "");
            row("Compressor efficiency", Value::figure(c_.compressorEfficiencyPct), "percent");
        }
    }

    void pcPump() {
        section("PC pump");
        const bool two = c_.pcStages == PumpStages::Two;
        const double hydraulicHp = c_.pressurePsi * c_.flowGpm / kHydraulicPowerDivisor;
        row("PC pump efficiency", Value::figure(c_.pcEfficiency), "",
            constant(kPcBaseEfficiency) + " + fluid pressure × " +
                constant(two ? kTwoStageSlope : kOneStageSlope) + (two ? " (two stages)" : " (one stage)"));
        row("Hydraulic power", Value::figure(hydraulicHp), "hp",
            "fluid pressure × flow ÷ " + constant(kHydraulicPowerDivisor));
        row("Hydraulic power in kW", Value::figure(hydraulicHp * kKwPerHp), "kW",
            "hydraulic power × " + constant(kKwPerHp));
        row("PC pump input power", Value::figure(c_.pcPowerHp), "hp",
            "fluid pressure × flow ÷ (efficiency × " + constant(kHydraulicPowerDivisor) + ")");
        row("PC pump input power in kW", Value::figure(c_.pcPowerHp * kKwPerHp), "kW",
            "input power × " + constant(kKwPerHp));
    }

    void aoddPoint() {
        section("AODD operating point");
        row("Lower flow point Qa", Value::figure(c_.bracket.qaGpm), "US GPM",
            "the table's flow points around the flow");
        row("Upper flow point Qb", Value::figure(c_.bracket.qbGpm), "US GPM",
            "the table's flow points around the flow");
        const std::string read = "read on the table's line at the fluid pressure, at ";
        row("Air consumption at Qa", Value::figure(c_.bracket.scfmAtQa), "SCFM", read + "Qa");
        row("Air consumption at Qb", Value::figure(c_.bracket.scfmAtQb), "SCFM", read + "Qb");
        row("Air pressure needed at Qa", Value::figure(c_.bracket.airPsiAtQa), "psi", read + "Qa");
        row("Air pressure needed at Qb", Value::figure(c_.bracket.airPsiAtQb), "psi", read + "Qb");
        const std::string between = "between its values at Qa and Qb, linearly at the flow";
        row("Air consumption", Value::figure(c_.airConsumptionScfm), "SCFM", between);
        row("Required air pressure", Value::figure(c_.requiredAirPsi), "psi", between);
    }

    void compressor() {
        section("Compressor");
        const double inputHp = c_.airConsumptionScfm / c_.scfmPerInputHp;
        row("Discharge pressure", Value::figure(kAtmospherePsia + c_.requiredAirPsi), "psia",
            constant(kAtmospherePsia) + " + required air pressure");
        row("Compression ratio", Value::figure(c_.compressionRatio), "",
            "discharge pressure ÷ " + constant(kAtmospherePsia) + " psia");
        row("Stage exponent", Value::figure(c_.stageExponent), "",
            "(k − 1) ÷ (stages × k), k = " + constant(kAirHeatRatio));
        row("Ideal compressor power", Value::figure(c_.idealCompressorHp), "hp",
            "stages × " + constant(kAtmospherePsia) +
                " × air consumption × k ÷ (k − 1) × (ratio ^ exponent − 1) ÷ " +
                constant(kCompressorDivisor));
        row("Ideal compressor power in kW", Value::figure(c_.idealCompressorHp * kKwPerHp), "kW",
            "ideal power × " + constant(kKwPerHp));
        row("Air per ideal hp", Value::figure(c_.scfmPerIdealHp), "SCFM per hp",
            "air consumption ÷ ideal power");
        row("Air per input hp", Value::figure(c_.scfmPerInputHp), "SCFM per hp",
            "air per ideal hp × efficiency ÷ 100");
        row("Compressor input power", Value::figure(inputHp), "hp", "air consumption ÷ air per input hp");
        row("Compressor input power in kW", Value::figure(inputHp * kKwPerHp), "kW",
            "input power × " + constant(kKwPerHp));
    }

    void amounts() {
        section("Annual costs");
        row("Operating hours per year", Value::figure(operatingHours(c_)), "hours",
            "weeks per year × days per week × hours per day");
        const std::string& money = c_.currency;
        if (!report_.pcCostOnly)
            row("AODD annual cost", Value::money(costs_.aoddAnnualCost), money,
                "compressor input power in kW × hours × price");
        row("durvane annual cost", Value::money(costs_.pcAnnualCost), money,
            "PC pump input power in kW × hours × price");
        if (report_.pcCostOnly)
            row("Why the PC pump alone", Value::words(pcOnlyReason(c_)), "");
        else
            row("Total savings", Value::money(costs_.totalSavings), money,
                "AODD annual cost − durvane annual cost");
    }

    const OperatingCase& c_;
    const AnnualCosts& costs_;
    CalculationReport report_;
};

} // namespace

const ReportRow* CalculationReport::find(std::string_view name) const {
    for (const ReportSection& s : sections)
        for (const ReportRow& r : s.rows)
            if (r.name == name)
                return &r;
    return nullptr;
}

CalculationReport buildCalculationReport(const OperatingCase& c, const AnnualCosts& costs) {
    return Builder(c, costs).build();
}

std::string formatValue(const ReportValue& value, const Separators& separators) {
    switch (value.kind) {
        case ReportValue::Kind::Money:
            return formatStandard(value.number, separators.decimal, separators.group);
        case ReportValue::Kind::Figure:
            return formatFigure(value.number, separators);
        case ReportValue::Kind::Text:
            break;
    }
    return value.text;
}

std::string amountDerivation(const CalculationReport& report, ResultAmount amount,
                             const Separators& separators) {
    const auto text = [&](std::string_view name) {
        const ReportRow* r = report.find(name);
        return r != nullptr ? formatValue(r->value, separators) : std::string("?");
    };
    const ReportRow* price = report.find("Price of electricity");
    const std::string perKwh = text("Price of electricity") + " " + (price != nullptr ? price->unit : "");
    const std::string hours = text("Operating hours per year") + " hours";
    const ReportRow* currency = report.find("Currency");
    const std::string unit = currency != nullptr ? " " + currency->value.text : "";
    switch (amount) {
        case ResultAmount::PcCost:
            return "Annual electricity cost of the durvane PC pump:\n" + text("PC pump input power in kW") +
                   " kW (" + text("PC pump input power") + " hp at " + text("PC pump efficiency") +
                   " efficiency)\n× " + hours + " × " + perKwh + "\n= " + text("durvane annual cost") + unit;
        case ResultAmount::AoddCost:
            return "Annual electricity cost of the compressor feeding the AODD pump:\n" +
                   text("Air consumption") + " SCFM at " + text("Required air pressure") + " psi needs " +
                   text("Compressor input power in kW") + " kW\n× " + hours + " × " + perKwh +
                   "\n= " + text("AODD annual cost") + unit;
        case ResultAmount::Savings:
            return "AODD annual cost − durvane annual cost:\n" + text("AODD annual cost") + " − " +
                   text("durvane annual cost") + "\n= " + text("Total savings") + unit;
    }
    return {};
}

} // namespace pumpvale
