#include "core/cost.h"

#include <charconv>
#include <cmath>
#include <string>

namespace pumpvale {
namespace {

// Adds one to a string of decimal digits.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The magnitude in hundredths, rounded half away from zero, as decimal digits. Rounding works on the
// shortest decimal form that reads back as the same double, so 2.675 rounds as the 2.675 a person
// typed, not as the binary 2.67499999... behind it.
std::string hundredths(double magnitude) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

    // text is d[.ddd]e±X: the value is 0.dddd x 10^(X + 1).
    const auto e = text.find('e');
    std::string digits;
    for (char ch : text.substr(0, e))
        if (ch != '.')
            digits += ch;
    int exponent = 0;
    const auto exponentText = text.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText[0] == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    // Digits that stand before the point once the value is multiplied by 100.
    const int kept = exponent + 1 + 2;
    if (kept < 0)
        return "0";
    const auto keptSize = static_cast<std::size_t>(kept);
    if (digits.size() < keptSize + 1)
        digits.resize(keptSize + 1, '0');
    const bool roundUp = digits[keptSize] >= '5';
    std::string whole(keptSize == 0 ? std::string_view("0") : std::string_view(digits).substr(0, keptSize));
    if (roundUp)
        increment(whole);
    return whole;
}

} // namespace

std::string formatStandard(double value, std::string_view decimalSeparator, std::string_view groupSeparator) {
    if (!std::isfinite(value))
        return {};
    std::string digits = hundredths(std::fabs(value));
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;

    const std::string_view integer(digits.data(), digits.size() - 2);
    std::string out = std::signbit(value) && !isZero ? "-" : "";
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            out += groupSeparator;
        out += integer[i];
    }
    out += decimalSeparator;
    out += digits.substr(digits.size() - 2);
    return out;
}

} // namespace pumpvale
