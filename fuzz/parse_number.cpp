// Fuzzes the rule by which every entry text becomes a number, and the Standard format of the numbers it
// gives.
//
// Each input is checked twice: as the text it is, against properties that hold for any text, and spelt
// in the alphabet of numbers, against the C library's strtod, which reads the same grammar once blanks
// are gone and no letter but E can be spelt (no hexadecimal, "inf" or "nan").
#include "core/cost.h"
#include "core/invisible_blanks.h"
#include "core/operating_case.h"
#include "fuzz/check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace pumpvale::fuzz {
namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char ch : text)
        if (!isBlank(ch))
            out += ch;
    return out;
}

// After the blanks, visible or not.
bool startsWithSign(std::string_view text) {
    while (!text.empty()) {
        if (isBlank(text[0]))
            text.remove_prefix(1);
        else if (const std::size_t length = invisibleCharacterLength(text))
            text.remove_prefix(length);
        else
            break;
    }
    return !text.empty() && (text[0] == '+' || text[0] == '-');
}

// The same bytes as a text of signs, digits, points, exponents and blanks.
std::string numberShaped(std::string_view bytes) {
    static constexpr std::string_view kAlphabet = "0123456789.eE+- 0123456789.";
    std::string out;
    for (char ch : bytes)
        out += kAlphabet[static_cast<unsigned char>(ch) % kAlphabet.size()];
    return out;
}

// Well-formed UTF-8, as the window hands its entries over: no stray, overlong or surrogate sequence.
bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || text.size() - i < length)
            return false;
        const auto second = length > 1 ? static_cast<unsigned char>(text[i + 1]) : 0x80;
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

void checkAnyText(std::string_view text) {
    const double value = parseLeadingNumber(text);
    check(!std::isnan(value), "a text never reads as NaN", text);
    // In bytes that are not UTF-8, taking out a blank can join two stray bytes into a character.
    if (isUtf8(text))
        check(parseLeadingNumber(withoutBlanks(text)) == value, "blanks anywhere change nothing", text);
    check(parseLeadingNumber(std::string(text) + "x") == value, "what follows the number is ignored", text);
    check(parseLeadingNumber("\u00A0\u200F" + std::string(text)) == value,
          "invisible characters in front change nothing", text);
    if (!startsWithSign(text)) {
        check(parseLeadingNumber("-" + std::string(text)) == -value, "a minus sign negates", text);
        check(parseLeadingNumber("+" + std::string(text)) == value, "a plus sign changes nothing", text);
    }
}

void checkAgainstStrtod(const std::string& text) {
    const std::string bare = withoutBlanks(text);
    const double expected = std::strtod(bare.c_str(), nullptr);
    check(parseLeadingNumber(text) == expected, "the number strtod reads", text);
}

// The shown amount reads back as the amount to within half a cent, apart from the last binary places of
// a large one.
void checkStandardFormat(double value) {
    if (!std::isfinite(value))
        return;
    std::string shown = checkShownAmount(value, "a finite amount shows as a number");
    std::erase(shown, ',');
    const double back = parseLeadingNumber(shown);
    const double larger = std::fmax(std::fabs(value), std::fabs(back));
    const double lastPlace = std::nextafter(larger, INFINITY) - larger;
    check(std::fabs(back - value) <= 0.005 * (1 + 1e-9) + lastPlace, "the shown amount is the amount", shown);
}

} // namespace
} // namespace pumpvale::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pumpvale::fuzz;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    checkAnyText(bytes);
    checkStandardFormat(pumpvale::parseLeadingNumber(bytes));

    const std::string shaped = numberShaped(bytes);
    checkAnyText(shaped);
    checkAgainstStrtod(shaped);
    checkStandardFormat(pumpvale::parseLeadingNumber(shaped));

    // The first eight bytes as a double reach every magnitude, subnormals included.
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        checkStandardFormat(raw);
    }
    return 0;
}
