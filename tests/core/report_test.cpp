#include "core/cost.h"
#include "core/report.h"
#include "tests/near.h"
#include "tests/worked_example.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace pumpvale {
namespace {

// The engineers' worked example, closed through the cost button: 60 psi, 10 GPM, one stage, all year
// round at 0.065 US Dollars per kWh, an AODD pump of 1-inch inlet using 10 SCFM at 40 psi, behind one
// compressor stage of 75 percent.
struct WorkedExample {
    OperatingCase c;
    AnnualCosts costs;
    WorkedExample() : c(workedExampleCase()) {
        c.unitSystem = UnitSystem::English;
        c.airPressurePsi = 90;
        c.currency = "US Dollars";
        c.inletSize = InletSize::One;
        c.bracket.qaGpm = 7.5; // the 1-inch table's flow points around 10 GPM
        c.bracket.qbGpm = 10;
        c.bracket.scfmAtQa = 9;
        c.bracket.scfmAtQb = 11;
        c.bracket.airPsiAtQa = 38;
        c.bracket.airPsiAtQb = 42;
        computePcPower(c);
        findCostSavings(c, costs, "1", "75");
    }
};

struct Figure {
    const char* key;
    double value;
    const char* shown;
};

// Every figure of the worked example, by the key of its row, and as the report shows it.
// clang-format off
constexpr Figure kWorkedExample[] = {
    {"fluid-pressure",               60,                  "60"},
    {"flow",                         10,                  "10"},
    {"weeks-per-year",               52,                  "52"},
    {"days-per-week",                7,                   "7"},
    {"hours-per-day",                24,                  "24"},
    {"electricity-price",         0.065,               "0.065"},
    {"compressor-stages",            1,                   "1"},
    {"compressor-efficiency",        75,                  "75"},
    {"pc-efficiency",           50.689655172,        "50.6897"},
    {"pc-input-power",          0.69059128903,       "0.690591"},
    {"operating-hours",     8736,                "8,736"},
    {"pc-annual-cost",          292.54043674184,     "292.54"},
    {"air-consumption",              10,                  "10"},
    {"required-air-pressure",        40,                  "40"},
    {"discharge-pressure",           54.7,                "54.7"},
    {"compression-ratio",            3.72108843537415,    "3.72109"},
    {"stage-exponent",               0.28315412186380,    "0.283154"},
    {"ideal-power",       1.02093810892594,    "1.02094"},
    {"air-per-ideal-hp",             9.79491304376946,    "9.79491"},
    {"air-per-input-hp",             7.34618478282710,    "7.34618"},
    {"aodd-annual-cost",             576.63760512838,     "576.64"},
    {"total-savings",                284.09716838654,     "284.10"},
    // Hand calculations: 600 / 1714; the ideal power over the efficiency.
    {"hydraulic-power",              0.35005834305718,    "0.350058"},
    {"compressor-input-power",       1.36125081190125,    "1.36125"},
    // The 1-inch table brackets 10 GPM between its flow points 7.5 and 10.
    {"qa",          7.5,                 "7.5"},
    {"qb",          10,                  "10"},
};
// clang-format on

TEST(CalculationReport, ShowsEveryFigureOfTheWorkedExample) {
    const WorkedExample example;
    const CalculationReport report = buildCalculationReport(example.c, example.costs);
    EXPECT_FALSE(report.pcCostOnly);
    for (const Figure& figure : kWorkedExample) {
        SCOPED_TRACE(figure.key);
        const ReportRow* row = report.find(figure.key);
        ASSERT_NE(row, nullptr);
        EXPECT_TRUE(near(row->value.number, figure.value));
        EXPECT_EQ(formatValue(row->value, {}), figure.shown);
    }
    EXPECT_EQ(report.find("total-savings")->unit, "US Dollars");
    EXPECT_EQ(report.find("pc-only-reason"), nullptr);
    EXPECT_EQ(report.find("electricity-price")->unit, "US Dollars per kWh");
    for (const ReportSection& section : report.sections) {
        for (const ReportRow& row : section.rows) {
            if (section.title != "Inputs") {
                EXPECT_FALSE(row.formula.empty()) << row.name;
            }
        }
    }
}

TEST(CalculationReport, DerivationsQuoteTheirFigures) {
    const WorkedExample example;
    const CalculationReport report = buildCalculationReport(example.c, example.costs);
    const std::string pc = amountDerivation(report, ResultAmount::PcCost, {});
    EXPECT_NE(pc.find("8,736 hours × 0.065 US Dollars per kWh"), std::string::npos) << pc;
    EXPECT_NE(pc.find("= 292.54 US Dollars"), std::string::npos) << pc;
    EXPECT_NE(amountDerivation(report, ResultAmount::AoddCost, {}).find("= 576.64"), std::string::npos);
    EXPECT_NE(amountDerivation(report, ResultAmount::Savings, {}).find("576.64 − 292.54\n= 284.10"),
              std::string::npos);
}

// The AODD cost's derivation speaks the case's units, as the comparison beside it does: in S.I. units it
// read "10 SCFM at 40 psi"; 40 psi is 40 x 0.0689476 = 2.75790 Bar.
TEST(CalculationReport, DerivationSpeaksTheCasesUnits) {
    const struct {
        UnitSystem units;
        const char* pressure;
        const char* otherUnit;
    } cases[] = {{UnitSystem::English, "10 SCFM at 40 psi needs", "Bar"},
                 {UnitSystem::SI, "10 SCFM at 2.7579 Bar needs", "psi"}};
    for (const auto& c : cases) {
        WorkedExample example;
        example.c.unitSystem = c.units;
        const std::string aodd =
            amountDerivation(buildCalculationReport(example.c, example.costs), ResultAmount::AoddCost, {});
        EXPECT_NE(aodd.find(c.pressure), std::string::npos) << aodd;
        EXPECT_EQ(aodd.find(c.otherUnit), std::string::npos) << aodd;
    }
}

// 250 GPM at 60 psi lies above the AODD pumps' flows: 7,313.51 for the PC pump alone (the window
// test's hand calculation), in S.I. units here: 4.136856 Bar and 946.353 l/min.
TEST(CalculationReport, PcOnlyResultSaysWhichRuleMadeIt) {
    WorkedExample example;
    OperatingCase& c = example.c;
    c.unitSystem = UnitSystem::SI;
    c.flowGpm = 250;
    c.aoddFlowOutOfRange = true;
    c.pcCostOnly = true;
    computePcPower(c);
    AnnualCosts costs;
    ASSERT_EQ(findCostSavings(c, costs, "", "").display(), CostDisplay::PcCostOnly);

    const CalculationReport report = buildCalculationReport(c, costs);
    EXPECT_TRUE(report.pcCostOnly);
    EXPECT_EQ(formatValue(report.find("pc-annual-cost")->value, {}), "7,313.51");
    EXPECT_EQ(formatValue(report.find("flow-entered")->value, {}), "946.353");
    EXPECT_EQ(report.find("flow-entered")->unit, "l/min");
    EXPECT_EQ(formatValue(report.find("fluid-pressure-entered")->value, {}), "4.13685");
    for (const char* absent : {"aodd-annual-cost", "total-savings", "inlet-size", "compression-ratio",
                               "air-consumption", "compressor-efficiency"})
        EXPECT_EQ(report.find(absent), nullptr) << absent;
}

// The reason quotes the AODD pumps' ranges in the case's units: an S.I. report read "(0.5 to 200 GPM)".
TEST(CalculationReport, PcOnlyReasonQuotesTheRangesInTheCasesUnits) {
    struct Case {
        UnitSystem units;
        bool pressureOut;
        bool flowOut;
        const char* reason;
    };
    // clang-format off
    const Case cases[] = {
        {UnitSystem::English, false, true, "The flow lies outside the AODD pumps' data (0.5 to 200 GPM)."},
        {UnitSystem::English, true, false, "The fluid pressure lies outside the AODD pumps' data (20 to 100 psi)."},
        {UnitSystem::SI,      false, true, "The flow lies outside the AODD pumps' data (1.893 to 757 l/min)."},
        {UnitSystem::SI,      true,  true, "The fluid pressure lies outside the AODD pumps' data (1.38 to 6.89 Bar). "
                                           "The flow lies outside the AODD pumps' data (1.893 to 757 l/min)."},
    };
    // clang-format on
    for (const Case& k : cases) {
        WorkedExample example;
        example.c.unitSystem = k.units;
        example.c.aoddPressureOutOfRange = k.pressureOut;
        example.c.aoddFlowOutOfRange = k.flowOut;
        example.c.pcCostOnly = true;
        const CalculationReport report = buildCalculationReport(example.c, example.costs);
        EXPECT_EQ(report.find("pc-only-reason")->value.text, k.reason);
    }
}

TEST(CalculationReport, ThreeInchPcOnlyKeepsItsOperatingPoint) {
    WorkedExample example;
    OperatingCase& c = example.c;
    c.inletSize = InletSize::Three;
    c.threeInchOutcome = ThreeInchOutcome::InRange;
    c.airPressurePsi = 30; // below the 40 psi the pump needs
    c.stepStatus = StepStatus::PcCostOnly;
    const CalculationReport report = buildCalculationReport(c, example.costs);
    EXPECT_TRUE(report.pcCostOnly);
    EXPECT_NE(report.find("required-air-pressure"), nullptr);
    EXPECT_EQ(report.find("compression-ratio"), nullptr);
    EXPECT_NE(report.find("pc-only-reason")->value.text.find("air pressure"), std::string::npos);

    c.threeInchOutcome = ThreeInchOutcome::OutOfRange;
    const CalculationReport outside = buildCalculationReport(c, example.costs);
    EXPECT_EQ(outside.find("required-air-pressure"), nullptr);
    EXPECT_NE(outside.find("pc-only-reason")->value.text.find("3-inch"), std::string::npos);
}

struct Shown {
    double value;
    const char* english;
    const char* german;
};

// Figures keep six significant digits whatever their size, and every digit before the point; nothing is shown
// as inf or nan.
// clang-format off
constexpr Shown kFigures[] = {
    {0,              "0",           "0"},
    {1234567.891,    "1,234,568",   "1.234.568"},
    {-0.0123456789,  "-0.0123457",  "-0,0123457"},
    {1e15,           "1E+15",       "1E+15"},
    {1.5e-300,       "1.5E-300",    "1,5E-300"},
    {3.0e307,        "3E+307",      "3E+307"},
    {999999.95,      "1,000,000",   "1.000.000"},
};
// clang-format on

TEST(CalculationReport, FiguresKeepSixSignificantDigits) {
    for (const Shown& s : kFigures) {
        EXPECT_EQ(formatValue(ReportValue::figure(s.value), {}), s.english);
        EXPECT_EQ(formatValue(ReportValue::figure(s.value), {",", "."}), s.german);
    }
    EXPECT_EQ(formatValue(ReportValue::money(1234567.891), {",", "."}), "1.234.567,89");
    for (const double notFinite :
         {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(formatValue(ReportValue::figure(notFinite), {}), "-");
        EXPECT_EQ(formatValue(ReportValue::money(-notFinite), {}), "-");
    }
    EXPECT_EQ(formatValue(ReportValue::money(2.5e300), {}), "2.5E+300"); // not three hundred digits
}

} // namespace
} // namespace pumpvale
