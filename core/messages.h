// Every message box text of the program, with its title and icon, written once.
//
// The core never shows a box: its functions return these in the order the user must see them, and the
// window shows each as a modal box with a single OK button. The texts are the program's own, blanks
// included; do not tidy them.
#pragma once

#include "core/message_ids.h"

#include <string>
#include <string_view>
#include <vector>

namespace pumpvale {

enum class MessageIcon { Stop, None };

struct Message {
    MessageId id;
    std::string_view text;
    std::string_view title; // empty: the box shows the application's title
    MessageIcon icon = MessageIcon::Stop;

    friend bool operator==(const Message&, const Message&) = default;
};

using Messages = std::vector<Message>;

inline constexpr std::string_view kApplicationTitle = "Pumpvale";

// A message on one line, for a file or a terminal, as its box reads: the box's title, a colon and the
// text ("ERROR: Invalid selection! Please try again."), but the text alone where it begins with its
// title already ("WARNING: Your system air pressure ...") or the box bears the application's title,
// which names the program, not the message.
std::string messageLine(const Message& message);

namespace msg {

// clang-format off

// Entries that are rejected, and range warnings. Most carry the stop icon.
inline constexpr std::string_view kError   = "ERROR";
inline constexpr std::string_view kWarning = "WARNING";

// --- Compressor entries ("Press to Find Cost Savings!" and their edit checks) ---
inline constexpr Message kInvalidSelection{MessageId::InvalidSelection, "Invalid selection! Please try again.", kError};
inline constexpr Message kChooseOneOrTwo{MessageId::ChooseOneOrTwo, "Invalid selection! Please choose either 1 or 2.", kError};
inline constexpr Message kSecondLaw{
    MessageId::SecondLaw,
    "ERROR: The Second Law of Thermodynamics shows that efficiency of any machine cannot be 100 percent or "
    "greater.  In fact, you'll be lucky to get a machine that is 80 percent efficient.  In other words, "
    "you've entered a wrong value, or your compressor salesperson is a liar.  It's been known to happen.",
    kError};
// The edit check of the efficiency entry ends its text differently.
inline constexpr Message kSecondLawOnEdit{
    MessageId::SecondLawOnEdit,
    "ERROR: The Second Law of Thermodynamics shows that efficiency of any machine cannot be 100 percent or "
    "greater.  In fact, you'll be lucky to get a machine that is 80 percent efficient.  In other words, "
    "you've entered a wrong value, or your compressor salesperson is a liar.  But then again sales people "
    "would NEVER lie for a sale, right?.",
    kError};
inline constexpr Message kNoAirDemand{
    MessageId::NoAirDemand,
    "ERROR: No compressed air demand could be determined for this operating point. Please go back and "
    "select another inlet size.",
    kError};
// Our own: an efficiency so small that the compressor's power is past any number.
inline constexpr Message kEfficiencyTooSmall{
    MessageId::EfficiencyTooSmall,
    "ERROR: The compressor efficiency is too small to give an annual cost for this operating point. Please "
    "enter a larger compressor efficiency.",
    kError};
// Our own: operating data whose durvane annual cost is past any number.
inline constexpr Message kNoPcCost{
    MessageId::NoPcCost,
    "ERROR: No durvane annual cost could be determined for this operating data. Please go back and check "
    "the operating data.",
    kError};

// --- AODD lookup ---
inline constexpr std::string_view kPressureTooHighText =
    "WARNING: Pressure too high for this flow rate and inlet size.  Please try again and select the next "
    "larger inlet size.";
inline constexpr std::string_view kFlowTooHighText =
    "WARNING: Flow rate too high for this pressure and inlet size.  Please try again and select the next "
    "larger inlet size.";
inline constexpr Message kPressureTooHigh{MessageId::PressureTooHigh, kPressureTooHighText, kWarning};
// The 1/2-inch table's 6 to 7.5 GPM bracket titles the same warning "ERROR".
inline constexpr Message kPressureTooHighTitledError{MessageId::PressureTooHighTitledError, kPressureTooHighText, kError};
inline constexpr Message kFlowTooHigh{MessageId::FlowTooHigh, kFlowTooHighText, kWarning};
// The 1/4-inch table shows its flow warning with no icon and the application's title.
inline constexpr Message kFlowTooHighPlain{MessageId::FlowTooHighPlain, kFlowTooHighText, "", MessageIcon::None};
inline constexpr Message kFlowTooLow{
    MessageId::FlowTooLow,
    "WARNING: Flow rate too low for selected inlet size! Please select a smaller inlet size.", kWarning};
// No size is larger than 3 inches, so its warnings announce the PC pump cost alone.
inline constexpr Message kThreeInchPressureTooHigh{
    MessageId::ThreeInchPressureTooHigh,
    "WARNING: Pressure too high for this flow rate and inlet size.  No larger inlet size is available. Only "
    "durvane annual cost will be calculated.",
    kWarning};
inline constexpr Message kThreeInchFlowTooHigh{
    MessageId::ThreeInchFlowTooHigh,
    "WARNING: Flow rate too high for this pressure and inlet size.  No larger inlet size is available. Only "
    "durvane annual cost will be calculated.",
    kWarning};
inline constexpr Message kThreeInchAdvisory{
    MessageId::ThreeInchAdvisory,
    "WARNING: For flows over 150 GPM (567.8 l/min) with pressures over 40 psi (2.76 Bar), AODD cost results "
    "maybe inaccurate due to the error inherent with interpolation for limited data points.",
    kWarning};

// --- Inlet step ---
inline constexpr Message kSelectInletDiameter{MessageId::SelectInletDiameter, "ERROR: Please select an inlet diameter", kError};
inline constexpr Message kAirPressureInsufficient{ MessageId::AirPressureInsufficient, // box A
    "WARNING: Your system air pressure is insufficient! Please select a larger inlet diameter", kWarning};
inline constexpr Message kAirPressureInsufficientNoLarger{ MessageId::AirPressureInsufficientNoLarger, // box B
    "WARNING: Your system air pressure is insufficient! No larger AODD pump sizes are available in this "
    "program. Only durvane annual cost will be computed.",
    "", MessageIcon::None};
inline constexpr Message kSelectLargerInlet{MessageId::SelectLargerInlet, "ERROR: Please select a larger inlet diameter", kError}; // box C

// --- Operating data ("Press to Continue" of step one): hydraulic group ---
inline constexpr Message kSelectStages{MessageId::SelectStages, "ERROR: Please select either a one or two stage pump.", kError};
inline constexpr Message kSelectUnits{MessageId::SelectUnits, "ERROR: Please select a system of units.", kError};
inline constexpr Message kInvalidFlow{MessageId::InvalidFlow, "Invalid Flow Rate Selection! Please Try Again.", kError};
inline constexpr Message kFlowBelowPcRange{
    MessageId::FlowBelowPcRange,
    "ERROR: Flow rates less than 0.005 gpm (0.0189 l/min) are not recommended for durvane pumps. Please "
    "enter a larger value",
    kError};
inline constexpr Message kFlowAbovePcRange{
    MessageId::FlowAbovePcRange,
    "ERROR: Flow rates greater than 1000 GPM (3785 l/min) are not recommended for durvane pumps.  Please "
    "choose a smaller value.",
    kError};
inline constexpr Message kInvalidPressure{MessageId::InvalidPressure, "Invalid Pressure Selection! Please Try Again.", kError};
inline constexpr Message kPressureBelowPcRange{
    MessageId::PressureBelowPcRange,
    "ERROR: Pressures lower than 14.5 psi (1 Bar) are not recommended for durvane pumps.  Please choose a "
    "pressure greater than 14.5 psi (1 Bar) for durvane cost and greater than 20 psi (1.38 Bar) for "
    "comparison between a durvane PC pump and an AODD pump.",
    "Error"};
inline constexpr Message kOneStageTooHigh{
    MessageId::OneStageTooHigh,
    "ERROR: Pressure too high for a one stage pump. Please select a two stage pump, or a pressure below 87 "
    "psi (6 Bar).",
    kError};
inline constexpr Message kTwoStageTooLow{
    MessageId::TwoStageTooLow,
    "ERROR: Pressure too low for a two stage pump. Please select a one stage pump and try again.", kError};
inline constexpr Message kTwoStageTooHigh{
    MessageId::TwoStageTooHigh,
    "ERROR: Pressure too high for a two stage pump. Please select a pressure below 174 psi", kError};

// --- Operating data: operating group and currency ---
inline constexpr Message kInvalidWeeks{MessageId::InvalidWeeks, "Invalid week per year selection! Please try again.", kError};
inline constexpr Message kTooManyWeeks{MessageId::TooManyWeeks, "ERROR: There are only 52 weeks in a year! Please try again.", kError};
inline constexpr Message kInvalidDays{MessageId::InvalidDays, "Invalid days per week selection! Please try again.", kError};
inline constexpr Message kTooManyDays{MessageId::TooManyDays, "ERROR: There are only 7 days in a week! Please try again.", kError};
inline constexpr Message kInvalidHours{MessageId::InvalidHours, "Invalid hours per day selection! Please try again.", kError};
inline constexpr Message kTooManyHours{MessageId::TooManyHours, "ERROR: There are only 24 hours in a day! Please try again.", kError};
inline constexpr Message kInvalidPrice{MessageId::InvalidPrice, "Invalid cost of electricity selection! Please try again.", kError};
inline constexpr Message kPriceTooHigh{
    MessageId::PriceTooHigh,
    "Your cost of electricity seems rather expensive! Please enter a smaller, more realistic value.", kError};
inline constexpr Message kAirPressureTooHigh{
    MessageId::AirPressureTooHigh,
    "Your air system pressure seems a little high. Please select a value less than 500 psi (34.5 Bar).",
    kError};
inline constexpr Message kSelectCurrency{MessageId::SelectCurrency, "Please select a currency", kError};

// --- Edit checks of the pressure and flow entries (the AODD range) ---
inline constexpr Message kPressureBelowAoddRange{
    MessageId::PressureBelowAoddRange,
    "WARNING: Pressures below 20 psi (1.38 Bar) are not recommended for AODD pumps. If you continue, only "
    "durvane annual cost will be calculated.",
    kWarning};
inline constexpr Message kPressureAboveAoddRange{
    MessageId::PressureAboveAoddRange,
    "WARNING: Pressures above 100 psi (6.89 Bar) are not recommended for AODD pumps. If you continue, only "
    "durvane annual cost will be calculated.",
    kWarning};
// 0.5 GPM is 1.89 l/min.
inline constexpr Message kFlowBelowAoddRange{
    MessageId::FlowBelowAoddRange,
    "WARNING: Flow rates below 0.5 GPM (1.89 l/min) are not recommended for AODD pumps. If you continue, "
    "only durvane annual cost will be calculated.",
    kWarning};
inline constexpr Message kFlowAboveAoddRange{
    MessageId::FlowAboveAoddRange,
    "WARNING: Flow rate above 200 GPM (757.1 l/min) are not recommended for AODD pumps. If you continue, "
    "only durvane annual cost will be calculated.",
    kWarning};

// --- "Savings Over Time" entries (its message line) ---
inline constexpr Message kEnterPcPrice{MessageId::EnterPcPrice, "Please enter the installed price of the PC pump as a number, such as 2500 or 2500.50.", kError};
inline constexpr Message kPcPriceRange{MessageId::PcPriceRange, "The installed price of the PC pump must lie between 0 and 1,000,000,000,000.", kError};
inline constexpr Message kEnterAoddPrice{MessageId::EnterAoddPrice, "Please enter the installed price of the AODD pump as a number, such as 1000 or 1000.50.", kError};
inline constexpr Message kAoddPriceRange{MessageId::AoddPriceRange, "The installed price of the AODD pump must lie between 0 and 1,000,000,000,000.", kError};
inline constexpr Message kEnterPcMaintenance{MessageId::EnterPcMaintenance, "Please enter the yearly maintenance of the PC pump as a number, such as 120, or 0 for none.", kError};
inline constexpr Message kPcMaintenanceRange{MessageId::PcMaintenanceRange, "The yearly maintenance of the PC pump must lie between 0 and 1,000,000,000,000.", kError};
inline constexpr Message kEnterAoddMaintenance{MessageId::EnterAoddMaintenance, "Please enter the yearly maintenance of the AODD pump as a number, such as 120, or 0 for none.", kError};
inline constexpr Message kAoddMaintenanceRange{MessageId::AoddMaintenanceRange, "The yearly maintenance of the AODD pump must lie between 0 and 1,000,000,000,000.", kError};
inline constexpr Message kEnterYears{MessageId::EnterYears, "Please enter the years of service as a whole number from 1 to 50.", kError};
inline constexpr Message kEnterDiscountRate{MessageId::EnterDiscountRate, "Please enter the discount rate as a number of percent a year, such as 5, or 0 for none.", kError};
inline constexpr Message kDiscountRateRange{MessageId::DiscountRateRange, "The discount rate must lie between 0 and 100 percent a year.", kError};
inline constexpr Message kEnterEnergyEscalation{MessageId::EnterEnergyEscalation, "Please enter the energy price escalation as a number of percent a year, such as 3, or 0 for none.", kError};
inline constexpr Message kEnergyEscalationRange{MessageId::EnergyEscalationRange, "The energy price escalation must lie between 0 and 50 percent a year.", kError};
inline constexpr Message kEnterEmissionFactor{MessageId::EnterEmissionFactor, "Please enter the grid emission factor as a number of kg CO2e per kWh, such as 0.25, or leave it empty.", kError};
inline constexpr Message kEmissionFactorRange{MessageId::EmissionFactorRange, "The grid emission factor must lie between 0 and 2 kg CO2e per kWh.", kError};
inline constexpr Message kLifeCycleTooLarge{MessageId::LifeCycleTooLarge, "The amounts are too large to follow over the years of service. Please check the prices and the maintenance.", kError};

// clang-format on

} // namespace msg
} // namespace pumpvale
