// Texts in the order people sort names: digits by the number they write ("P-9" before "P-10", "007"
// as "7"), letters without regard to case, any other byte by its value. The plant list sorts its text
// columns so, comparing two cells directly (naturalCompare) or, for a whole column, each cell's key
// made once (appendNaturalKey), whose bytes compare in the same order.
#pragma once

#include <string>
#include <string_view>

namespace pumpvale::cases {

// Negative, 0 or positive.
int naturalCompare(std::string_view a, std::string_view b);
// Appends a key of text whose bytes compare as naturalCompare compares the texts.
void appendNaturalKey(std::string& key, std::string_view text);

} // namespace pumpvale::cases
