#include "core/number_format.h"

#include "core/cost.h"

#include <algorithm>
#include <array>
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

// The magnitude in units of 10^-decimals, rounded half away from zero, as decimal digits. Rounding
// works on the shortest decimal form that reads back as the same double, so 2.675 rounds as the 2.675 a
// person typed, not as the binary 2.67499999... behind it; and no double is multiplied, which past
// about 1e13 would no longer hold the digit to round.
std::string roundedDigits(double magnitude, int decimals) {
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

    // Digits that stand before the point once the value is multiplied by 10^decimals.
    const int kept = exponent + 1 + decimals;
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
    std::string digits = roundedDigits(std::fabs(value), 2);
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

namespace {

std::string grouped(std::string_view integer, const std::string& group) {
    std::string out;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            out += group;
        out += integer[i];
    }
    return out;
}

std::string withoutTrailingZeros(std::string digits) {
    if (digits.find('.') == std::string::npos)
        return digits;
    while (digits.back() == '0')
        digits.pop_back();
    if (digits.back() == '.')
        digits.pop_back();
    return digits;
}

constexpr int kSignificantDigits = 6;
constexpr double kLargestPlainQuantity = 1e12;
constexpr double kSmallestPlainQuantity = 1e-4;
constexpr double kLargestPlainAmount = 1e15;
const std::string kNotShown = "-";

} // namespace

std::string formatQuantity(double value, const Separators& separators) {
    if (!std::isfinite(value))
        return kNotShown;
    if (value == 0)
        return "0";
    const double magnitude = std::fabs(value);
    std::array<char, 64> buffer{};
    const std::string sign = value < 0 ? "-" : "";
    if (magnitude >= kLargestPlainQuantity || magnitude < kSmallestPlainQuantity) {
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, kSignificantDigits - 1)
                             .ptr;
        const std::string text(buffer.data(), end);
        const auto e = text.find('e');
        std::string mantissa = withoutTrailingZeros(text.substr(0, e));
        if (const auto point = mantissa.find('.'); point != std::string::npos)
            mantissa.replace(point, 1, separators.decimal);
        return sign + mantissa + "E" + text.substr(e + 1);
    }
    const int decimals =
        std::max(0, kSignificantDigits - 1 - static_cast<int>(std::floor(std::log10(magnitude))));
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    const std::string text = withoutTrailingZeros(std::string(buffer.data(), end));
    const auto point = text.find('.');
    std::string out = sign + grouped(std::string_view(text).substr(0, point), separators.group);
    if (point != std::string::npos)
        out += separators.decimal + text.substr(point + 1);
    return out;
}

std::string formatYears(double years, const Separators& separators) {
    if (!std::isfinite(years))
        return kNotShown;
    if (std::fabs(years) >= kLargestPlainAmount)
        return formatQuantity(years, separators);
    std::string digits = roundedDigits(std::fabs(years), 1); // 0.15 gives 2, as typed
    if (digits.size() < 2)
        digits.insert(0, 2 - digits.size(), '0');
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    const std::string sign = years < 0 && !isZero ? "-" : "";
    return sign + grouped(std::string_view(digits).substr(0, digits.size() - 1), separators.group) +
           separators.decimal + digits.back();
}

std::string formatMoney(double value, const Separators& separators) {
    if (!std::isfinite(value))
        return kNotShown;
    if (std::fabs(value) >= kLargestPlainAmount)
        return formatQuantity(value, separators);
    return formatStandard(value, separators.decimal, separators.group);
}

std::string formatMoneyBrief(double value, const Separators& separators) {
    std::string text = formatMoney(value, separators);
    const std::string zeroCents = separators.decimal + "00";
    if (text.size() > zeroCents.size() && text.ends_with(zeroCents))
        text.resize(text.size() - zeroCents.size());
    return text;
}

std::string withDecimalSeparator(std::string text, const std::string& decimal) {
    if (decimal == ".")
        return text;
    const auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '.' && i > 0 && i + 1 < text.size() && digit(text[i - 1]) && digit(text[i + 1]))
            out += decimal;
        else
            out += text[i];
    }
    return out;
}

std::size_t numberLength(std::string_view text) {
    const auto isDigit = [](char ch) { return ch >= '0' && ch <= '9'; };
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            ++digits;
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

void appendExactNumber(std::string& out, double value) {
    if (!std::isfinite(value))
        return;
    std::array<char, 32> buffer{};
    out.append(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
}

std::string exactNumber(double value) {
    std::string text;
    appendExactNumber(text, value);
    return text;
}

} // namespace pumpvale
