#include "core/cost.h"
#include "core/number_format.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <tuple>

namespace pumpvale {
namespace {

struct FormatCase {
    const char* name;
    double value;
    std::string expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class StandardFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(StandardFormat, RoundsAsAPersonReadsTheNumber) {
    EXPECT_EQ(formatStandard(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, StandardFormat,
    ::testing::Values(
        FormatCase{"Grouping", 12345.678, "12,345.68"}, FormatCase{"SmallRoundsDown", 0.004, "0.00"},
        FormatCase{"NegativeSavings", -284.0971, "-284.10"}, FormatCase{"HalfUp", 0.125, "0.13"},
        FormatCase{"BinaryBelowHalf", 2.675, "2.68"}, FormatCase{"OnePointOhOhFive", 1.005, "1.01"},
        FormatCase{"NegativeHalf", -0.125, "-0.13"}, FormatCase{"NegativeRoundsToZero", -0.004, "0.00"},
        FormatCase{"NegativeZero", -0.0, "0.00"}, FormatCase{"Zero", 0, "0.00"},
        FormatCase{"Whole", 7, "7.00"}, FormatCase{"CarryIntoNewGroup", 999999.995, "1,000,000.00"},
        FormatCase{"ExactThousand", 1000, "1,000.00"}, FormatCase{"HalfCent", 0.005, "0.01"},
        FormatCase{"Tiny", 1e-300, "0.00"}, FormatCase{"Huge", 1.5e21, "1,500,000,000,000,000,000,000.00"},
        FormatCase{"NoGroupBelowThousand", 999.994, "999.99"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StandardFormatLocale, UsesTheGivenSeparators) {
    EXPECT_EQ(formatStandard(12345.678, ",", "."), "12.345,68");
    EXPECT_EQ(formatStandard(-1234567.891, ",", "."), "-1.234.567,89");
    EXPECT_EQ(formatStandard(12345.678, ",", "\u202F"), "12\u202F345,68"); // narrow no-break space
    EXPECT_EQ(formatStandard(12.5, ".", ""), "12.50");
}

// A chart's money ticks and a range in words: the cents only where they say something.
TEST(MoneyBrief, DropsZeroCentsOnly) {
    const Separators german{",", "."};
    for (const auto& [value, english, local] : {std::tuple{2000.0, "2,000", "2.000"},
                                                {2000.5, "2,000.50", "2.000,50"},
                                                {1e12, "1,000,000,000,000", "1.000.000.000.000"},
                                                {0.0, "0", "0"},
                                                {-1500.0, "-1,500", "-1.500"}}) {
        EXPECT_EQ(formatMoneyBrief(value, {}), english);
        EXPECT_EQ(formatMoneyBrief(value, german), local);
    }
}

// For files: in full, as it reads back; a cell left empty rather than "inf".
TEST(ExactNumber, ShortestThatReadsBackAndNothingForInfinity) {
    EXPECT_EQ(exactNumber(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(exactNumber(1173.1778068845447), "1173.1778068845447");
    EXPECT_EQ(exactNumber(1e300 * 1e10), "");
    EXPECT_EQ(exactNumber(std::nan("")), "");
}

} // namespace
} // namespace pumpvale
