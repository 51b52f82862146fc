// The one rule by which the program writes a CSV cell, for every file it writes (a duty list, the
// batch's costed list, the report's figures).
#pragma once

#include <string>
#include <string_view>

namespace pumpvale {

// Appends cell to line, in quotes (each quote doubled) when it holds a comma, a semicolon, a quote or
// a line break: RFC 4180, and read back whole by a reader that takes either delimiter.
void appendCsvCell(std::string& line, std::string_view cell);

// The cell as appendCsvCell writes it.
std::string csvCell(std::string_view cell);

} // namespace pumpvale
