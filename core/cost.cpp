#include "core/cost.h"

#include <cmath>

namespace pumpvale {

using namespace model;

namespace {

double operatingHours(const OperatingCase& c) {
    return (c.weeksPerYear * c.daysPerWeek) * c.hoursPerDay;
}

} // namespace

double pcEfficiencyAt(double pressurePsi, PumpStages stages) {
    const double slope = stages == PumpStages::Two ? kTwoStageSlope : kOneStageSlope;
    return kPcBaseEfficiency + pressurePsi * slope;
}

void computePcPower(OperatingCase& c) {
    c.pcEfficiency = pcEfficiencyAt(c.pressurePsi, c.pcStages);
    c.pcPowerHp = (c.pressurePsi * c.flowGpm) / (c.pcEfficiency * kHydraulicPowerDivisor);
}

double computePcAnnualCost(const OperatingCase& c) {
    return ((operatingHours(c) * c.electricityPrice) * c.pcPowerHp) * kKwPerHp;
}

double operatingHoursPerYear(const OperatingCase& c) {
    return operatingHours(c);
}

double pcInputKw(const OperatingCase& c) {
    return c.pcPowerHp * kKwPerHp;
}

double compressorInputKw(const OperatingCase& c) {
    return (c.airConsumptionScfm / c.scfmPerInputHp) * kKwPerHp;
}

double computeAoddAnnualCost(OperatingCase& c) {
    const double k = kAirHeatRatio;
    const double stages = c.compressorStages;
    const double scfm = c.airConsumptionScfm;
    const double p1 = kAtmospherePsia;
    const double p2 = kAtmospherePsia + c.requiredAirPsi;

    // Multi-stage adiabatic compression, the pressure ratio shared equally between the stages.
    c.compressionRatio = p2 / p1;
    c.stageExponent = (k - 1) / (stages * k);
    c.idealCompressorHp = (1 / kCompressorDivisor) * stages * kAtmospherePsia * scfm * (k / (k - 1)) *
                          (std::pow(c.compressionRatio, c.stageExponent) - 1);
    c.scfmPerIdealHp = scfm / c.idealCompressorHp;
    c.scfmPerInputHp = (c.scfmPerIdealHp * kPercent) * c.compressorEfficiencyPct;
    return compressorInputKw(c) * (operatingHours(c) * c.electricityPrice);
}

// The lower rules are written as "not at least" so that a value that is not a number fails them.
std::optional<Message> compressorStagesRule(double compressorStages) {
    if (!(compressorStages >= 1))
        return msg::kInvalidSelection;
    if (compressorStages != 1 && compressorStages != 2) // 3 or more, or a fraction
        return msg::kChooseOneOrTwo;
    return std::nullopt;
}

std::optional<Message> compressorEfficiencyRule(double compressorEfficiencyPct, const Message& tooEfficient) {
    constexpr double kImpossiblePct = 100; // the Second Law: no machine reaches it
    if (!(compressorEfficiencyPct > 0))
        return msg::kInvalidSelection;
    if (compressorEfficiencyPct >= kImpossiblePct)
        return tooEfficient;
    return std::nullopt;
}

std::optional<Message> checkCompressorEntries(double compressorStages, double compressorEfficiencyPct) {
    if (auto rejected = compressorStagesRule(compressorStages))
        return rejected;
    return compressorEfficiencyRule(compressorEfficiencyPct, msg::kSecondLaw);
}

CostSavingsResult findCostSavings(OperatingCase& c, AnnualCosts& costs, std::string_view compressorStagesText,
                                  std::string_view compressorEfficiencyText) {
    if (c.pcCostOnly) {
        c.stepStatus = StepStatus::Ok;
        const double pc = computePcAnnualCost(c);
        if (!std::isfinite(pc))
            return {{msg::kNoPcCost}, CostOutcome::NoPcCost, {}};
        costs.pcAnnualCost = pc;
        return {{}, CostOutcome::PcCostOnly, {pc, 0, 0}};
    }

    c.compressorStages = parseLeadingNumber(compressorStagesText);
    c.compressorEfficiencyPct = parseLeadingNumber(compressorEfficiencyText);
    return costAtCompressorEntries(c, costs);
}

CostSavingsResult costAtCompressorEntries(OperatingCase& c, AnnualCosts& costs) {
    c.stepStatus = StepStatus::Ok;
    if (auto rejected = checkCompressorEntries(c.compressorStages, c.compressorEfficiencyPct)) {
        c.stepStatus = StepStatus::Rejected;
        return {{*rejected}, CostOutcome::EntriesRejected, {}};
    }

    const double pc = computePcAnnualCost(c);
    const double aodd = computeAoddAnnualCost(c);
    const double savings = aodd - pc;
    // A zero or undefined air demand has no compressor power to cost. The step stays Ok so that
    // "Go Back" leads to another inlet size, as the message asks. With a known demand, only an
    // efficiency near 0 makes the AODD cost endless.
    const bool airDemandKnown = std::isfinite(c.idealCompressorHp) && c.idealCompressorHp > 0;
    if (!std::isfinite(pc))
        return {{msg::kNoPcCost}, CostOutcome::NoPcCost, {}};
    if (!airDemandKnown)
        return {{msg::kNoAirDemand}, CostOutcome::NoAirDemand, {}};
    if (!std::isfinite(aodd) || !std::isfinite(savings))
        return {{msg::kEfficiencyTooSmall}, CostOutcome::EfficiencyTooSmall, {}};

    costs = {pc, aodd, savings};
    return {{}, CostOutcome::Full, costs};
}

} // namespace pumpvale
