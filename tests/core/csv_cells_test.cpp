// A CSV cell as every file of the program writes it. The report's figures file used to leave a semicolon
// unquoted, which splits the cell where the semicolon is the delimiter.
#include "core/csv_cells.h"

#include <gtest/gtest.h>

namespace pumpvale {
namespace {

TEST(CsvCell, QuotedWhereEitherDelimiterAQuoteOrALineBreakStands) {
    const std::pair<std::string_view, std::string_view> cells[] = {
        {"Flow", "Flow"},
        {"", ""},
        {"P-7, east", R"("P-7, east")"},
        {"kWh; a year", R"("kWh; a year")"},
        {R"(say "60")", R"("say ""60""")"},
        {"two\nlines", "\"two\nlines\""},
        {"two\rlines", "\"two\rlines\""},
    };
    for (const auto& [cell, written] : cells)
        EXPECT_EQ(csvCell(cell), written) << cell;
}

} // namespace
} // namespace pumpvale
