// The cost model: PC pump power, the compressor power equation, the annual costs and their display.
//
// Every formula is evaluated in the order and grouping the program's engineers wrote it in, so that the
// figures match a hand calculation to the last digit shown; nothing is rounded before display.
#pragma once

#include "core/messages.h"
#include "core/operating_case.h"

#include <optional>
#include <string>
#include <string_view>

namespace pumpvale {

// The constants of the model, written once; the report quotes them in its formulas.
namespace model {
// clang-format off
inline constexpr double kHydraulicPowerDivisor = 1714;           // psi x GPM per hydraulic hp
inline constexpr double kPcBaseEfficiency      = 0.3;            // PC pump efficiency at zero pressure
inline constexpr double kOneStageSlope         = 0.003448275862; // efficiency per psi, one stage
inline constexpr double kTwoStageSlope         = 0.001724137931; // efficiency per psi, two stages
inline constexpr double kKwPerHp               = 0.746;
inline constexpr double kAirHeatRatio          = 1.395;          // k of air as the program's engineers took it, not 1.4
inline constexpr double kAtmospherePsia        = 14.7;           // compressor inlet; gauge to absolute
inline constexpr double kCompressorDivisor     = 229.2;          // psia x cfm per hp, as published rounded (not 229.17)
inline constexpr double kPercent               = 0.01;
// clang-format on
} // namespace model

// The PC pump's efficiency at a pressure: 0.3 at none, rising with pressure, more slowly for two stages.
double pcEfficiencyAt(double pressurePsi, PumpStages stages);

// Sets pcEfficiency and pcPowerHp from pressurePsi, flowGpm and pcStages.
void computePcPower(OperatingCase& c);

// ((hours x price) x pcPowerHp) x 0.746.
double computePcAnnualCost(const OperatingCase& c);

// The factors the annual costs multiply by the price, for the energy: the operating hours a year (weeks x
// days x hours), the PC pump's input power in kW (pcPowerHp x 0.746) and, once computeAoddAnnualCost has
// run, the compressor's (air consumption / air per input hp x 0.746).
double operatingHoursPerYear(const OperatingCase& c);
double pcInputKw(const OperatingCase& c);
double compressorInputKw(const OperatingCase& c);

// Runs the compressor equation on the AODD operating point, stores its intermediates in c and returns
// the annual cost of the compressed air.
double computeAoddAnnualCost(OperatingCase& c);

// The compressor rules, shared by the cost button and the edit checks of the two entries. Only 1 or 2
// stages are accepted; an efficiency must lie above 0 and below 100 percent, and tooEfficient is the
// message for 100 or more (the two places word it differently).
std::optional<Message> compressorStagesRule(double compressorStages);
std::optional<Message> compressorEfficiencyRule(double compressorEfficiencyPct, const Message& tooEfficient);

// The first compressor rule that the stages and efficiency break, or none.
std::optional<Message> checkCompressorEntries(double compressorStages, double compressorEfficiencyPct);

// What "Press to Find Cost Savings!" shows.
enum class CostDisplay {
    Nothing,    // a rule failed: the step stays open for correction
    PcCostOnly, // only the PC pump could be costed
    Full,       // AODD cost, PC cost and savings
};

// What the cost button found.
enum class CostOutcome {
    EntriesRejected,    // a compressor rule failed (its message says which)
    NoPcCost,           // the PC pump cost is not a finite number
    NoAirDemand,        // the compressor power is not a positive finite number
    EfficiencyTooSmall, // the AODD cost is not finite
    PcCostOnly,         // the PC pump alone is costed
    Full,               // AODD cost, PC cost and savings
};

struct CostSavingsResult {
    Messages messages;
    CostOutcome outcome = CostOutcome::EntriesRejected;
    AnnualCosts costs; // the amounts found: pcAnnualCost from PcCostOnly on, all three with Full

    CostDisplay display() const {
        return outcome == CostOutcome::Full         ? CostDisplay::Full
               : outcome == CostOutcome::PcCostOnly ? CostDisplay::PcCostOnly
                                                    : CostDisplay::Nothing;
    }
};

// "Press to Find Cost Savings!": reads the compressor entries (unless only the PC pump is costed),
// checks them, and fills costs. No amount that is not finite is ever stored: a PC cost that is not
// finite shows kNoPcCost, a compressor power that is not a positive finite number kNoAirDemand, and an
// AODD cost that is not finite (an efficiency near 0) kEfficiencyTooSmall, and nothing else.
CostSavingsResult findCostSavings(OperatingCase& c, AnnualCosts& costs, std::string_view compressorStagesText,
                                  std::string_view compressorEfficiencyText);

// The second half of findCostSavings, at the compressor entries already stored in c: the compressor rules,
// then the three amounts (Nothing or Full, never PcCostOnly).
CostSavingsResult costAtCompressorEntries(OperatingCase& c, AnnualCosts& costs);

// The "Standard" number format: grouping every three integer digits, exactly two decimals rounded half
// away from zero on the shortest decimal form of the value, a leading minus sign (none when the amount
// rounds to zero). The separators are the locale's. Infinity and NaN give an empty text; the core
// never hands such an amount to the window.
std::string formatStandard(double value, std::string_view decimalSeparator = ".",
                           std::string_view groupSeparator = ",");

} // namespace pumpvale
