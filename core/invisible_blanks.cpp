#include "core/invisible_blanks.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace pumpvale {
namespace {

struct CodePointRange {
    char32_t first;
    char32_t last;
};

// clang-format off
// The non-ASCII characters of the Unicode 15 categories Zs (space separators), Zl, Zp (line and paragraph
// separators) and Cf (format characters), sorted. ASCII blanks are the number rule's own.
constexpr std::array kInvisible{
    CodePointRange{0x00A0,  0x00A0},  // no-break space
    CodePointRange{0x00AD,  0x00AD},  // soft hyphen
    CodePointRange{0x0600,  0x0605},  // Arabic number signs
    CodePointRange{0x061C,  0x061C},  // Arabic letter mark
    CodePointRange{0x06DD,  0x06DD},
    CodePointRange{0x070F,  0x070F},
    CodePointRange{0x0890,  0x0891},
    CodePointRange{0x08E2,  0x08E2},
    CodePointRange{0x1680,  0x1680},  // Ogham space mark
    CodePointRange{0x180E,  0x180E},  // Mongolian vowel separator
    CodePointRange{0x2000,  0x200F},  // en quad .. hair space, zero-width space, ZWNJ, ZWJ, LRM, RLM
    CodePointRange{0x2028,  0x202F},  // line and paragraph separators, embeddings, narrow no-break space
    CodePointRange{0x205F,  0x2064},  // medium mathematical space, word joiner, invisible operators
    CodePointRange{0x2066,  0x206F},  // isolates and deprecated format characters
    CodePointRange{0x3000,  0x3000},  // ideographic space
    CodePointRange{0xFEFF,  0xFEFF},  // zero-width no-break space, the byte order mark
    CodePointRange{0xFFF9,  0xFFFB},  // interlinear annotation
    CodePointRange{0x110BD, 0x110BD},
    CodePointRange{0x110CD, 0x110CD},
    CodePointRange{0x13430, 0x1343F}, // Egyptian hieroglyph format controls
    CodePointRange{0x1BCA0, 0x1BCA3}, // shorthand format controls
    CodePointRange{0x1D173, 0x1D17A}, // musical symbol format controls
    CodePointRange{0xE0001, 0xE0001}, // language tag
    CodePointRange{0xE0020, 0xE007F}, // tag characters
};
// clang-format on

constexpr bool sortedAndApart() {
    for (std::size_t i = 0; i < kInvisible.size(); ++i)
        if (kInvisible[i].first > kInvisible[i].last ||
            (i > 0 && kInvisible[i - 1].last >= kInvisible[i].first))
            return false;
    return true;
}
static_assert(sortedAndApart());

bool isInvisible(char32_t codePoint) {
    const auto* range = std::ranges::upper_bound(kInvisible, codePoint, {}, &CodePointRange::first);
    return range != kInvisible.begin() && codePoint <= std::prev(range)->last;
}

struct Decoded {
    char32_t codePoint = 0;
    std::size_t length = 0; // 0: not a well-formed sequence
};

// One UTF-8 sequence of two to four bytes; overlong forms and surrogates are not well formed.
Decoded decode(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1FU;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0FU;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07U;
        smallest = 0x10000;
    } else {
        return {};
    }
    if (text.size() < length)
        return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80U)
            return {};
        codePoint = (codePoint << 6U) | (byte(i) & 0x3FU);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return {};
    return {codePoint, length};
}

} // namespace

std::size_t invisibleCharacterLength(std::string_view text) {
    if (text.empty() || static_cast<std::uint8_t>(text[0]) < 0x80)
        return 0;
    const Decoded decoded = decode(text);
    return decoded.length != 0 && isInvisible(decoded.codePoint) ? decoded.length : 0;
}

} // namespace pumpvale
