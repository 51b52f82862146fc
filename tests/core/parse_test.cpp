#include "core/operating_case.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace pumpvale {
namespace {

struct ParseCase {
    const char* name;
    std::string text;
    double expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class ParseLeadingNumber : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseLeadingNumber, ReadsTheLeadingNumber) {
    const ParseCase& c = GetParam();
    const double read = parseLeadingNumber(c.text);
    EXPECT_EQ(read, c.expected) << '"' << c.text << '"';
    EXPECT_EQ(std::signbit(read), std::signbit(c.expected)) << '"' << c.text << '"';
}

const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseLeadingNumber,
    ::testing::Values(
        ParseCase{"Plain", "12.5", 12.5}, ParseCase{"TrailingUnit", "12.5 psi", 12.5},
        ParseCase{"CommaEndsTheNumber", "1,000", 1}, ParseCase{"CommaIsNoDecimal", "1,5", 1},
        ParseCase{"Letters", "abc", 0}, ParseCase{"Empty", "", 0}, ParseCase{"BlankBetweenDigits", "1 2", 12},
        ParseCase{"LeadingPoint", ".5", 0.5}, ParseCase{"TrailingPoint", "5.", 5},
        ParseCase{"SignAlone", "-", 0}, ParseCase{"DoubleSign", "--1", 0},
        ParseCase{"Negative", "-3.25", -3.25}, ParseCase{"Plus", "+7", 7},
        ParseCase{"NegativeZero", "-0", -0.0}, ParseCase{"LeadingZeros", "007.50", 7.5},
        ParseCase{"NearestDoubleTiesToEven", "9007199254740993", 9007199254740992.0},
        ParseCase{"ThirtyDigits", "123456789012345678901234567890", 1.2345678901234568e29},
        ParseCase{"PastThirtyCharacters", "0.1000000000000000055511151231257827", 0.1},
        ParseCase{"Exponent", "1.5e3", 1500}, ParseCase{"UpperExponent", "2E-2", 0.02},
        ParseCase{"BareExponent", "1e", 1}, ParseCase{"ExponentSignOnly", "1e+", 1},
        ParseCase{"TabsAndLineFeeds", "\t6\n0\r\n", 60}, ParseCase{"BlanksInsideExponent", "1 e 2", 100},
        ParseCase{"SecondPointEnds", "1.2.3", 1.2}, ParseCase{"PointAlone", ".", 0},
        ParseCase{"Overflow", "1e999", kInf}, ParseCase{"NegativeOverflow", "-1e999", -kInf},
        ParseCase{"Underflow", "1e-999", 0}, ParseCase{"ZeroWithHugeExponent", "0e999999", 0},
        ParseCase{"HugeExponentDigits", "1e" + std::string(1000, '9'), kInf},
        ParseCase{"ManyDigits", std::string(400, '9'), kInf},
        ParseCase{"ManyLeadingZeros", std::string(100'000, '0') + "42", 42},
        ParseCase{"LongFraction", "0." + std::string(100'000, '0') + "1e100000", 1e-1},
        // The digits' scale was added to an exponent already capped at 100,000.
        ParseCase{"ExponentCappedBeforeTheScale_100001Digits", "1" + std::string(100'001, '0') + "e-100001",
                  1},
        ParseCase{"ExponentCappedBeforeTheScale_200000Digits", "1" + std::string(199'999, '0') + "e-199999",
                  1},
        ParseCase{"ExponentCappedBeforeTheScale_200000FractionDigits",
                  "-0." + std::string(199'999, '0') + "25e200000", -2.5},
        // Characters the user cannot see are blanks; other characters end the number.
        ParseCase{"NoBreakSpaceInFront", "\u00A060", 60}, ParseCase{"ZeroWidthSpaceInFront", "\u200B60", 60},
        ParseCase{"RightToLeftMarkInFront", "\u200F60", 60},
        ParseCase{"ByteOrderMarkInFront", "\uFEFF60", 60},
        ParseCase{"NarrowNoBreakSpaceInside", "1\u202F000.5", 1000.5},
        ParseCase{"IdeographicSpaceAndTagAround", "\u30006\U000E00200", 60},
        ParseCase{"VisibleLetterEnds", "\u00B560", 0}, ParseCase{"TruncatedSequence", "\xC2", 0},
        ParseCase{"OverlongNoBreakSpace",
                  "\xC1\xA0"
                  "60",
                  0},
        ParseCase{"EncodedSurrogate",
                  "\xED\xA0\x80"
                  "60",
                  0}),
    [](const auto& info) { return std::string(info.param.name); });

// Qt sets the C locale from the environment; a German locale must not turn "1.5" into 1.
TEST(ParseLeadingNumberLocale, IgnoresTheCLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(parseLeadingNumber("1.5"), 1.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseLeadingNumberLength, HandlesAHundredThousandDigits) {
    const std::string digits = "3" + std::string(100'000, '1');
    EXPECT_TRUE(std::isinf(parseLeadingNumber(digits)));
    const std::string fraction = "3." + std::string(100'000, '1');
    EXPECT_DOUBLE_EQ(parseLeadingNumber(fraction), 3.1111111111111111);
}

TEST(StoredUnits, ConvertsSiEntriesToEnglish) {
    EXPECT_NEAR(*toStoredPressure("6", UnitSystem::SI), 87.0226, 1e-4); // above the one-stage limit of 87
    EXPECT_NEAR(*toStoredPressure("1", UnitSystem::SI), 14.5038, 1e-4); // just above 14.5
    EXPECT_EQ(*toStoredPressure("60", UnitSystem::English), 60);
    EXPECT_NEAR(*toStoredFlow("37.85412", UnitSystem::SI), 10, 1e-12);
    EXPECT_EQ(*toStoredFlow("10", UnitSystem::English), 10);
    EXPECT_FALSE(toStoredPressure("60", UnitSystem::None));
    EXPECT_FALSE(toStoredFlow("10", UnitSystem::None));
}

TEST(StoredUnits, SiChoiceIsConsultedFirst) {
    EXPECT_EQ(unitSystemOf(true, true), UnitSystem::SI);
    EXPECT_EQ(unitSystemOf(true, false), UnitSystem::English);
    EXPECT_EQ(unitSystemOf(false, false), UnitSystem::None);
}

} // namespace
} // namespace pumpvale
