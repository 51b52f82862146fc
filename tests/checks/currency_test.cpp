#include "checks/currency.h"
#include "checks/operating_data.h"
#include "tests/near.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string_view>

namespace pumpvale {
namespace {

struct Case {
    const char* name;
    std::string_view listText;
    std::optional<std::string_view> price;
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class DefaultPrice : public ::testing::TestWithParam<Case> {};

TEST_P(DefaultPrice, Lookup) {
    EXPECT_EQ(defaultPriceFor(GetParam().listText), GetParam().price);
}

// The list as the program ships it: one 2003 US price at fixed exchange rates.
// clang-format off
const Case kCases[] = {
    {"UsDollars",       "US Dollars",       "0.065"},
    {"UsCents",         "US Cents",         "6.5"},
    {"CanadianDollars", "Canadian Dollars", "0.087"},
    {"CanadianCents",   "Canadian Cents",   "8.7"},
    {"Euro",            "Euro",             "0.053"},
    {"BritishPounds",   "British Pounds",   "0.12"},
    {"ChineseYuan",     "Chinese Yuan",     "0.538"},
    {"JapaneseYen",     "Japanese Yen",     "5.395"},
    {"MexicanPeso",     "Mexican Peso",     "0.747"},
    {"IndianRupee",     "Indian Rupee",     "2.98"},
    {"RussianRouble",   "Russian Rouble",   "1.88"},
    {"Unknown",         "Swiss Francs",     std::nullopt},
    {"CaseCounts",      "us dollars",       std::nullopt},
    {"BlanksCount",     "US Dollars ",      std::nullopt},
    {"Empty",           "",                 std::nullopt},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Currencies, DefaultPrice, ::testing::ValuesIn(kCases));

TEST(DefaultPrice, EveryDefaultPassesThePriceRules) {
    for (const Currency& currency : kCurrencies) {
        OperatingCase c;
        const OperatingDataEntries entries{.pressure = "60",
                                           .flow = "10",
                                           .airPressure = "90",
                                           .weeks = "52",
                                           .days = "7",
                                           .hours = "24",
                                           .price = currency.defaultPrice,
                                           .stages = PumpStages::One,
                                           .units = UnitSystem::English,
                                           .currency = currency.name};
        const OperatingDataResult result = closeOperatingDataStep(c, entries);
        EXPECT_TRUE(result.messages.empty()) << currency.name;
        EXPECT_EQ(result.outcome, OperatingDataOutcome::InletStep) << currency.name;
    }
}

} // namespace
} // namespace pumpvale
