#include "core/cost.h"
#include "core/number_format.h"
#include "core/report_layout.h"
#include "tests/near.h"
#include "tests/worked_example.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace pumpvale {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Quantity {
    double value;
    const char* english;
    const char* german;
};

// One rule for every figure that is not money, wherever it is shown: SCFM, psi, Bar, percent, hp, kW,
// GPM, l/min. The comparison window once wrote 16.40 SCFM and 120.0 psi where the details wrote 16.4 and 120.
// clang-format off
constexpr Quantity kQuantities[] = {
    {16.4,           "16.4",       "16,4"},      // SCFM
    {120,            "120",        "120"},       // psi
    {8.27370884,     "8.27371",    "8,27371"},   // Bar
    {75,             "75",         "75"},        // percent
    {0.690591289,    "0.690591",   "0,690591"},  // hp
    {37.8541178,     "37.8541",    "37,8541"},   // l/min
    {1234567.891,    "1,234,568",  "1.234.568"},
    {1.5e-300,       "1.5E-300",   "1,5E-300"},
    {-kInf,          "-",          "-"},         // never shown as inf
};
// clang-format on

TEST(FigureRule, EveryQuantityReadsTheSameEverywhere) {
    for (const Quantity& q : kQuantities) {
        EXPECT_EQ(formatQuantity(q.value, {}), q.english);
        EXPECT_EQ(formatQuantity(q.value, {",", "."}), q.german);
    }
    EXPECT_EQ(formatMoney(std::numeric_limits<double>::quiet_NaN(), {}), "-");
    EXPECT_EQ(withDecimalSeparator("0.06894757 × 14.7 psia; S.I. units; 1.", ","),
              "0,06894757 × 14,7 psia; S.I. units; 1.");
}

// The worked example with a section of its own table, as the inlet comparison adds one.
CalculationReport exampleReport() {
    OperatingCase c = workedExampleCase();
    c.currency = "US Dollars";
    c.inletSize = InletSize::One;
    c.airPressurePsi = 90;
    c.bracket.scfmAtQa = 9;
    c.bracket.scfmAtQb = 11;
    c.bracket.airPsiAtQa = 38;
    c.bracket.airPsiAtQb = 42;
    computePcPower(c);
    AnnualCosts costs;
    findCostSavings(c, costs, "1", "75");
    CalculationReport report = buildCalculationReport(c, costs);
    ReportSection compared{
        "compared", "Compared", {{"stages", "Stages", ReportValue::figure(1), "", ""}}, {}};
    compared.table = {"own", "Each size", {{"Inlet", ""}, {"Air use", "SCFM"}, {"Cost", "US Dollars"}}, {}};
    compared.table.rows.push_back(
        {ReportValue::words("1 inch, \"selected\""), ReportValue::figure(13.5), ReportValue::money(1173.18)});
    compared.table.rows.push_back(
        {ReportValue::words("2 inch"), ReportValue::figure(kInf), ReportValue::words("-")});
    report.sections.push_back(compared);
    return report;
}

TEST(ReportLayout, EverySectionIsATableAndAnOwnTableStandsApart) {
    const CalculationReport report = exampleReport();
    const ReportLayout layout = layoutReport(report, {",", "."});
    std::vector<std::string> keys;
    for (const LayoutTable& table : layout.tables)
        keys.push_back(table.key);
    EXPECT_EQ(keys, (std::vector<std::string>{"inputs", "pc-pump", "aodd-point", "compressor", "annual-costs",
                                              "compared", "own"}));
    const LayoutTable& own = *layout.table("own");
    ASSERT_EQ(own.columns.size(), 3U);
    EXPECT_EQ(own.columns[1].header(), "Air use (SCFM)");
    EXPECT_EQ(own.rows[0][1].text, "13,5");
    EXPECT_TRUE(own.rows[0][1].number);
    EXPECT_EQ(own.rows[1][1].text, "-");
    EXPECT_EQ(layout.table("compared")->columns.size(), 4U);
    // Rows keep their keys; a constant in a formula follows the page's separator.
    const LayoutTable& compressor = *layout.table("compressor");
    EXPECT_EQ(compressor.rowKeys.front(), "discharge-pressure");
    EXPECT_EQ(compressor.rows.front()[3].text, "14,7 + required air pressure");
    EXPECT_EQ(layout.dutyPoint, "60 psi, 10 US GPM");
}

// A minimal RFC 4180 reader: quoted fields, doubled quotes, CRLF records.
std::vector<std::vector<std::string>> readCsv(const std::string& text) {
    std::vector<std::vector<std::string>> records(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (ch == '"')
                quoted = false;
            else
                field += ch;
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ',') {
            records.back().push_back(std::move(field));
            field.clear();
        } else if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            records.back().push_back(std::move(field));
            field.clear();
            records.emplace_back();
            ++i;
        } else {
            field += ch;
        }
    }
    records.pop_back(); // after the last line end
    return records;
}

TEST(ReportLayout, CsvHoldsEveryFigureInFullWithAPeriod) {
    const std::vector<std::vector<std::string>> rows =
        readCsv(reportCsv(layoutReport(exampleReport(), {",", "."})));
    ASSERT_GT(rows.size(), 30U);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Section", "Quantity", "Value", "Unit"}));
    for (const auto& row : rows)
        ASSERT_EQ(row.size(), 4U);
    const auto find = [&](const std::string& quantity) {
        for (const auto& row : rows)
            if (row[1] == quantity)
                return row;
        return std::vector<std::string>{};
    };
    // Every digit: the six shown (50.6897) would read back far from the model's number.
    EXPECT_TRUE(near(std::stod(find("PC pump efficiency")[2]), 50.689655172));
    EXPECT_EQ(find("PC pump efficiency")[3], "percent");
    EXPECT_EQ(find("Operating hours per year")[2], "8736");
    EXPECT_EQ(find("durvane annual cost")[3], "US Dollars");
    EXPECT_EQ(find("1 inch, \"selected\": Air use"),
              (std::vector<std::string>{"Each size", "1 inch, \"selected\": Air use", "13.5", "SCFM"}));
    EXPECT_EQ(find("2 inch: Air use"), std::vector<std::string>{}); // not finite: left out
    // The entries in words say what the figures are about; the verdict leads.
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Summary", "Verdict",
                                                 "The durvane PC pump costs 284,10 US Dollars a year less in "
                                                 "electricity than the AODD pump.",
                                                 ""}));
    EXPECT_EQ(find("Currency"), (std::vector<std::string>{"Inputs", "Currency", "US Dollars", ""}));
    EXPECT_EQ(find("Unit system")[2], "English units (psi, US GPM)");
    EXPECT_EQ(find("AODD inlet size"),
              (std::vector<std::string>{"Summary", "AODD inlet size", "1 inch", ""}));
    EXPECT_EQ(find("Total savings")[0], "Summary");
    EXPECT_TRUE(near(std::stod(find("Total savings")[2]), 284.097168, 1e-8));
}

struct SummaryCase {
    const char* name;
    void (*change)(OperatingCase&, AnnualCosts&);
    std::vector<std::string> keys;  // the summary's rows
    std::vector<std::string> texts; // their values as shown
    const char* verdict;
};

// clang-format off
const SummaryCase kSummaries[] = {
    {"PcCheaper", [](OperatingCase&, AnnualCosts& a) { a = {292.54, 1173.18, 880.64}; },
     {"inlet-size", "aodd-annual-cost", "pc-annual-cost", "total-savings"},
     {"1 inch", "1,173.18", "292.54", "880.64"},
     "The durvane PC pump costs 880.64 US Dollars a year less in electricity than the AODD pump."},
    {"AoddCheaper", [](OperatingCase&, AnnualCosts& a) { a = {300, 100, -200}; },
     {"inlet-size", "aodd-annual-cost", "pc-annual-cost", "total-savings"},
     {"1 inch", "100.00", "300.00", "-200.00"},
     "The AODD pump costs 200.00 US Dollars a year less in electricity than the durvane PC pump."},
    {"PcOnly", [](OperatingCase& c, AnnualCosts&) { c.pcCostOnly = true; c.aoddPressureOutOfRange = true; },
     {"pc-annual-cost"}, {"292.54"},
     "Only the durvane PC pump was costed. The fluid pressure lies outside the AODD pumps' data (20 to 100 psi)."},
};
// clang-format on

// The answer before the working: the amounts as the results show them and one sentence, or, for a
// PC-only result, its cost and why the AODD pump is not costed. A report of other sections has none.
TEST(ReportLayout, SummaryLeadsWithTheAnswer) {
    for (const SummaryCase& s : kSummaries) {
        SCOPED_TRACE(s.name);
        OperatingCase c = workedExampleCase();
        c.currency = "US Dollars";
        c.inletSize = InletSize::One;
        computePcPower(c);
        AnnualCosts costs;
        findCostSavings(c, costs, "1", "75");
        s.change(c, costs);
        const ReportLayout layout = layoutReport(buildCalculationReport(c, costs), {});
        EXPECT_EQ(layout.summary.rowKeys, s.keys);
        std::vector<std::string> texts;
        for (const auto& row : layout.summary.rows)
            texts.push_back(row.at(1).text);
        EXPECT_EQ(texts, s.texts);
        EXPECT_EQ(layout.verdict, s.verdict);
    }
    const ReportLayout other = layoutReport(CalculationReport{}, {});
    EXPECT_TRUE(other.summary.rows.empty());
    EXPECT_EQ(other.verdict, "");
}

// The columns a duty list carried head the figures, blank ones left out, their names made readable and
// their words as the file holds them (no decimal comma put in); a case typed in has none.
TEST(ReportLayout, CaseIdentityHeadsTheFigures) {
    CalculationReport report = exampleReport();
    EXPECT_EQ(readCsv(reportCsv(layoutReport(report, {})))[1][0], "Summary");
    report.identity = caseIdentity(
        {{"tag", " P-1.5 "}, {"plant_area", ""}, {"location", "Filter press feed,\r\nnorth"}, {"", "x"}});
    const ReportLayout layout = layoutReport(report, {",", "."});
    ASSERT_EQ(layout.identity.size(), 3U);
    EXPECT_EQ(identityText(layout.identity[0]), "Tag: P-1.5");
    EXPECT_EQ(identityText(layout.identity[2]), "x");
    const std::vector<std::vector<std::string>> rows = readCsv(reportCsv(layout));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Case", "Tag", "P-1.5", ""}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Case", "Location", "Filter press feed,  north", ""}));
    EXPECT_EQ(rows[4][0], "Summary");
}

} // namespace
} // namespace pumpvale
