// The duty list reader: delimiters, line ends, quotes, headers, and the refusal of every cell that is not
// what its column holds, named by row and column.
#include "cases/csv_writer.h"
#include "cases/duty_list.h"
#include "checks/currency.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace pumpvale::cases {
using namespace std::string_literals;
namespace {

const std::string kHeader = "units,pc_stages,pressure,flow,air_pressure,weeks,days,hours,currency,inlet";
const std::string kRow = "English,1,60,10,90,52,7,24,US Dollars,1";

std::string semicolons(std::string text) {
    std::replace(text.begin(), text.end(), ',', ';');
    return text;
}

struct Read {
    std::optional<FileError> fileError;
    std::vector<DutyRow> rows;
};

Read readAll(const std::string& text) {
    std::istringstream in(text);
    DutyListReader reader(in);
    Read read;
    if ((read.fileError = reader.start()))
        return read;
    for (DutyRow row; reader.next(row);)
        read.rows.push_back(row);
    read.fileError = reader.error();
    return read;
}

struct ReadCase {
    const char* name;
    std::string text;
    std::string fileError;         // a part of the whole file's fault; empty: none
    std::vector<std::string> rows; // each row: empty when accepted, else a part of its refusal
};
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const ReadCase kReadCases[] = {
    {"CommaAndLf",              kHeader + "\n" + kRow + "\n", "", {""}},
    {"SemicolonAndCrlf",        semicolons(kHeader + "\r\n" + kRow + "\r\n"), "", {""}},
    {"ByteOrderMarkAndNoLastLineBreak", "\xEF\xBB\xBF" + kHeader + "\n" + kRow, "", {""}},
    {"CrCrlfAndLfMixed",        kHeader + "\r" + kRow + "\r\n" + kRow + "\n" + kRow, "", {"", "", ""}},
    {"BlankLinesPassedOver",    "\n" + kHeader + "\n\n" + kRow + "\n\r\n", "", {""}},
    {"HeadersInAnyOrderAndCase", " INLET,Currency,HOURS,days,Weeks,Air_Pressure,Flow,Pressure,PC_Stages,Units\n"
                                "1,us dollars,24,7,52,90,10,60,1,english\n", "", {""}},
    {"DecimalCommaInASemicolonFile", semicolons(kHeader) + "\nEnglish;1;4,5;10;90;52;7;24;US Dollars;1\n", "",
                                {"Row 2, column pressure (cell C2): \"4,5\" is not a number. A number in a duty list "
                                 "has a period as its decimal point and no thousands separator"}},
    {"QuotedThousandsNotGuessed", kHeader + "\nEnglish,1,60,\"1,000\",90,52,7,24,US Dollars,1\n", "",
                                {"\"1,000\" is not a number. A number in a duty list has a period"}},
    {"UnitAfterTheNumber",      kHeader + "\nEnglish,1,12 psi,10,90,52,7,24,US Dollars,1\n", "",
                                {"Row 2, column pressure (cell C2): \"12 psi\" is not a number. Write 12 alone"}},
    {"UnknownUnits",            kHeader + "\nMetric,1,60,10,90,52,7,24,US Dollars,1\n", "", {"column units (cell A2)"}},
    {"EmptyUnits",              kHeader + "\n,1,60,10,90,52,7,24,US Dollars,1\n", "", {"The cell is empty. Write English or SI."}},
    {"ThreeStages",             kHeader + "\nEnglish,3,60,10,90,52,7,24,US Dollars,1\n", "", {"(cell B2): \"3\""}},
    {"UnknownCurrency",         kHeader + "\nEnglish,1,60,10,90,52,7,24,Dollars,1\n", "", {"\"Dollars\" is not in the currency list: US Dollars, US Cents"}},
    {"DecimalInletSize",        kHeader + "\nEnglish,1,60,10,90,52,7,24,US Dollars,1.5\n", "", {"Write 1 1/2:"}},
    {"NotANumberAtAll",         kHeader + "\nEnglish,1,60,ten,90,52,7,24,US Dollars,1\n", "", {"(cell D2): \"ten\" is not a number."}},
    {"InfinityIsNotANumber",    kHeader + "\nEnglish,1,60,10,inf,52,7,24,US Dollars,1\n", "", {"(cell E2)"}},
    {"TooFewCells",             kHeader + "\nEnglish,1,60,10,90,52,7,24,US Dollars\n", "", {"Row 2 has 9 cells and the header row 10"}},
    {"InvalidUtf8",             kHeader + "\nEnglish,1,60,10,90,52,7,24,US Dollars\xC3\x28,1\n", "", {"(cell I2): the cell is not UTF-8"}},
    {"NulByte",                 kHeader + "\nEnglish,1,60,10,90,52,7,24,US Dollars,1\0\n"s, "", {"NUL byte"}},
    {"StrayQuote",              kHeader + "\nEnglish,1,6\"0,10,90,52,7,24,US Dollars,1\n" + kRow + "\n", "",
                                {"(cell C2): a quote stands inside the cell", ""}},
    {"LongCell",                kHeader + ",tag\n" + kRow + "," + std::string(1 << 20, 'x') + "\n" + kRow + ",y\n", "",
                                {"(cell K2): the cell is longer than 65536 bytes", ""}},
    {"UnclosedQuote",           kHeader + "\n" + kRow + "\n" + "English,1,\"60,10\n" + kRow + "\n",
                                "a quote opens here and never closes", {""}},
    {"EmptyFile",               "", "the file is empty", {}},
    {"HeaderOnly",              kHeader + "\n", "", {}},
    {"MissingColumns",          "units,pc_stages,pressure,flow\nEnglish,1,60,10\n",
                                "lacks the column(s) air_pressure, weeks, days, hours, currency, inlet.", {}},
    {"NoColumnOfADutyList",     "a,b\n1,2\n", "the first row names none of a duty list's columns", {}},
    {"ColumnTwice",             kHeader + ",Pressure\n", "the column pressure appears twice in the header, as columns C and K", {}},
    {"Utf16",                   "\xFF\xFEu\0n\0"s, "the file is UTF-16 text", {}},
    {"TenThousandColumns",      kHeader + std::string(10000, ',') + "\n", "has more than 1000 cells", {}},
};
// clang-format on

class ReadDutyList : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadDutyList, RefusesWhatItCannotReadAndSaysWhy) {
    const ReadCase& k = GetParam();
    const Read read = readAll(k.text);
    const std::string fault = read.fileError ? read.fileError->text : "";
    if (k.fileError.empty())
        EXPECT_EQ(fault, "");
    else
        EXPECT_NE(fault.find(k.fileError), std::string::npos) << fault;
    ASSERT_EQ(read.rows.size(), k.rows.size());
    for (std::size_t i = 0; i < k.rows.size(); ++i) {
        const DutyRow& row = read.rows[i];
        if (k.rows[i].empty()) {
            EXPECT_TRUE(row.point) << row.refusal;
            continue;
        }
        EXPECT_FALSE(row.point);
        EXPECT_NE(row.refusal.find(k.rows[i]), std::string::npos) << row.refusal;
    }
}
INSTANTIATE_TEST_SUITE_P(Files, ReadDutyList, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::string repeated(const std::string& text, std::size_t times) {
    std::string out;
    out.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += text;
    return out;
}

struct LongRowCase {
    const char* name;
    std::string row;
    std::size_t lines; // that the row spans
};
void PrintTo(const LongRowCase& c, std::ostream* os) {
    *os << c.name;
}

// Past the reader's bound of a row, across many of its chunks; each row has some of what still counts
// there: quotes, line breaks (a CR LF split between two chunks included), delimiters.
constexpr std::size_t kLong = 3 << 20;
// clang-format off
const LongRowCase kLongRows[] = {
    {"NulBytes",                 std::string(kLong, '\0'), 1},
    {"Delimiters",               std::string(kLong, ','), 1},
    {"StrayQuotes",              "x" + std::string(kLong, '"'), 1},
    {"LineBreaksInQuotes",       "\"" + repeated("a\r\nb\rc\n", kLong / 7) + "\"", 1 + 3 * (kLong / 7)},
    {"DoubledQuotes",            "\"" + std::string(kLong, '"') + "\",x", 1},
    {"QuotedCellsAndLineBreaks", repeated("\"a\nb\",", kLong / 7), 1 + kLong / 7},
};
// clang-format on

class LongRows : public ::testing::TestWithParam<LongRowCase> {};

// A row past the bound is refused and read over to its true end: the row after it is read, on its line.
TEST_P(LongRows, ArePassedOverToTheirEnd) {
    const Read read = readAll(kHeader + "\n" + GetParam().row + "\n" + kRow + "\n");
    EXPECT_FALSE(read.fileError);
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_FALSE(read.rows[0].point);
    EXPECT_TRUE(read.rows[1].point) << read.rows[1].refusal;
    EXPECT_EQ(read.rows[1].line, 2 + GetParam().lines);
    EXPECT_EQ(read.rows[1].row, 3u);

    const Read unclosed =
        readAll(kHeader + "\n" + kRow + "\n" + GetParam().row + ",\"" + std::string(kLong, 'a'));
    ASSERT_TRUE(unclosed.fileError);
    EXPECT_NE(unclosed.fileError->text.find("a quote opens here and never closes"), std::string::npos);
}
INSTANTIATE_TEST_SUITE_P(Rows, LongRows, ::testing::ValuesIn(kLongRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Whatever a file holds, a message quotes only the start of a cell or a name, cut between characters.
TEST(DutyList, MessagesStayShortWhateverTheFileHolds) {
    const std::string digits(60000, '7'), name(60000, 'n');
    const std::string accents = repeated("\xC3\xA9", 30000);
    const std::string files[] = {
        kHeader + "\nEnglish,1," + digits + "psi,10,90,52,7,24,US Dollars,1\n",
        kHeader + "\nEnglish,1," + digits + ",10,90,52,7,24," + accents + ",1\n",
        kHeader + ",x" + accents + "\n" + kRow + ",\"a\"b\n",
        kHeader + "," + name + "\n" + kRow + "\n",
        name + "\n" + kRow + "\n",
    };
    for (const std::string& file : files) {
        const Read read = readAll(file);
        std::vector<std::string> messages;
        if (read.fileError)
            messages.push_back(read.fileError->text);
        for (const DutyRow& row : read.rows)
            messages.push_back(row.refusal);
        ASSERT_FALSE(messages.empty());
        for (const std::string& message : messages) {
            EXPECT_LE(message.size(), 300u) << message;
            EXPECT_TRUE(isValidUtf8(message)) << message;
        }
    }
}

// A quoted cell keeps its delimiter, its doubled quotes and its line breaks; the other columns come
// through as read, and rows are numbered as a spreadsheet shows them.
TEST(DutyList, CarriesOtherColumnsAsRead) {
    const Read read = readAll("tag," + kHeader + ",note\n\"P-1, \"\"north\"\"\"," + kRow +
                              ",\"two\r\nlines\"\nP-2," + kRow + ", kept \n");
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[0].cells.front(), "P-1, \"north\"");
    EXPECT_EQ(read.rows[0].cells.back(), "two\r\nlines");
    EXPECT_EQ(read.rows[0].line, 2u);
    EXPECT_EQ(read.rows[1].line, 4u);
    EXPECT_EQ(read.rows[1].row, 3u);
    EXPECT_EQ(read.rows[1].cells.back(), " kept ");
}

TEST(DutyList, EmptyCellsAreEmptyEntriesAndThePresetsFillTheRest) {
    const Read read = readAll(kHeader + ",price,compressor_efficiency\nSI,,4.5,,,52,7,24,Euro,,, \n");
    ASSERT_EQ(read.rows.size(), 1u);
    ASSERT_TRUE(read.rows[0].point) << read.rows[0].refusal;
    const DutyPoint& p = *read.rows[0].point;
    EXPECT_EQ(p.units, UnitSystem::SI);
    EXPECT_EQ(p.stages, PumpStages::None);
    EXPECT_EQ(p.pressure, "4.5");
    EXPECT_EQ(p.flow, "");
    EXPECT_FALSE(p.inlet);
    EXPECT_EQ(p.price, "0.053"); // the euro's usual price, as choosing the currency fills it in
    EXPECT_EQ(p.compressorStages, "1");
    EXPECT_EQ(p.compressorEfficiency, "75");
}

// What the window holds is saved as the numbers it reads, and reads back as the point saved.
TEST(DutyList, OneRowDutyListReadsBackAsWhatTheWindowRead) {
    DutyPoint entries{
        UnitSystem::SI, PumpStages::Two,       "4.1 Bar", "37.5", "6.2", "50", "5", "16", "Euro",
        "0.21",         InletSize::OneAndHalf, "2",       "80"};
    const std::string saved = oneRowDutyList(entries, {{"tag", "P-7, \"east\""}});
    const Read read = readAll(saved);
    ASSERT_EQ(read.rows.size(), 1u);
    ASSERT_TRUE(read.rows[0].point) << read.rows[0].refusal;
    entries.pressure = "4.1";
    EXPECT_EQ(*read.rows[0].point, entries);
    EXPECT_EQ(read.rows[0].cells.back(), "P-7, \"east\"");
}

TEST(DutyList, ColumnsAreNamedByTheirSpreadsheetLetters) {
    EXPECT_EQ(columnLetters(0) + columnLetters(25) + columnLetters(26) + columnLetters(701), "AZAAZZ");
}

// The README and the manual page name every column, the Savings Over Time ones too, and every currency.
TEST(DutyList, DocsNameEveryColumnAndCurrency) {
    for (const char* doc : {"README.md", "packaging/pumpvale-batch.1"}) {
        std::ifstream in(std::string(PUMPVALE_SOURCE_DIR) + "/" + doc);
        std::string text{std::istreambuf_iterator<char>(in), {}};
        std::replace(text.begin(), text.end(), '\n', ' ');
        ASSERT_FALSE(text.empty()) << doc;
        for (const DutyColumn& column : kColumns)
            EXPECT_NE(text.find(column.name), std::string::npos) << doc << " lacks " << column.name;
        for (const LifeCycleColumn& column : kLifeCycleColumns)
            EXPECT_NE(text.find(column.name), std::string::npos) << doc << " lacks " << column.name;
        for (const Currency& currency : kCurrencies)
            EXPECT_NE(text.find(currency.name), std::string::npos) << doc << " lacks " << currency.name;
    }
}

} // namespace
} // namespace pumpvale::cases
