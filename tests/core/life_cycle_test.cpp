// Energy, CO2, payback and life-cycle cost, against figures worked by hand.
#include "core/cost.h"
#include "core/energy.h"
#include "core/life_cycle_entries.h"
#include "core/life_cycle_report.h"
#include "core/report_layout.h"
#include "tests/near.h"
#include "tests/worked_example.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <string>

namespace pumpvale {
namespace {
namespace keys = life_cycle_keys;

// 60 psi, 10 GPM, 1-inch inlet, 0.065 US Dollars per kWh, the window's defaults otherwise (all year
// round, one compressor stage of 75 percent): 292.54, 1,173.18 and 880.64 US Dollars a year. 10 GPM is a
// flow point of the 1-inch table: 13.5 SCFM at 77 psi, as the lookup finds it (tests/aodd hold that).
struct OneInchExample {
    OperatingCase c = workedExampleCase();
    AnnualCosts costs;
    OneInchExample() {
        c.currency = "US Dollars";
        c.inletSize = InletSize::One;
        computePcPower(c);
        c.airConsumptionScfm = 13.5;
        c.requiredAirPsi = 77;
        findCostSavings(c, costs, "1", "75");
    }
};

// The life cycle of the example's result with these Savings Over Time entries.
LifeCycleOutcome outcomeOf(const OneInchExample& example, const char* pcPrice, const char* aoddPrice,
                           const char* factor, ResultShown result = ResultShown::Full) {
    LifeCycleEntries entries;
    entries.pcPrice = pcPrice;
    entries.aoddPrice = aoddPrice;
    entries.emissionFactor = factor;
    return workOutLifeCycle(entries, example.c, example.costs, result);
}

const ReportRow* rowOf(const CalculationReport& report, std::string_view name) {
    const ReportRow* row = report.find(name);
    EXPECT_NE(row, nullptr) << name;
    static const ReportRow none;
    return row != nullptr ? row : &none;
}

TEST(LifeCycle, EnergyRowsAreTheInputPowersTimesTheOperatingHours) {
    const OneInchExample example;
    ASSERT_EQ(formatStandard(example.costs.totalSavings), "880.64");
    CalculationReport report = buildCalculationReport(example.c, example.costs);
    appendLifeCycleSections(report, outcomeOf(example, "", "", "0.5"));
    const double pcKw = rowOf(report, "pc-input-power-kw")->value.number;
    const double aoddKw = rowOf(report, "compressor-input-power-kw")->value.number;
    EXPECT_EQ(rowOf(report, keys::kPcEnergy)->value.number, pcKw * 8736);
    EXPECT_EQ(rowOf(report, keys::kAoddEnergy)->value.number, aoddKw * 8736);
    EXPECT_TRUE(near(rowOf(report, keys::kEnergySaved)->value.number, (aoddKw - pcKw) * 8736));
    // The energy times the price is the amount the result boxes show.
    EXPECT_TRUE(near(rowOf(report, keys::kEnergySaved)->value.number * 0.065, example.costs.totalSavings));
    EXPECT_TRUE(near(rowOf(report, keys::kCo2Avoided)->value.number, (aoddKw - pcKw) * 8736 * 0.5));
    EXPECT_EQ(report.find(keys::kSimplePayback), nullptr);
}

// 1,500 / 880.637 = 1.70331 years: "1.7" in the report as in the window, the number in full in the
// figures file.
TEST(LifeCycle, PaybackOfTheOneInchExample) {
    const OneInchExample example;
    const LifeCycleResult result = computeLifeCycle({2500, 1000}, example.costs);
    ASSERT_TRUE(result.figures);
    EXPECT_EQ(result.figures->payback, PaybackOutcome::InYears);
    const double years = result.figures->paybackYears;
    EXPECT_TRUE(near(years, 1500 / example.costs.totalSavings));

    CalculationReport report = buildCalculationReport(example.c, example.costs);
    appendLifeCycleSections(report, outcomeOf(example, "2500", "1000", ""));
    const ReportLayout layout = layoutReport(report, {",", "."});
    const LayoutTable* payback = layout.table(keys::kPaybackSection);
    ASSERT_NE(payback, nullptr);
    const auto at = std::find(payback->rowKeys.begin(), payback->rowKeys.end(), keys::kSimplePayback);
    ASSERT_NE(at, payback->rowKeys.end());
    const auto& row = payback->rows[static_cast<std::size_t>(at - payback->rowKeys.begin())];
    EXPECT_EQ(row[1].text, "1,7");
    EXPECT_EQ(row[2].text, "years");
    EXPECT_NE(reportCsv(layout).find(",Simple payback," + exactNumber(years) + ",years\r\n"),
              std::string::npos);
    EXPECT_NE(layout.table(keys::kPaybackByYear), nullptr);
}

// Yearly costs of 200 (PC pump) and 1,000 (AODD pump): 800 saved a year.
struct PaybackCase {
    const char* name;
    PaybackInputs in;
    PaybackOutcome outcome;
    double paybackYears; // InYears only
    double cumulative;   // net saving at the end of the service life
    double npv;
    std::optional<double> breakEven;
};

// clang-format off
const PaybackCase kPaybackCases[] = {
    // 1,500 / 800; 10 x 800 - 1,500.
    {"Fractional",             {2500, 1000, 0, 0, 10, 0},   PaybackOutcome::InYears, 1.875, 6500,  6500, 1.875},
    // 800 x (1 - 1.1^-10) / 0.1 - 1,500 = 800 x 6.144567106 - 1,500.
    {"DiscountedAtTenPercent", {2500, 1000, 0, 0, 10, 10},  PaybackOutcome::InYears, 1.875, 6500,  3415.6536845637, 1.875},
    // The PC pump is 100 cheaper: nothing to pay back.
    {"AtOnce",                 {900, 1000, 0, 0, 10, 0},    PaybackOutcome::AtOnce,  0,     8100,  8100, std::nullopt},
    {"SamePriceBreaksEvenAtZero", {1000, 1000, 0, 0, 10, 0}, PaybackOutcome::AtOnce, 0,     8000,  8000, 0.0},
    // 900 of maintenance a year on the PC pump turns the saving to -100.
    {"MaintenanceTurnsItNegative", {2500, 1000, 900, 0, 10, 0}, PaybackOutcome::Never, 0,  -2500, -2500, std::nullopt},
    {"NothingSavedIsNever",    {2500, 1000, 800, 0, 10, 5}, PaybackOutcome::Never,   0,     -1500, -1500, std::nullopt},
    // The AODD pump's maintenance adds to the saving: 1,500 / (800 + 200).
    {"AoddMaintenanceAdds",    {2500, 1000, 0, 200, 10, 0}, PaybackOutcome::InYears, 1.5,   8500,  8500, 1.5},
    // Pays back after the one year of service: 800 / 1.05 - 1,500.
    {"OneYear",                {2500, 1000, 0, 0, 1, 5},    PaybackOutcome::InYears, 1.875, -700,  -738.09523809524, std::nullopt},
    // 800 x (1 - 1.05^-50) / 0.05 - 1,500.
    {"FiftyYears",             {2500, 1000, 0, 0, 50, 5},   PaybackOutcome::InYears, 1.875, 38500, 13104.740368442, 1.875},
};
// clang-format on

class Payback : public ::testing::TestWithParam<PaybackCase> {};

TEST_P(Payback, MatchesTheHandCalculation) {
    const PaybackCase& p = GetParam();
    const LifeCycleResult result = computeLifeCycle(p.in, {200, 1000, 800});
    ASSERT_TRUE(result.messages.empty());
    ASSERT_TRUE(result.figures);
    const LifeCycle& l = *result.figures;
    EXPECT_EQ(l.payback, p.outcome);
    if (p.outcome == PaybackOutcome::InYears) {
        EXPECT_TRUE(near(l.paybackYears, p.paybackYears));
    }
    EXPECT_TRUE(near(l.cumulativeNetSaving, p.cumulative));
    EXPECT_TRUE(near(l.netPresentValue, p.npv));
    EXPECT_EQ(l.breakEvenYear.has_value(), p.breakEven.has_value());
    if (l.breakEvenYear && p.breakEven) {
        EXPECT_TRUE(near(*l.breakEvenYear, *p.breakEven));
    }
    // Year 0 is each pump's price; the last year differs by the cumulative net saving.
    ASSERT_EQ(l.pcCumulative.size(), static_cast<std::size_t>(p.in.years) + 1);
    EXPECT_EQ(l.pcCumulative.front(), p.in.pcPrice);
    EXPECT_EQ(l.aoddCumulative.front(), p.in.aoddPrice);
    EXPECT_TRUE(near(l.aoddCumulative.back() - l.pcCumulative.back(), p.cumulative));
}

INSTANTIATE_TEST_SUITE_P(HandWorked, Payback, ::testing::ValuesIn(kPaybackCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The decision figures: the simple payback at today's prices, the discounted payback with the energy
// price escalated, the break-even year where the cost lines cross; a year's net saving is
// 800 x (1 + escalation) ^ (year - 1) + AODD maintenance - PC pump maintenance.
struct DecisionCase {
    const char* name;
    PaybackInputs in;
    PaybackOutcome simple;
    double simpleYears; // InYears only
    bool simpleBeyond;
    PaybackOutcome discounted;
    double discountedYears; // InYears only
    bool discountedBeyond;
    std::optional<double> breakEven;
    double cumulative;
    double npv;
};

using O = PaybackOutcome;
// clang-format off
const DecisionCase kDecisionCases[] = {
    // 100 cheaper, 2,000 a year dearer to maintain: -1,200 a year, 10 x -1,200 + 100.
    {"CheaperButDearerToRunIsNever", {900, 1000, 2000, 0, 10, 0},    O::Never,   0,     false, O::Never,   0,        false, std::nullopt, -11900, -11900},
    // 2,400 / 800 = 3; the discounted savings sum to 800 x (1 - 2^-10) = 799.22 at most, below 2,400.
    {"HundredPercentNeverRecovers",  {3400, 1000, 0, 0, 10, 100},    O::InYears, 3,     false, O::Never,   0,        true,  3.0,          5600,   -1600.78125},
    // 727.27 + 661.16 = 1,388.43 after two years; 111.57 of 800 / 1.1^3 = 601.05 more: 0.185625.
    {"TenPercentDiscountedPayback",  {2500, 1000, 0, 0, 10, 10},     O::InYears, 1.875, false, O::InYears, 2.185625, false, 1.875,        6500,   3415.6536845637},
    // 9,000 / 800 = 11.25 years of a 10-year service life.
    {"LongerThanTheServiceLife",     {10000, 1000, 0, 0, 10, 0},     O::InYears, 11.25, true,  O::Never,   0,        true,  std::nullopt, -1000,  -1000},
    // 800, 880, 968: -700 after one year, then 700 / 880 of the second; 2,648 - 1,500.
    {"EscalationBringsItForward",    {2500, 1000, 0, 0, 3, 0, 10},   O::InYears, 1.875, false, O::InYears, 1 + 700.0 / 880, false, 1 + 700.0 / 880, 1148, 1148},
    // Escalation and discount alike: each year 800 / 1.1 = 727.27; 2 + 45.45 / 727.27 = 2.0625.
    {"EscalationCancelsDiscount",    {2500, 1000, 0, 0, 3, 10, 10},  O::InYears, 1.875, false, O::InYears, 2.0625,   false, 1 + 700.0 / 880, 1148, 3 * 800 / 1.1 - 1500},
    // -200, 200, 800, 1,700, 3,050: -500 after two years, 500 / 800 of the third; 5,550 - 500.
    {"EscalationTurnsItPositive",    {1500, 1000, 1000, 0, 5, 0, 50}, O::Never,  0,     false, O::InYears, 2.625,    false, 2.625,        5050,   5050},
    {"CheaperAndSavingIsAtOnce",     {900, 1000, 0, 0, 10, 5},       O::AtOnce,  0,     false, O::AtOnce,  0,        false, std::nullopt, 8100,   800 * (1 - std::pow(1.05, -10)) / 0.05 + 100},
};
// clang-format on

class Decision : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(Decision, MatchesTheHandCalculation) {
    const DecisionCase& p = GetParam();
    const LifeCycleResult result = computeLifeCycle(p.in, {200, 1000, 800});
    ASSERT_TRUE(result.figures);
    const LifeCycle& l = *result.figures;
    EXPECT_EQ(l.payback, p.simple);
    EXPECT_TRUE(near(l.paybackYears, p.simpleYears));
    EXPECT_EQ(l.paybackBeyondService, p.simpleBeyond);
    EXPECT_EQ(l.discountedPayback, p.discounted);
    EXPECT_TRUE(near(l.discountedPaybackYears, p.discountedYears)) << l.discountedPaybackYears;
    EXPECT_EQ(l.discountedBeyondService, p.discountedBeyond);
    EXPECT_EQ(l.breakEvenYear.has_value(), p.breakEven.has_value());
    if (l.breakEvenYear && p.breakEven) {
        EXPECT_TRUE(near(*l.breakEvenYear, *p.breakEven)) << *l.breakEvenYear;
    }
    EXPECT_TRUE(near(l.cumulativeNetSaving, p.cumulative)) << l.cumulativeNetSaving;
    EXPECT_TRUE(near(l.netPresentValue, p.npv, 1e-9)) << l.netPresentValue;
    EXPECT_TRUE(near(l.aoddCumulative.back() - l.pcCumulative.back(), p.cumulative));
}

INSTANTIATE_TEST_SUITE_P(HandWorked, Decision, ::testing::ValuesIn(kDecisionCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The report says each figure in words where it is no number of years.
TEST(LifeCycle, DecisionRowsSayWhatTheyMean) {
    struct Row {
        PaybackInputs in;
        std::string_view key;
        std::string value;
        std::string unit;
    };
    // clang-format off
    const Row rows[] = {
        {{900, 1000, 2000, 0, 10, 0},  keys::kSimplePayback,     "never",                       ""},
        {{10000, 1000, 0, 0, 10, 0},   keys::kSimplePayback,     "11.3",                        "years, longer than the service life"},
        {{10000, 1000, 0, 0, 10, 0},   keys::kDiscountedPayback, "longer than the service life", ""},
        {{10000, 1000, 0, 0, 10, 0},   keys::kBreakEvenYear,     "not within the service life", ""},
        {{3400, 1000, 0, 0, 10, 100},  keys::kBreakEvenYear,     "3.0",                         "years"},
        {{2500, 1000, 0, 0, 10, 10},   keys::kDiscountedPayback, "2.2",                         "years"},
        {{900, 1000, 0, 0, 10, 0},     keys::kBreakEvenYear,     "none: the PC pump costs less from the start", ""},
        {{2500, 1000, 0, 0, 3, 0, 10}, keys::kEnergyEscalation,  "10",                          "percent a year"},
    };
    // clang-format on
    for (const Row& r : rows) {
        LifeCycleOutcome outcome;
        outcome.currency = "US Dollars";
        outcome.payback = r.in;
        outcome.lifeCycle = computeLifeCycle(r.in, {200, 1000, 800}).figures;
        CalculationReport report;
        appendLifeCycleSections(report, outcome);
        const ReportLayout layout = layoutReport(report, {});
        const std::vector<LayoutCell>* row = layout.row(r.key);
        ASSERT_NE(row, nullptr) << r.key;
        EXPECT_EQ((*row)[1].text, r.value) << r.key;
        EXPECT_EQ((*row)[2].text, r.unit) << r.key;
    }
}

using F = LifeCycleField;

// What a screen reader says each entry accepts, from the rules.
TEST(LifeCycle, AcceptedRangesInWords) {
    EXPECT_EQ(acceptedRange(F::PcPrice, {}), "Accepted: 0 to 1,000,000,000,000.");
    EXPECT_EQ(acceptedRange(F::AoddMaintenance, {}), "Accepted: 0 to 1,000,000,000,000; empty is 0.");
    EXPECT_EQ(acceptedRange(F::Years, {}), "Accepted: whole years, 1 to 50.");
    EXPECT_EQ(acceptedRange(F::EnergyEscalation, {}), "Accepted: 0 to 50; empty is 0.");
    EXPECT_EQ(acceptedRange(F::EmissionFactor, {}), "Accepted: 0 to 2; empty: no CO2 figures.");
}

struct EntryCase {
    const char* name;
    LifeCycleEntries entries;
    std::vector<EntryProblem> problems;
};

LifeCycleEntries withPrices(std::string pc, std::string aodd) {
    LifeCycleEntries e;
    e.pcPrice = std::move(pc);
    e.aoddPrice = std::move(aodd);
    return e;
}

LifeCycleEntries with(LifeCycleEntries e, std::string LifeCycleEntries::*field, std::string text) {
    e.*field = std::move(text);
    return e;
}

const LifeCycleEntries kGood = withPrices("2500", "1000");

// clang-format off
const EntryCase kEntryCases[] = {
    {"EmptyPricesAsked",         withPrices("", " "),                  {{F::PcPrice, msg::kEnterPcPrice}, {F::AoddPrice, msg::kEnterAoddPrice}}},
    {"ThousandsCommaRefused",    withPrices("2,500", "1000"),          {{F::PcPrice, msg::kEnterPcPrice}}},
    {"CurrencySignRefused",      withPrices("$2500", "1000"),          {{F::PcPrice, msg::kEnterPcPrice}}},
    {"InfinityRefused",          withPrices("inf", "1e400"),           {{F::PcPrice, msg::kEnterPcPrice}, {F::AoddPrice, msg::kEnterAoddPrice}}},
    {"NegativePrice",            withPrices("-1", "1000"),             {{F::PcPrice, msg::kPcPriceRange}}},
    {"PriceAboveTheLimit",       withPrices("2500", "1.1e12"),         {{F::AoddPrice, msg::kAoddPriceRange}}},
    {"BlanksAndPlusRead",        withPrices(" +2 500.5 ", "\u00a01000"), {}},
    {"TinyReadAsTheCalculator",  withPrices("1e-999", ".5E+3"),          {}},
    {"TwoSignsRefused",          withPrices("+-5", "1e"),              {{F::PcPrice, msg::kEnterPcPrice}, {F::AoddPrice, msg::kEnterAoddPrice}}},
    {"EmptyMaintenanceIsNone",   with(kGood, &LifeCycleEntries::pcMaintenance, ""), {}},
    {"NegativeMaintenance",      with(kGood, &LifeCycleEntries::aoddMaintenance, "-5"), {{F::AoddMaintenance, msg::kAoddMaintenanceRange}}},
    {"FractionalYears",          with(kGood, &LifeCycleEntries::years, "10.5"), {{F::Years, msg::kEnterYears}}},
    {"NoYears",                  with(kGood, &LifeCycleEntries::years, "0"),    {{F::Years, msg::kEnterYears}}},
    {"FiftyOneYears",            with(kGood, &LifeCycleEntries::years, "51"),   {{F::Years, msg::kEnterYears}}},
    {"EmptyYears",               with(kGood, &LifeCycleEntries::years, ""),     {{F::Years, msg::kEnterYears}}},
    {"RateAboveAHundred",        with(kGood, &LifeCycleEntries::discountRatePct, "101"), {{F::DiscountRate, msg::kDiscountRateRange}}},
    {"RateWithPercentSign",      with(kGood, &LifeCycleEntries::discountRatePct, "5%"),  {{F::DiscountRate, msg::kEnterDiscountRate}}},
    {"EscalationAboveFifty",     with(kGood, &LifeCycleEntries::escalationPct, "51"),    {{F::EnergyEscalation, msg::kEnergyEscalationRange}}},
    {"EscalationNegative",       with(kGood, &LifeCycleEntries::escalationPct, "-1"),    {{F::EnergyEscalation, msg::kEnergyEscalationRange}}},
    {"EscalationNotANumber",     with(kGood, &LifeCycleEntries::escalationPct, "3 %"),   {{F::EnergyEscalation, msg::kEnterEnergyEscalation}}},
    {"EmptyEscalationIsNone",    with(kGood, &LifeCycleEntries::escalationPct, ""),      {}},
    {"FactorNotANumber",         with(kGood, &LifeCycleEntries::emissionFactor, "nan"),  {{F::EmissionFactor, msg::kEnterEmissionFactor}}},
    {"FactorTooLarge",           with(kGood, &LifeCycleEntries::emissionFactor, "2.5"),  {{F::EmissionFactor, msg::kEmissionFactorRange}}},
};
// clang-format on

class LifeCycleEntryChecks : public ::testing::TestWithParam<EntryCase> {};

TEST_P(LifeCycleEntryChecks, AreCheckedWithAClearMessage) {
    const EntryCase& e = GetParam();
    const CheckedEntries checked = checkLifeCycleEntries(e.entries);
    EXPECT_EQ(checked.problems, e.problems);
    const bool paybackRefused = std::any_of(e.problems.begin(), e.problems.end(), [](const EntryProblem& p) {
        return p.field != F::EmissionFactor;
    });
    EXPECT_EQ(checked.payback.has_value(), !paybackRefused);
}

INSTANTIATE_TEST_SUITE_P(Typed, LifeCycleEntryChecks, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LifeCycle, CheckedEntriesCarryTheirNumbers) {
    LifeCycleEntries e = withPrices(" +2 500.5 ", "1000");
    e.pcMaintenance = "";
    e.years = "50";
    e.emissionFactor = "0.25";
    const CheckedEntries checked = checkLifeCycleEntries(e);
    ASSERT_TRUE(checked.payback);
    EXPECT_EQ(*checked.payback, (PaybackInputs{2500.5, 1000, 0, 0, 50, 0}));
    EXPECT_EQ(checked.emissionFactor, 0.25);
    EXPECT_FALSE(checkLifeCycleEntries(kGood).emissionFactor);
}

// A yearly cost near the largest double is finite, but not fifty years of it.
TEST(LifeCycle, AmountsPastAnyNumberGiveAMessageAndNoFigure) {
    const double huge = std::numeric_limits<double>::max() / 4;
    const LifeCycleResult result = computeLifeCycle({2500, 1000, 0, 0, 50, 0}, {0, huge, huge});
    EXPECT_EQ(result.messages, Messages{msg::kLifeCycleTooLarge});
    EXPECT_FALSE(result.figures);
    EXPECT_EQ(computeLifeCycle({2500, 1000, 0, 0, 0, 0}, {200, 1000, 800}).messages,
              Messages{msg::kEnterYears});
}

TEST(LifeCycle, YearsShowOneDecimalRoundedHalfAway) {
    const Separators english;
    EXPECT_EQ(formatYears(1.875, english), "1.9");
    EXPECT_EQ(formatYears(2.25, english), "2.3");
    EXPECT_EQ(formatYears(0.04, english), "0.0");
    EXPECT_EQ(formatYears(0.15, english), "0.2");
    EXPECT_EQ(formatYears(-0.04, english), "0.0");
    EXPECT_EQ(formatYears(12345.64, {",", "."}), "12.345,6");
    // Past about 1e13 a double times ten no longer holds the tenth to round.
    EXPECT_EQ(formatYears(417370961907852.94, english), "417,370,961,907,852.9");
    EXPECT_EQ(formatYears(-0.05, english), "-0.1");
    // 1e12 of extra cost over a saving of a millionth: no hundreds of digits, no "inf".
    EXPECT_EQ(formatYears(1e18, english), "1E+18");
    EXPECT_EQ(formatYears(std::numeric_limits<double>::max(), english), "1.79769E+308");
    EXPECT_EQ(formatYears(std::numeric_limits<double>::infinity(), english), "-");
}

TEST(LifeCycle, PcOnlyResultHasItsEnergyAndNoPayback) {
    OneInchExample example;
    example.c.pcCostOnly = true;
    CalculationReport report = buildCalculationReport(example.c, example.costs);
    const std::size_t before = report.sections.size();
    appendLifeCycleSections(report, outcomeOf(example, "2500", "1000", "0.4", ResultShown::PcOnly));
    ASSERT_EQ(report.sections.size(), before + 2); // energy and CO2
    EXPECT_NE(report.find(keys::kPcCo2), nullptr);
    for (const std::string_view absent : {keys::kAoddEnergy, keys::kCo2Avoided, keys::kSimplePayback})
        EXPECT_EQ(report.find(absent), nullptr) << absent;
}

TEST(LifeCycle, PaybackSectionSaysItsOutcomeInWords) {
    const OneInchExample example;
    CalculationReport report;
    appendLifeCycleSections(report, outcomeOf(example, "900", "1000", ""));
    EXPECT_EQ(formatValue(rowOf(report, keys::kSimplePayback)->value, {}), "at once");
    ASSERT_EQ(report.sections.back().table.rows.size(), 11U);
    EXPECT_EQ(formatValue(report.sections.back().table.rows[0][3], {}), "100.00");
}

// The limits are written once, in life_cycle_limits; the messages and the README quote them.
TEST(LifeCycle, MessagesAndTheReadmeQuoteTheLimits) {
    using namespace life_cycle_limits;
    std::string money = formatStandard(kMaxMoney);
    money.resize(money.size() - 3); // no cents
    const std::string years = std::to_string(kMinYears) + " to " + std::to_string(kMaxYears);
    const std::string rate = "0 and " + std::to_string(static_cast<int>(kMaxDiscountRatePct)) + " percent";
    const std::string factor = "0 and " + std::to_string(static_cast<int>(kMaxKgCo2ePerKwh)) + " kg";
    for (const Message& m :
         {msg::kPcPriceRange, msg::kAoddPriceRange, msg::kPcMaintenanceRange, msg::kAoddMaintenanceRange})
        EXPECT_NE(m.text.find("0 and " + money + "."), std::string_view::npos) << m.text;
    EXPECT_NE(msg::kEnterYears.text.find(years), std::string_view::npos);
    EXPECT_NE(msg::kDiscountRateRange.text.find(rate), std::string_view::npos);
    const std::string escalation = std::to_string(static_cast<int>(kMaxEscalationPct));
    EXPECT_NE(msg::kEnergyEscalationRange.text.find("0 and " + escalation + " percent"),
              std::string_view::npos);
    EXPECT_NE(msg::kEmissionFactorRange.text.find(factor), std::string_view::npos);

    std::ifstream file(PUMPVALE_SOURCE_DIR "/README.md");
    const std::string readme((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (const std::string& row : {"| 0 to " + money + " |", "| whole years, " + years + " |",
                                   "| 0 to " + std::to_string(static_cast<int>(kMaxDiscountRatePct)) + " |",
                                   "| 0 to " + escalation + " |",
                                   "| 0 to " + std::to_string(static_cast<int>(kMaxKgCo2ePerKwh)) + " |"})
        EXPECT_NE(readme.find(row), std::string::npos) << row;
}

} // namespace
} // namespace pumpvale
