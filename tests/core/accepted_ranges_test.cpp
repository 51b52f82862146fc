// The accepted ranges in words, against the rules that accept and refuse, and against the messages, the
// README and the manual page, which state them too.
#include "core/accepted_ranges.h"
#include "core/limits.h"
#include "core/messages.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>

namespace pumpvale {
namespace {

using ranges::Bound;

struct BoundCase {
    const char* name;
    bool pressure; // else a flow
    double limit;  // psi or GPM
    Bound bound;
};

// clang-format off
constexpr BoundCase kBounds[] = {
    {"OneStageLowest",    true,  limits::kMinPcPressurePsi,     Bound::Lower},
    {"OneStageHighest",   true,  limits::kMaxOneStagePsi,       Bound::Upper},
    {"TwoStageLowest",    true,  limits::kMinTwoStagePsi,       Bound::Lower},
    {"TwoStageHighest",   true,  limits::kMaxTwoStagePsi,       Bound::Upper},
    {"AoddLowestPressure",true,  limits::kMinAoddPressurePsi,   Bound::Lower},
    {"AoddHighestPressure",true, limits::kMaxAoddPressurePsi,   Bound::Upper},
    {"AirPressureBelow",  true,  limits::kMaxAirPressurePsi,    Bound::Upper},
    {"PcFlowAbove",       false, limits::kMaxTooSmallPcFlowGpm, Bound::Lower},
    {"PcFlowHighest",     false, limits::kMaxPcFlowGpm,         Bound::Upper},
    {"AoddLowestFlow",    false, limits::kMinAoddFlowGpm,       Bound::Lower},
    {"AoddHighestFlow",   false, limits::kMaxAoddFlowGpm,       Bound::Upper},
};
// clang-format on

class SiBound : public ::testing::TestWithParam<BoundCase> {};

// "above 0.0189 l/min" was described as accepted, and 0.0189 l/min is 0.004993 GPM, which is refused: an
// S.I. figure, typed as described, lands inside the range, and within 0.1 % of it.
TEST_P(SiBound, TypedAsDescribedIsInsideTheRange) {
    const BoundCase& b = GetParam();
    const std::string text = b.pressure ? ranges::pressure(b.limit, UnitSystem::SI, b.bound)
                                        : ranges::flow(b.limit, UnitSystem::SI, b.bound);
    const double stored =
        *(b.pressure ? toStoredPressure(text, UnitSystem::SI) : toStoredFlow(text, UnitSystem::SI));
    if (b.bound == Bound::Lower)
        EXPECT_GE(stored, b.limit) << text;
    else
        EXPECT_LE(stored, b.limit) << text;
    EXPECT_NEAR(stored, b.limit, b.limit * 1e-3) << text;
}

INSTANTIATE_TEST_SUITE_P(AcceptedRanges, SiBound, ::testing::ValuesIn(kBounds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AcceptedRanges, EnglishFiguresAreTheLimitsAsWritten) {
    EXPECT_EQ(ranges::onePcStage(UnitSystem::English), "14.5 to 87 psi");
    EXPECT_EQ(ranges::pcFlow(UnitSystem::English), "above 0.005 up to 1000 GPM");
    // The program's own warning rounds 0.5 GPM to 1.89 l/min, which lies outside the AODD data; inward,
    // within 0.1 %, it reads 1.893.
    EXPECT_EQ(ranges::aoddFlow(UnitSystem::SI), "1.893 to 757 l/min");
}

// The program's own messages keep their words; each figure they quote is the limit's.
struct QuotedLimit {
    Message message;
    bool pressure; // else a flow
    double limit;
};

// clang-format off
const QuotedLimit kQuotedLimits[] = {
    {msg::kFlowBelowPcRange,       false, limits::kMaxTooSmallPcFlowGpm},
    {msg::kFlowAbovePcRange,       false, limits::kMaxPcFlowGpm},
    {msg::kPressureBelowPcRange,   true,  limits::kMinPcPressurePsi},
    {msg::kPressureBelowPcRange,   true,  limits::kMinAoddPressurePsi},
    {msg::kOneStageTooHigh,        true,  limits::kMaxOneStagePsi},
    {msg::kTwoStageTooHigh,        true,  limits::kMaxTwoStagePsi},
    {msg::kAirPressureTooHigh,     true,  limits::kMaxAirPressurePsi},
    {msg::kPressureBelowAoddRange, true,  limits::kMinAoddPressurePsi},
    {msg::kPressureAboveAoddRange, true,  limits::kMaxAoddPressurePsi},
    {msg::kFlowBelowAoddRange,     false, limits::kMinAoddFlowGpm},
    {msg::kFlowAboveAoddRange,     false, limits::kMaxAoddFlowGpm},
};
// clang-format on

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return out;
}

TEST(AcceptedRanges, MessagesQuoteTheLimits) {
    for (const QuotedLimit& q : kQuotedLimits) {
        const std::string figure = q.pressure ? ranges::pressure(q.limit, UnitSystem::English, Bound::Lower)
                                              : ranges::flow(q.limit, UnitSystem::English, Bound::Lower);
        EXPECT_NE(upper(q.message.text).find(upper(figure)), std::string::npos)
            << figure << ": " << q.message.text;
    }
    EXPECT_NE(
        msg::kTooManyWeeks.text.find(std::to_string(static_cast<int>(limits::kMaxWeeksPerYear)) + " weeks"),
        std::string_view::npos);
    EXPECT_NE(
        msg::kTooManyDays.text.find(std::to_string(static_cast<int>(limits::kMaxDaysPerWeek)) + " days"),
        std::string_view::npos);
    EXPECT_NE(
        msg::kTooManyHours.text.find(std::to_string(static_cast<int>(limits::kMaxHoursPerDay)) + " hours"),
        std::string_view::npos);
}

std::string fileText(const char* path) {
    std::ifstream file(std::string(PUMPVALE_SOURCE_DIR) + "/" + path);
    std::stringstream text;
    text << file.rdbuf();
    // The manual page's source breaks its sentences across lines.
    return std::regex_replace(text.str(), std::regex("\\s+"), " ");
}

// A whole-number limit as the texts write it.
std::string whole(double limit) {
    return std::to_string(static_cast<long>(limit));
}

std::string capitalised(std::string text) {
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

TEST(AcceptedRanges, ReadmeTableStatesThem) {
    const std::string readme = fileText("README.md");
    using enum UnitSystem;
    const auto row = [](const std::string& entry, const std::string& english, const std::string& si) {
        return "| " + entry + " | " + english + " | " + si + " |";
    };
    for (const std::string& expected : {
             row("Fluid pressure, one-stage PC pump", ranges::onePcStage(English), ranges::onePcStage(SI)),
             row("Fluid pressure, two-stage PC pump", ranges::twoPcStages(English), ranges::twoPcStages(SI)),
             row("Flow rate", ranges::pcFlow(English), ranges::pcFlow(SI)),
             row("AODD pumps' data (pressure, flow)",
                 ranges::aoddPressure(English) + ", " + ranges::aoddFlow(English),
                 ranges::aoddPressure(SI) + ", " + ranges::aoddFlow(SI)),
             row("System air pressure", ranges::airPressure(English), ranges::airPressure(SI)),
             row("Operating weeks, days, hours",
                 "above 0, up to " + whole(limits::kMaxWeeksPerYear) + " a year, " +
                     whole(limits::kMaxDaysPerWeek) + " a week, " + whole(limits::kMaxHoursPerDay) + " a day",
                 "the same"),
             row("Cost of electricity",
                 "above 0, up to " + whole(limits::kMaxElectricityPrice) +
                     " per kilowatt hour, in the chosen currency",
                 "the same"),
         })
        EXPECT_NE(readme.find(expected), std::string::npos) << expected;
}

TEST(AcceptedRanges, ManualPageStatesThem) {
    const std::string manual = fileText("packaging/pumpvale.1");
    using enum UnitSystem;
    const auto both = [](std::string (*range)(UnitSystem)) {
        return range(English) + " (" + range(SI) + ")";
    };
    for (const std::string& expected : {
             both(ranges::onePcStage) + " for a one-stage pump, " + both(ranges::twoPcStages) +
                 " for a two-stage pump.",
             "The AODD pumps' data covers " + both(ranges::aoddPressure) + ";",
             capitalised(both(ranges::pcFlow)) + "; the AODD pumps' data covers " + both(ranges::aoddFlow) +
                 ".",
             capitalised(both(ranges::airPressure)) + ".",
             "Above 0, up to " + whole(limits::kMaxWeeksPerYear) + " weeks a year, " +
                 whole(limits::kMaxDaysPerWeek) + " days a week, " + whole(limits::kMaxHoursPerDay) +
                 " hours a day.",
             "Above 0, up to " + whole(limits::kMaxElectricityPrice) + " per kilowatt hour",
         })
        EXPECT_NE(manual.find(expected), std::string::npos) << expected;
}

} // namespace
} // namespace pumpvale
