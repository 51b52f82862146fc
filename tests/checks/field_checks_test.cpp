#include "checks/field_checks.h"
#include "tests/near.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string_view>

namespace pumpvale {
namespace {

using enum UnitSystem;

// --- The pressure and flow checks: the AODD range ---

using RangeCheck = std::optional<Message> (*)(OperatingCase&, std::string_view, UnitSystem);

struct RangeCase {
    const char* name;
    RangeCheck check;
    std::string_view text;
    UnitSystem units;
    std::optional<Message> warning;
    bool outOfRange;
};
void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class RangeEdit : public ::testing::TestWithParam<RangeCase> {};

// Each case starts from the opposite flag, so that clearing is tested as well as setting.
TEST_P(RangeEdit, WarningAndFlag) {
    const RangeCase& k = GetParam();
    OperatingCase c;
    c.aoddPressureOutOfRange = c.aoddFlowOutOfRange = !k.outOfRange;
    EXPECT_EQ(k.check(c, k.text, k.units), k.warning);
    const bool flag = k.check == &pressureEdited ? c.aoddPressureOutOfRange : c.aoddFlowOutOfRange;
    EXPECT_EQ(flag, k.outOfRange);
}

// clang-format off
const RangeCase kPressure[] = {
    {"Psi50",         &pressureEdited, "50",     English, std::nullopt,                  false},
    {"Psi20",         &pressureEdited, "20",     English, std::nullopt,                  false},
    {"Psi100",        &pressureEdited, "100",    English, std::nullopt,                  false},
    {"Psi19_99",      &pressureEdited, "19.99",  English, msg::kPressureBelowAoddRange,  true},
    {"Psi14_5",       &pressureEdited, "14.5",   English, msg::kPressureBelowAoddRange,  true},
    {"Psi14_49",      &pressureEdited, "14.49",  English, std::nullopt,                  false},
    {"Empty",         &pressureEdited, "",       English, std::nullopt,                  false},
    {"Psi100_01",     &pressureEdited, "100.01", English, msg::kPressureAboveAoddRange,  true},
    {"Bar1_2",        &pressureEdited, "1.2",    SI,      msg::kPressureBelowAoddRange,  true},  // 17.4 psi
    {"Bar7",          &pressureEdited, "7",      SI,      msg::kPressureAboveAoddRange,  true},  // 101.5 psi
    {"Bar4",          &pressureEdited, "4",      SI,      std::nullopt,                  false}, // 58.0 psi
    {"PlusInfinity",  &pressureEdited, "1e999",  English, msg::kPressureAboveAoddRange,  true},
    {"MinusInfinity", &pressureEdited, "-1e999", English, std::nullopt,                  false},
};
INSTANTIATE_TEST_SUITE_P(Pressure, RangeEdit, ::testing::ValuesIn(kPressure));

const RangeCase kFlow[] = {
    {"Gpm10",         &flowEdited,     "10",     English, std::nullopt,                  false},
    {"Gpm0_5",        &flowEdited,     "0.5",    English, std::nullopt,                  false},
    {"Gpm200",        &flowEdited,     "200",    English, std::nullopt,                  false},
    {"Gpm0_49",       &flowEdited,     "0.49",   English, msg::kFlowBelowAoddRange,      true},
    {"Gpm200_01",     &flowEdited,     "200.01", English, msg::kFlowAboveAoddRange,      true},
    {"Zero",          &flowEdited,     "0",      English, std::nullopt,                  false},
    {"Negative",      &flowEdited,     "-3",     English, std::nullopt,                  false},
    {"Litres800",     &flowEdited,     "800",    SI,      msg::kFlowAboveAoddRange,      true},  // 211.3 GPM
    {"Litres1",       &flowEdited,     "1",      SI,      msg::kFlowBelowAoddRange,      true},  // 0.264 GPM
    {"Litres37_85",   &flowEdited,     "37.85",  SI,      std::nullopt,                  false}, // 9.999 GPM
    {"PlusInfinity",  &flowEdited,     "1e999",  English, msg::kFlowAboveAoddRange,      true},
};
INSTANTIATE_TEST_SUITE_P(Flow, RangeEdit, ::testing::ValuesIn(kFlow));
// clang-format on

// Each keystroke runs the check, and the last one decides.
TEST(RangeEditSequence, Typing150KeyByKey) {
    OperatingCase c;
    EXPECT_EQ(pressureEdited(c, "1", English), std::nullopt);
    EXPECT_EQ(pressureEdited(c, "15", English), msg::kPressureBelowAoddRange);
    EXPECT_EQ(pressureEdited(c, "150", English), msg::kPressureAboveAoddRange);
    EXPECT_TRUE(c.aoddPressureOutOfRange);
    EXPECT_EQ(c.pressurePsi, 150);
}

TEST(RangeEditSequence, Typing50ShowsNothing) {
    OperatingCase c;
    EXPECT_EQ(pressureEdited(c, "5", English), std::nullopt);
    EXPECT_EQ(pressureEdited(c, "50", English), std::nullopt);
    EXPECT_FALSE(c.aoddPressureOutOfRange);
}

TEST(RangeEditSequence, CorrectingEighteenToSixtyClearsTheFlag) {
    OperatingCase c;
    EXPECT_EQ(pressureEdited(c, "18", English), msg::kPressureBelowAoddRange);
    EXPECT_EQ(pressureEdited(c, "60", English), std::nullopt);
    EXPECT_FALSE(c.aoddPressureOutOfRange);
}

// Without a unit system the entry is not read: the stored value stays and is tested again.
TEST(RangeEditSequence, NoUnitSystemTestsThePreviousValue) {
    OperatingCase c;
    pressureEdited(c, "15", English);
    EXPECT_EQ(pressureEdited(c, "60", None), msg::kPressureBelowAoddRange);
    EXPECT_EQ(c.pressurePsi, 15);
    flowEdited(c, "250", English);
    EXPECT_EQ(flowEdited(c, "10", None), msg::kFlowAboveAoddRange);
    EXPECT_EQ(c.flowGpm, 250);
}

TEST(RangeEditSequence, SiEntriesAreStoredInEnglishUnits) {
    OperatingCase c;
    pressureEdited(c, "6", SI);
    flowEdited(c, "800", SI);
    EXPECT_TRUE(near(c.pressurePsi, 87.0226463384)); // 6 / 0.06894757
    EXPECT_TRUE(near(c.flowGpm, 211.337629827));     // 800 / 3.785412
}

// 0.5 GPM x 3.785412 = 1.8927 l/min.
TEST(FlowWarningFigure, HalfGpmIsOnePointEightNineLitresPerMinute) {
    OperatingCase c;
    const std::optional<Message> warning = flowEdited(c, "1", SI);
    ASSERT_TRUE(warning);
    EXPECT_NE(warning->text.find("0.5 GPM (1.89 l/min)"), std::string_view::npos) << warning->text;
    EXPECT_EQ(warning->title, "WARNING");
}

// --- The five plain checks ---

using PlainCheck = std::optional<Message> (*)(OperatingCase&, std::string_view);

struct PlainCase {
    const char* name;
    PlainCheck check;
    double OperatingCase::*field;
    std::string_view text;
    double stored;
    std::optional<Message> message;
};
void PrintTo(const PlainCase& c, std::ostream* os) {
    *os << c.name;
}

class PlainEdit : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainEdit, StoresAndWarns) {
    const PlainCase& k = GetParam();
    OperatingCase c;
    EXPECT_EQ(k.check(c, k.text), k.message);
    EXPECT_EQ(c.*k.field, k.stored);
}

constexpr auto kStages = &OperatingCase::compressorStages;
constexpr auto kEfficiency = &OperatingCase::compressorEfficiencyPct;
constexpr auto kWeeks = &OperatingCase::weeksPerYear;
constexpr auto kDays = &OperatingCase::daysPerWeek;
constexpr auto kHours = &OperatingCase::hoursPerDay;

// clang-format off
const PlainCase kPlain[] = {
    {"StagesDefault1",       &compressorStagesEdited,     kStages,     "1",     1,    std::nullopt},
    {"Stages2",              &compressorStagesEdited,     kStages,     "2",     2,    std::nullopt},
    {"Stages2_5",            &compressorStagesEdited,     kStages,     "2.5",   2.5,  msg::kChooseOneOrTwo},
    {"Stages1_5",            &compressorStagesEdited,     kStages,     "1.5",   1.5,  msg::kChooseOneOrTwo},
    {"Stages3",              &compressorStagesEdited,     kStages,     "3",     3,    msg::kChooseOneOrTwo},
    {"Stages0_5",            &compressorStagesEdited,     kStages,     "0.5",   0.5,  msg::kInvalidSelection},
    {"StagesEmpty",          &compressorStagesEdited,     kStages,     "",      0,    msg::kInvalidSelection},
    {"EfficiencyDefault75",  &compressorEfficiencyEdited, kEfficiency, "75",    75,   std::nullopt},
    {"Efficiency99_9",       &compressorEfficiencyEdited, kEfficiency, "99.9",  99.9, std::nullopt},
    {"Efficiency100",        &compressorEfficiencyEdited, kEfficiency, "100",   100,  msg::kSecondLawOnEdit},
    {"Efficiency0",          &compressorEfficiencyEdited, kEfficiency, "0",     0,    msg::kInvalidSelection},
    {"WeeksDefault52",       &weeksEdited,                kWeeks,      "52",    52,   std::nullopt},
    {"Weeks53",              &weeksEdited,                kWeeks,      "53",    53,   msg::kTooManyWeeks},
    {"WeeksEmpty",           &weeksEdited,                kWeeks,      "",      0,    msg::kInvalidSelection},
    {"WeeksNegative",        &weeksEdited,                kWeeks,      "-1",    -1,   msg::kInvalidSelection},
    {"DaysDefault7",         &daysEdited,                 kDays,       "7",     7,    std::nullopt},
    {"Days7_5",              &daysEdited,                 kDays,       "7.5",   7.5,  msg::kTooManyDays},
    {"Days0",                &daysEdited,                 kDays,       "0",     0,    msg::kInvalidSelection},
    {"HoursDefault24",       &hoursEdited,                kHours,      "24",    24,   std::nullopt},
    {"Hours7_5",             &hoursEdited,                kHours,      "7.5",   7.5,  std::nullopt},
    {"Hours25",              &hoursEdited,                kHours,      "25",    25,   msg::kTooManyHours},
    {"HoursText",            &hoursEdited,                kHours,      "abc",   0,    msg::kInvalidSelection},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Fields, PlainEdit, ::testing::ValuesIn(kPlain));

TEST(NonFiniteInput, PlainChecksRejectBothInfinities) {
    OperatingCase c;
    EXPECT_EQ(weeksEdited(c, "1e999"), msg::kTooManyWeeks);
    EXPECT_EQ(weeksEdited(c, "-1e999"), msg::kInvalidSelection);
    EXPECT_EQ(daysEdited(c, "1e999"), msg::kTooManyDays);
    EXPECT_EQ(hoursEdited(c, "-1e999"), msg::kInvalidSelection);
    EXPECT_EQ(compressorStagesEdited(c, "1e999"), msg::kChooseOneOrTwo);
    EXPECT_EQ(compressorStagesEdited(c, "-1e999"), msg::kInvalidSelection);
    EXPECT_EQ(compressorEfficiencyEdited(c, "1e999"), msg::kSecondLawOnEdit);
    EXPECT_EQ(compressorEfficiencyEdited(c, "-1e999"), msg::kInvalidSelection);
}

} // namespace
} // namespace pumpvale
