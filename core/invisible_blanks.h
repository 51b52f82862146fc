// Characters an entry may hold that the user cannot see: Unicode spaces (no-break, narrow, ideographic,
// line and paragraph separators) and invisible format characters (zero-width space, direction marks,
// the byte order mark). Text copied from web pages and documents carries them; the number rule skips
// them as it skips blanks, so "60" pasted with a no-break space in front reads as the 60 the user sees.
#pragma once

#include <cstddef>
#include <string_view>

namespace pumpvale {

// The length in bytes of the UTF-8 encoded invisible character that starts text, or 0 when text does
// not start with one (ASCII, another character, or bytes that are not UTF-8).
std::size_t invisibleCharacterLength(std::string_view text);

} // namespace pumpvale
