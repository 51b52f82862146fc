// The record of one calculation and the rule by which entry texts become numbers.
//
// Pumpvale's core knows no widgets. The main window owns one OperatingCase for its whole lifetime;
// every step reads its entries into it (in English units: psi and US GPM), and the cost model, the
// AODD lookup and the checks read and write it. Nothing is ever reset as a whole: each step names the
// fields it changes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pumpvale {

// Which unit option is chosen. Not a setting: the window reads it from its two option buttons each
// time an entry is converted.
enum class UnitSystem { None, English, SI };

// The outcome of the step being closed.
enum class StepStatus { Ok, Rejected, PcCostOnly };

enum class PumpStages { None, One, Two };

enum class InletSize { Quarter, Half, One, OneAndHalf, Two, Three };

inline constexpr std::array<InletSize, 6> kInletSizes{InletSize::Quarter, InletSize::Half,
                                                      InletSize::One,     InletSize::OneAndHalf,
                                                      InletSize::Two,     InletSize::Three};

// "1/4 inch", "1 1/2 inch", ...
std::string_view inletSizeName(InletSize size);

// The outcome of the last 3-inch lookup, which runs when its option is clicked.
enum class ThreeInchOutcome { NotRun, InRange, OutOfRange };

// S.I. entries are divided by these to give the stored English values.
inline constexpr double kBarPerPsi = 0.06894757;
inline constexpr double kLitresPerMinutePerGpm = 3.785412;

// A stored pressure (psi) or flow (GPM) in the user's units; English for UnitSystem::None.
double pressureInUnits(double psi, UnitSystem units);
double flowInUnits(double gpm, UnitSystem units);

// What the last AODD lookup that produced a result found: the table's flow points around the flow (Qa
// below, Qb above) and the air consumption and air pressure read at each on the line of the fluid
// pressure.
struct AoddBracketValues {
    double qaGpm = 0;
    double qbGpm = 0;
    double scfmAtQa = 0;
    double scfmAtQb = 0;
    double airPsiAtQa = 0;
    double airPsiAtQb = 0;
    bool operator==(const AoddBracketValues&) const = default;
};

// A field that has never been set reads as 0; the entries carry the defaults (52 weeks, 7 days, ...).
struct OperatingCase {
    UnitSystem unitSystem = UnitSystem::None;
    PumpStages pcStages = PumpStages::None;

    // Operating data (step one), in English units.
    double pressurePsi = 0;    // fluid pressure, psi gauge
    double flowGpm = 0;        // US GPM
    double airPressurePsi = 0; // available system air pressure, psi gauge
    double weeksPerYear = 0;
    double daysPerWeek = 0;
    double hoursPerDay = 0;
    double electricityPrice = 0; // currency units per kWh
    std::string currency;

    // PC pump, set when step one is accepted.
    double pcEfficiency = 0; // fraction
    double pcPowerHp = 0;

    // AODD operating point and the lookup's working values.
    std::optional<InletSize> inletSize;
    double airConsumptionScfm = 0;
    double requiredAirPsi = 0; // psi gauge
    AoddBracketValues bracket;
    bool lookupInRange = false;
    ThreeInchOutcome threeInchOutcome = ThreeInchOutcome::NotRun;
    // The point the last 3-inch lookup ran for, so a stale outcome can be recognised.
    double threeInchFlowGpm = 0;
    double threeInchPressurePsi = 0;

    // Compressor (step three).
    double compressorStages = 0;
    double compressorEfficiencyPct = 0; // percent
    double compressionRatio = 0;
    double stageExponent = 0;
    double idealCompressorHp = 0;
    double scfmPerIdealHp = 0;
    double scfmPerInputHp = 0;

    // Flags.
    bool aoddPressureOutOfRange = false;
    bool aoddFlowOutOfRange = false;
    bool pcCostOnly = false;
    bool hydraulicsOk = false;
    StepStatus stepStatus = StepStatus::Ok;
};

struct AnnualCosts {
    double pcAnnualCost = 0;
    double aoddAnnualCost = 0;
    double totalSavings = 0; // negative when the AODD pump is cheaper
};

// "Press to Run Again": the range flags are cleared and the lookup starts in range again. Every entry and
// every stored value stays; the next edit or step reads them afresh.
void prepareToRunAgain(OperatingCase& c);

// The number an entry text stands for: a leading number (sign, digits, one period, exponent), with
// blanks, tabs and line feeds anywhere ignored and whatever follows it dropped; 0 when the text does not
// start with a number. The text is UTF-8; Unicode spaces and invisible format characters count as
// blanks (core/invisible_blanks.h). The period is the decimal point whatever the locale. The result is
// the double nearest the number for a text of any length, in linear time. Never throws.
double parseLeadingNumber(std::string_view text);

// The stored psi of a pressure entry, or nothing when no unit system is chosen.
std::optional<double> toStoredPressure(std::string_view text, UnitSystem units);
// The stored GPM of a flow entry, or nothing when no unit system is chosen.
std::optional<double> toStoredFlow(std::string_view text, UnitSystem units);

// Option10 (S.I.) is consulted first, then Option9 (English).
constexpr UnitSystem unitSystemOf(bool englishChosen, bool siChosen) {
    return siChosen ? UnitSystem::SI : englishChosen ? UnitSystem::English : UnitSystem::None;
}

} // namespace pumpvale
