#include "core/csv_cells.h"

namespace pumpvale {
namespace {

// A loop rather than find_first_of, which asks memchr once for each character of the cell.
bool needsQuotes(std::string_view cell) {
    for (const char ch : cell)
        if (ch == ',' || ch == ';' || ch == '"' || ch == '\r' || ch == '\n')
            return true;
    return false;
}

} // namespace

void appendCsvCell(std::string& line, std::string_view cell) {
    if (!needsQuotes(cell)) {
        line += cell;
        return;
    }
    line += '"';
    for (const char ch : cell) {
        if (ch == '"')
            line += '"';
        line += ch;
    }
    line += '"';
}

std::string csvCell(std::string_view cell) {
    std::string out;
    appendCsvCell(out, cell);
    return out;
}

} // namespace pumpvale
