#include "checks/field_checks.h"
#include "checks/operating_data.h"
#include "tests/near.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string_view>

namespace pumpvale {
namespace {

using enum OperatingDataOutcome;

// A point that passes every rule: the engineers' worked example (60 psi, 10 GPM, one stage) with the
// default operating time, "US Dollars" and its price, and the English air pressure preset. Each case
// names only what it changes.
struct Entries {
    std::string_view pressure = "60";
    std::string_view flow = "10";
    std::string_view airPressure = "90";
    std::string_view weeks = "52";
    std::string_view days = "7";
    std::string_view hours = "24";
    std::string_view price = "0.065";
    PumpStages stages = PumpStages::One;
    UnitSystem units = UnitSystem::English;
    std::string_view currency = "US Dollars";

    operator OperatingDataEntries() const {
        return {pressure, flow, airPressure, weeks, days, hours, price, stages, units, currency};
    }
};

struct Case {
    const char* name;
    Entries entries;
    OperatingDataOutcome outcome;
    Messages messages;
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class CloseOperatingData : public ::testing::TestWithParam<Case> {};

// Each case is a first press on a fresh record: no edit check has run.
TEST_P(CloseOperatingData, MessagesAndOutcome) {
    const Case& k = GetParam();
    OperatingCase c;
    const OperatingDataResult result = closeOperatingDataStep(c, k.entries);
    EXPECT_EQ(result.messages, k.messages);
    EXPECT_EQ(result.outcome, k.outcome);

    const bool accepted = k.outcome != Rejected;
    EXPECT_EQ(c.hydraulicsOk && c.stepStatus == StepStatus::Ok, accepted);
    EXPECT_EQ(c.pcCostOnly, k.outcome == PcCostOnly);
    if (accepted)
        EXPECT_TRUE(std::isfinite(c.pcPowerHp) && c.pcPowerHp > 0) << c.pcPowerHp;
    else
        EXPECT_EQ(c.pcPowerHp, 0);
}

// The worked point in S.I. units unless a case says otherwise: 4 Bar (58.0 psi), 37.85 l/min
// (9.999 GPM), the 6.5 Bar preset (94.27 psi).
constexpr Entries si(std::string_view pressure, std::string_view flow = "37.85",
                     std::string_view air = "6.5") {
    return {.pressure = pressure, .flow = flow, .airPressure = air, .units = UnitSystem::SI};
}

constexpr Entries twoStages(std::string_view pressure) {
    return {.pressure = pressure, .stages = PumpStages::Two};
}

constexpr PumpStages kNoStage = PumpStages::None;
constexpr UnitSystem kNoUnits = UnitSystem::None;
constexpr Entries kNoChoice{.stages = kNoStage, .units = kNoUnits};

using namespace msg;

// clang-format off
const Case kAccepted[] = {
    {"WorkedPointOpensInletStep", {},                 InletStep,  {}},
    {"SiPointOpensInletStep",     si("4"),            InletStep,  {}},
    {"FractionalHoursPass",       {.hours = "7.5"},   InletStep,  {}},
    // Never edited, so its flag was clear: the warning tells why only the PC pump is costed.
    {"Flow250GivesPcCostOnly",    {.flow = "250"},    PcCostOnly, {kFlowAboveAoddRange}},
    {"Pressure18GivesPcCostOnly", {.pressure = "18"}, PcCostOnly, {kPressureBelowAoddRange}},
};
INSTANTIATE_TEST_SUITE_P(Outcome, CloseOperatingData, ::testing::ValuesIn(kAccepted));

// The air pressure is not read without a unit system: 0 on a first press, which fails its rule.
const Case kHydraulic[] = {
    {"NoStage",             {.stages = kNoStage},           Rejected,   {kSelectStages}},
    {"NoUnits",             {.units = kNoUnits},            Rejected,   {kSelectUnits, kInvalidSelection}},
    {"NoChoiceStagesFirst", kNoChoice,                      Rejected,   {kSelectStages, kInvalidSelection}},
    {"ZeroFlow",            {.flow = "0"},                  Rejected,   {kInvalidFlow}},
    {"EmptyFlow",           {.flow = ""},                   Rejected,   {kInvalidFlow}},
    {"FlowBeforePressure",  {.pressure = "0", .flow = "0"}, Rejected,   {kInvalidFlow}},
    {"ZeroPressure",        {.pressure = "0"},              Rejected,   {kInvalidPressure}},
    {"NegativePressure",    {.pressure = "-60"},            Rejected,   {kInvalidPressure}},
    {"Pressure14_49",       {.pressure = "14.49"},          Rejected,   {kPressureBelowPcRange}},
    {"Pressure14_5Passes",  {.pressure = "14.5"},           PcCostOnly, {kPressureBelowAoddRange}},
    {"SiOneBarIsEnough",    si("1"),                        PcCostOnly, {kPressureBelowAoddRange}},
    {"SiSixBarOneStage",    si("6"),                        Rejected,   {kOneStageTooHigh}},
    {"OneStageAt87Passes",  {.pressure = "87"},             InletStep,  {}},
    {"OneStageAt87_01",     {.pressure = "87.01"},          Rejected,   {kOneStageTooHigh}},
    {"TwoStagesAt29Pass",   twoStages("29"),                InletStep,  {}},
    {"TwoStagesAt28_99",    twoStages("28.99"),             Rejected,   {kTwoStageTooLow}},
    {"TwoStagesAt20",       twoStages("20"),                Rejected,   {kTwoStageTooLow}},
    {"TwoStagesAt174Pass",  twoStages("174"),               PcCostOnly, {kPressureAboveAoddRange}},
    {"TwoStagesAt174_01",   twoStages("174.01"),            Rejected,   {kTwoStageTooHigh}},
};
INSTANTIATE_TEST_SUITE_P(HydraulicGroup, CloseOperatingData, ::testing::ValuesIn(kHydraulic));

// Right after the flow's own rule. 0.0189 l/min is 0.004993 GPM; 3785 l/min is 999.89 GPM.
const Case kPcFlowRange[] = {
    {"Flow0_005",            {.flow = "0.005"},                 Rejected,   {kFlowBelowPcRange}},
    {"Flow0_0051",           {.flow = "0.0051"},                PcCostOnly, {kFlowBelowAoddRange}},
    {"Flow1000",             {.flow = "1000"},                  PcCostOnly, {kFlowAboveAoddRange}},
    {"Flow1000_01",          {.flow = "1000.01"},               Rejected,   {kFlowAbovePcRange}},
    {"SiFlow0_0189",         si("4", "0.0189"),                 Rejected,   {kFlowBelowPcRange}},
    {"SiFlow3785",           si("4", "3785"),                   PcCostOnly, {kFlowAboveAoddRange}},
    {"TestedBeforePressure", {.pressure = "0", .flow = "2000"}, Rejected,   {kFlowAbovePcRange}},
};
INSTANTIATE_TEST_SUITE_P(PcFlowRange, CloseOperatingData, ::testing::ValuesIn(kPcFlowRange));

const Case kOperating[] = {
    {"ZeroWeeks",            {.weeks = "0"},              Rejected,  {kInvalidWeeks}},
    {"EmptyWeeks",           {.weeks = ""},               Rejected,  {kInvalidWeeks}},
    {"Weeks52_01",           {.weeks = "52.01"},          Rejected,  {kTooManyWeeks}},
    {"FirstFailingRuleOnly", {.weeks = "0", .days = "8"}, Rejected,  {kInvalidWeeks}},
    {"ZeroDays",             {.days = "0"},               Rejected,  {kInvalidDays}},
    {"EightDays",            {.days = "8"},               Rejected,  {kTooManyDays}},
    {"ZeroHours",            {.hours = "0"},              Rejected,  {kInvalidHours}},
    {"Hours24_5",            {.hours = "24.5"},           Rejected,  {kTooManyHours}},
    {"EmptyPrice",           {.price = ""},               Rejected,  {kInvalidPrice}},
    {"Price50Passes",        {.price = "50"},             InletStep, {}},
    {"Price50_01",           {.price = "50.01"},          Rejected,  {kPriceTooHigh}},
    {"ZeroAirPressure",      {.airPressure = "0"},        Rejected,  {kInvalidSelection}},
    {"Air499_9Passes",       {.airPressure = "499.9"},    InletStep, {}},
    {"Air500",               {.airPressure = "500"},      Rejected,  {kAirPressureTooHigh}},
    {"SiAir34_5Bar",         si("4", "37.85", "34.5"),    Rejected,  {kAirPressureTooHigh}},
};
INSTANTIATE_TEST_SUITE_P(OperatingGroup, CloseOperatingData, ::testing::ValuesIn(kOperating));

const Case kCurrencyRule[] = {
    {"NoCurrency",     {.currency = ""},                     Rejected, {kSelectCurrency}},
    {"AfterHydraulic", {.stages = kNoStage, .currency = ""}, Rejected, {kSelectStages, kSelectCurrency}},
};
INSTANTIATE_TEST_SUITE_P(CurrencyRule, CloseOperatingData, ::testing::ValuesIn(kCurrencyRule));

// "1e999" reads as infinity: every chain must reject both infinities before the PC power is computed.
// 1e308 Bar is finite but overflows on conversion to psi.
const Case kNonFinite[] = {
    {"PricePlus",             {.price = "1e999"},        Rejected, {kPriceTooHigh}},
    {"PriceMinus",            {.price = "-1e999"},       Rejected, {kInvalidPrice}},
    {"PressurePlusOneStage",  {.pressure = "1e999"},     Rejected, {kOneStageTooHigh}},
    {"PressurePlusTwoStages", twoStages("1e999"),        Rejected, {kTwoStageTooHigh}},
    {"PressureMinus",         {.pressure = "-1e999"},    Rejected, {kInvalidPressure}},
    {"SiPressureOverflows",   si("1e308"),               Rejected, {kOneStageTooHigh}},
    {"FlowPlus",              {.flow = "1e999"},         Rejected, {kFlowAbovePcRange}},
    {"FlowMinus",             {.flow = "-1e999"},        Rejected, {kInvalidFlow}},
    {"WeeksPlus",             {.weeks = "1e999"},        Rejected, {kTooManyWeeks}},
    {"WeeksMinus",            {.weeks = "-1e999"},       Rejected, {kInvalidWeeks}},
    {"DaysPlus",              {.days = "1e999"},         Rejected, {kTooManyDays}},
    {"DaysMinus",             {.days = "-1e999"},        Rejected, {kInvalidDays}},
    {"HoursPlus",             {.hours = "1e999"},        Rejected, {kTooManyHours}},
    {"HoursMinus",            {.hours = "-1e999"},       Rejected, {kInvalidHours}},
    {"AirPlus",               {.airPressure = "1e999"},  Rejected, {kAirPressureTooHigh}},
    {"AirMinus",              {.airPressure = "-1e999"}, Rejected, {kInvalidSelection}},
};
INSTANTIATE_TEST_SUITE_P(NonFiniteInput, CloseOperatingData, ::testing::ValuesIn(kNonFinite));
// clang-format on

TEST(CloseOperatingDataRecord, WorkedPointStoresEveryReading) {
    OperatingCase c;
    closeOperatingDataStep(c, Entries{});
    EXPECT_EQ(c.weeksPerYear, 52);
    EXPECT_EQ(c.daysPerWeek, 7);
    EXPECT_EQ(c.hoursPerDay, 24);
    EXPECT_EQ(c.electricityPrice, 0.065);
    EXPECT_EQ(c.pressurePsi, 60);
    EXPECT_EQ(c.flowGpm, 10);
    EXPECT_EQ(c.airPressurePsi, 90);
    EXPECT_EQ(c.pcStages, PumpStages::One);
    EXPECT_EQ(c.unitSystem, UnitSystem::English);
    EXPECT_EQ(c.currency, "US Dollars");
    EXPECT_TRUE(near(c.pcEfficiency, 0.50689655172)); // 0.3 + 60 x 0.003448275862
    EXPECT_TRUE(near(c.pcPowerHp, 0.69059128903));    // 600 / (0.50689655172 x 1714)
}

TEST(CloseOperatingDataRecord, SiEntriesAreStoredInEnglishUnits) {
    OperatingCase c;
    closeOperatingDataStep(c, si("1"));
    EXPECT_TRUE(near(c.pressurePsi, 14.5037743897)); // 1 / 0.06894757
    EXPECT_TRUE(near(c.flowGpm, 9.99891161121));     // 37.85 / 3.785412
    EXPECT_TRUE(near(c.airPressurePsi, 94.2745335332));
}

TEST(CloseOperatingDataRecord, NoUnitSystemKeepsTheStoredHydraulics) {
    OperatingCase c;
    c.pressurePsi = 60;
    c.flowGpm = 10;
    c.airPressurePsi = 90;
    const OperatingDataResult result = closeOperatingDataStep(c, Entries{.units = UnitSystem::None});
    EXPECT_EQ(result.messages, Messages{msg::kSelectUnits});
    EXPECT_EQ(c.pressurePsi, 60);
    EXPECT_EQ(c.flowGpm, 10);
    EXPECT_EQ(c.airPressurePsi, 90);
    EXPECT_EQ(c.unitSystem, UnitSystem::None);
    EXPECT_FALSE(c.hydraulicsOk);
}

TEST(CloseOperatingDataRecord, FailedPressKeepsHydraulicEfficiencyButNoPower) {
    OperatingCase c;
    c.pcCostOnly = true;
    closeOperatingDataStep(c, Entries{.weeks = "60"});
    EXPECT_TRUE(c.hydraulicsOk);
    EXPECT_TRUE(near(c.pcEfficiency, 0.50689655172));
    EXPECT_EQ(c.pcPowerHp, 0);
    EXPECT_EQ(c.weeksPerYear, 60);
    EXPECT_EQ(c.stepStatus, StepStatus::Rejected);
    EXPECT_FALSE(c.pcCostOnly);
}

// One message from each group, in order; the low-pressure rule alone is titled "Error".
TEST(CloseOperatingDataRecord, ThreeGroupsThreeMessages) {
    OperatingCase c;
    const OperatingDataResult result =
        closeOperatingDataStep(c, Entries{.pressure = "10", .weeks = "60", .currency = ""});
    EXPECT_EQ(result.messages,
              (Messages{msg::kPressureBelowPcRange, msg::kTooManyWeeks, msg::kSelectCurrency}));
    ASSERT_EQ(result.messages.size(), 3U);
    EXPECT_EQ(result.messages[0].title, "Error");
    EXPECT_EQ(result.messages[1].title, "ERROR");
    EXPECT_EQ(result.messages[2].text, "Please select a currency");
    EXPECT_EQ(result.outcome, Rejected);
}

// The edit checks set the range flags only when their entry is edited; closing step one derives them
// again from what it has read, and warns when a flag only now becomes set.
TEST(StaleOutOfRangeFlags, FlagSetByTheEditCheckIsNotWarnedTwice) {
    OperatingCase c;
    ASSERT_EQ(flowEdited(c, "250", UnitSystem::English), msg::kFlowAboveAoddRange);
    const OperatingDataResult result = closeOperatingDataStep(c, Entries{.flow = "250"});
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.outcome, PcCostOnly);
}

TEST(StaleOutOfRangeFlags, RunAgainClearedFlagsAreSetAgain) {
    OperatingCase c;
    flowEdited(c, "250", UnitSystem::English);
    closeOperatingDataStep(c, Entries{.flow = "250"});
    c.aoddPressureOutOfRange = c.aoddFlowOutOfRange = c.pcCostOnly = false; // "Press to Run Again"
    const OperatingDataResult result = closeOperatingDataStep(c, Entries{.flow = "250"});
    EXPECT_EQ(result.messages, Messages{msg::kFlowAboveAoddRange});
    EXPECT_EQ(result.outcome, PcCostOnly);
    EXPECT_TRUE(c.aoddFlowOutOfRange);
}

TEST(StaleOutOfRangeFlags, UnitSwitchCanPutAnUneditedFlowOutOfRange) {
    OperatingCase c;
    ASSERT_FALSE(flowEdited(c, "500", UnitSystem::SI));                                   // 132 GPM
    const OperatingDataResult result = closeOperatingDataStep(c, Entries{.flow = "500"}); // now 500 GPM
    EXPECT_EQ(result.messages, Messages{msg::kFlowAboveAoddRange});
    EXPECT_EQ(result.outcome, PcCostOnly);
}

TEST(StaleOutOfRangeFlags, UnitSwitchCanBringAnUneditedFlowIntoRange) {
    OperatingCase c;
    ASSERT_TRUE(flowEdited(c, "300", UnitSystem::English));
    const OperatingDataResult result = closeOperatingDataStep(c, si("4", "300"));
    EXPECT_TRUE(result.messages.empty()); // 300 l/min is 79 GPM
    EXPECT_EQ(result.outcome, InletStep);
    EXPECT_FALSE(c.aoddFlowOutOfRange);
    EXPECT_FALSE(c.pcCostOnly);
}

// A failed press leaves the flags alone, so the press that succeeds still warns.
TEST(StaleOutOfRangeFlags, FailedPressDoesNotSwallowTheWarning) {
    OperatingCase c;
    EXPECT_EQ(closeOperatingDataStep(c, Entries{.flow = "250", .currency = ""}).messages,
              Messages{msg::kSelectCurrency});
    EXPECT_FALSE(c.aoddFlowOutOfRange);
    EXPECT_EQ(closeOperatingDataStep(c, Entries{.flow = "250"}).messages, Messages{msg::kFlowAboveAoddRange});
}

TEST(StaleOutOfRangeFlags, BothWarningsPressureFirst) {
    OperatingCase c;
    const OperatingDataResult result =
        closeOperatingDataStep(c, Entries{.pressure = "150", .flow = "250", .stages = PumpStages::Two});
    EXPECT_EQ(result.messages, (Messages{msg::kPressureAboveAoddRange, msg::kFlowAboveAoddRange}));
    EXPECT_EQ(result.outcome, PcCostOnly);
}

} // namespace
} // namespace pumpvale
