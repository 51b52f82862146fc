// The plant list's store, order and totals: rows kept compactly come back as read (and open as the same
// case), every column sorts with blanks last and ties in the file's order, rows merged in as they are
// costed land where a whole sort puts them, and the totals are the rows' sums per currency.
#include "cases/plant_report.h"
#include "tests/near.h"

#include <gtest/gtest.h>
#include <numeric>
#include <sstream>

namespace pumpvale::cases {
namespace {

const std::string kHeader =
    "tag,units,pc_stages,pressure,flow,air_pressure,weeks,days,hours,currency,price,"
    "inlet,compressor_stages,compressor_efficiency,emission_factor,pc_price,aodd_price\n";

// clang-format off
const std::vector<std::string> kRows{
    "P-10,English,1,60,10,90,52,7,24,US Dollars,,1,,,0.4,3000,1500",
    "P-9,English,1,45,35,90,50,5,8,US Dollars,0.072,1 1/2,,,,,",
    "p-9,English,2,95,60,120,52,7,24,US Dollars,0.072,3,2,80,0.2,900,1500",
    "P-11,English,1,30,250,90,52,7,24,US Dollars,,,,,,,",           // past the AODD flows: PC only
    "P-12,SI,1,\"4,5\",300,7,46,5,24,Euro,0.21,1 1/2,,,,,",          // the reader refuses it
    "\"P-13, \"\"north\"\"\",SI,1,3.5,120,6.5,46,5,16,Euro,0.21,1 1/2,1,70,0.3,,",
    "P-14,English,1,60,10,90,52,7,24,US Dollars,,,,,,,",            // no inlet: refused
    "P-10,English,1,60,10,90,52,7,24,US Dollars,,1,,,0.4,3000,1500", // ties the first
};
// clang-format on

struct Read {
    std::istringstream in;
    DutyListReader reader{in};
    PlantList list;
    PlantReading reading;

    explicit Read(const std::string& text, std::size_t chunkRows = 3) : in(text) {
        EXPECT_FALSE(reader.start());
        reading = readPlantList(
            reader,
            [this](PlantList&& chunk) {
                list.append(std::move(chunk));
                return true;
            },
            chunkRows);
    }
};

std::string survey() {
    std::string text = kHeader;
    for (const std::string& row : kRows)
        text += row + "\n";
    return text;
}

TEST(PlantList, RowsComeBackAsReadAndOpenAsTheSameCase) {
    const std::string longTag(300, 'x'); // a cell's length past one byte of its own
    Read read(survey() + longTag + ",English,1,60,10,90,52,7,24,US Dollars,,1,,,,,\n");
    ASSERT_EQ(read.list.size(), kRows.size() + 1);
    EXPECT_EQ(read.reading.rows, kRows.size() + 1);

    std::istringstream again(survey() + longTag + ",English,1,60,10,90,52,7,24,US Dollars,,1,,,,,\n");
    DutyListReader reader(again);
    ASSERT_FALSE(reader.start());
    DutyRow row;
    for (std::size_t k = 0; reader.next(row); ++k) {
        const DutyRow kept = read.list.dutyRow(k, read.reader);
        EXPECT_EQ(kept.row, row.row);
        EXPECT_EQ(kept.cells, row.cells);
        EXPECT_EQ(kept.refusal, row.refusal);
        EXPECT_EQ(read.reader.caseOf(kept), reader.caseOf(row)) << "row " << row.row;
        if (row.point)
            EXPECT_EQ(read.list.message(k), runAsTheWindow(*row.point).messages.empty()
                                                ? std::string_view{}
                                                : runAsTheWindow(*row.point).messages.front().text);
        else
            EXPECT_EQ(read.list.message(k), row.refusal);
    }
    EXPECT_EQ(read.list.cell(kRows.size(), 0), longTag);
    EXPECT_EQ(read.list.cell(5, 0), "P-13, \"north\"");
}

// Seventy thousand rows span blocks of records and of cells; each comes back as it was read.
TEST(PlantList, ManyRowsCrossTheStoresBlocks) {
    std::string text = kHeader;
    constexpr std::size_t kRowCount = 70000;
    for (std::size_t i = 0; i < kRowCount; ++i) // the reader refuses them, quickly: "4,5" is no number
        text += "R-" + std::to_string(i) + std::string(i % 97, '.') +
                ",SI,1,\"4,5\",300,7,46,5,24,Euro,,1,,,,,\n";
    Read read(text, 5000);
    ASSERT_EQ(read.list.size(), kRowCount);
    for (std::size_t k = 0; k < kRowCount; ++k) {
        ASSERT_EQ(read.list.cell(k, 0), "R-" + std::to_string(k) + std::string(k % 97, '.'));
        ASSERT_EQ(read.list.rowNumber(k), k + 2);
    }
    EXPECT_NE(read.list.message(kRowCount - 1).find("Row 70001, column pressure"), std::string_view::npos);
}

struct NaturalCase {
    const char* a;
    const char* b;
    int order;
};

TEST(PlantList, NamesSortAsPeopleSortThem) {
    // clang-format off
    const NaturalCase cases[] = {
        {"P-9", "P-10", -1}, {"p-10", "P-10", 0}, {"A2", "A10", -1}, {"007", "7", 0}, {"abc", "abd", -1},
        {"Tank 3", "Tank 3, north", -1}, {"", "a", -1}, {"B", "a", 1}, {"x99y", "x100", -1},
        {"a0", "a", 1}, {"a-1", "a1", -1}, {"2 inch", "10 inch", -1}, {"p-103", "P-103 ", -1},
    };
    // clang-format on
    for (const NaturalCase& c : cases) {
        EXPECT_EQ(naturalCompare(c.a, c.b), c.order) << c.a << " / " << c.b;
        EXPECT_EQ(naturalCompare(c.b, c.a), -c.order) << c.b << " / " << c.a;
        std::string a;
        std::string b;
        appendNaturalKey(a, c.a);
        appendNaturalKey(b, c.b);
        EXPECT_EQ(a.compare(b) < 0   ? -1
                  : a.compare(b) > 0 ? 1
                                     : 0,
                  c.order)
            << "keys of " << c.a << " / " << c.b;
    }
}

// Every column, both ways: blanks last, ties in the file's order, and a list merged from two sorted
// halves (rows arriving while the list is sorted) in the same order as one sort of the whole.
TEST(PlantList, EveryColumnSortsWithBlanksLastAndMergesAsItSorts) {
    Read read(survey());
    const PlantTable table(read.reader);
    ASSERT_TRUE(table.hasLifeCycle());
    const std::vector<std::uint32_t> all = shownRows(read.list, StatusFilter::All);
    for (std::size_t column = 0; column < table.columns().size(); ++column) {
        for (const bool descending : {false, true}) {
            std::vector<std::uint32_t> sorted = all;
            table.sort(sorted, read.list, column, descending);
            const std::string name = table.columns()[column].heading + (descending ? " down" : " up");
            for (std::size_t i = 1; i < sorted.size(); ++i) {
                EXPECT_TRUE(table.before(read.list, sorted[i - 1], sorted[i], column, descending)) << name;
                const bool blank = table.text(read.list, sorted[i - 1], column, {}).empty();
                EXPECT_TRUE(!blank || table.text(read.list, sorted[i], column, {}).empty()) << name;
            }
            std::vector<std::uint32_t> merged(all.begin(), all.begin() + 4);
            std::vector<std::uint32_t> later(all.begin() + 4, all.end());
            table.sort(merged, read.list, column, descending);
            table.sort(later, read.list, column, descending);
            merged.insert(merged.end(), later.begin(), later.end());
            std::inplace_merge(merged.begin(), merged.begin() + 4, merged.end(), [&](auto a, auto b) {
                return table.before(read.list, a, b, column, descending);
            });
            EXPECT_EQ(merged, sorted) << name;
        }
    }
    std::vector<std::uint32_t> bySavings = all;
    table.sort(bySavings, read.list, table.savingsColumn(), true);
    const auto first = std::find(bySavings.begin(), bySavings.end(), 0U); // the two equal rows, in order
    ASSERT_NE(first + 1, bySavings.end());
    EXPECT_EQ(first[1], 7U);
}

TEST(PlantList, TotalsAreTheRowsSumsPerCurrency) {
    Read read(survey(), 2);
    for (const StatusFilter filter : {StatusFilter::All, StatusFilter::Costed, StatusFilter::Refused}) {
        const std::vector<CurrencyTotals> totals = totalsOf(read.list, filter);
        std::size_t rows = 0;
        for (const CurrencyTotals& t : totals) {
            double savings = 0;
            double kwh = 0;
            double co2 = 0;
            std::size_t costed = 0;
            for (std::size_t k = 0; k < read.list.size(); ++k) {
                const PlantFigures f = read.list.figures(k);
                if (!shows(filter, f.status) || f.currency != t.currency)
                    continue;
                ++rows;
                if (f.status != RunStatus::Costed)
                    continue;
                ++costed;
                savings += f.costs->totalSavings;
                kwh += f.savedKwh.value_or(0);
                co2 += f.co2AvoidedKg.value_or(0);
            }
            EXPECT_EQ(t.costed, costed);
            EXPECT_TRUE(near(t.savings, savings, 1e-12));
            EXPECT_TRUE(near(t.savedKwh, kwh, 1e-12));
            EXPECT_TRUE(near(t.co2AvoidedKg, co2, 1e-12));
        }
        EXPECT_EQ(rows, shownRows(read.list, filter).size());
    }
    const std::vector<CurrencyTotals> all = totalsOf(read.list, StatusFilter::All);
    ASSERT_EQ(all.size(), 3U); // US Dollars, Euro, and the row the reader refused
    EXPECT_EQ(all[0].currency, "US Dollars");
    EXPECT_EQ(all[0].co2Rows, 3U);
    EXPECT_EQ(all[1].currency, "");
    EXPECT_EQ(all[1].refused, 1U);
    EXPECT_EQ(all[2].pcOnly + all[2].costed, 1U);
}

} // namespace
} // namespace pumpvale::cases
