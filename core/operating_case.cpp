#include "core/operating_case.h"

#include "core/invisible_blanks.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace pumpvale {
namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}
bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Reads the text with its blanks, visible or not, skipped, one character at a time.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) { skipBlanks(); }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void next() {
        ++pos_;
        skipBlanks();
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size()) {
            if (isBlank(text_[pos_]))
                ++pos_;
            else if (const std::size_t length = invisibleCharacterLength(text_.substr(pos_)))
                pos_ += length;
            else
                break;
        }
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The value is 0.ddd x 10^scale with d the significant digits. Past this scale it over- or underflows
// any double. An exponent written in the text is clamped far beyond it, yet so that adding the digits'
// own scale (at most the text's length) cannot overflow; the sum is clamped afterwards.
constexpr long long kScaleCap = 100'000;
constexpr long long kExponentCap = 1'000'000'000'000'000LL;

// Most entries are a plain number: a sign, digits and at most one point, nothing else. Such a text is
// read as it stands, short enough that it can neither over- nor underflow; any other goes the long way.
std::optional<double> plainNumber(std::string_view text) {
    constexpr std::size_t kPlainLength = 30;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty() || text.size() > kPlainLength ||
        text.find_first_not_of("0123456789.") != std::string_view::npos ||
        std::count(text.begin(), text.end(), '.') > 1)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

void prepareToRunAgain(OperatingCase& c) {
    c.aoddPressureOutOfRange = false;
    c.aoddFlowOutOfRange = false;
    c.pcCostOnly = false;
    c.lookupInRange = true;
}

double parseLeadingNumber(std::string_view text) {
    if (const std::optional<double> plain = plainNumber(text))
        return *plain;
    Scanner in(text);
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }

    // The significant digits, from the first that is not 0, and where the first stands relative to the
    // decimal point.
    std::string digits;
    long long scale = 0;
    bool anyDigit = false;
    for (; isDigit(in.peek()); in.next()) {
        anyDigit = true;
        if (!digits.empty() || in.peek() != '0')
            digits += in.peek();
    }
    scale = static_cast<long long>(digits.size());
    if (in.peek() == '.') {
        in.next();
        for (; isDigit(in.peek()); in.next()) {
            anyDigit = true;
            if (digits.empty() && in.peek() == '0')
                --scale;
            else
                digits += in.peek();
        }
    }
    if (!anyDigit)
        return 0;

    if (in.peek() == 'e' || in.peek() == 'E') {
        in.next();
        bool negativeExponent = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negativeExponent = in.peek() == '-';
            in.next();
        }
        long long exponent = 0;
        for (; isDigit(in.peek()); in.next())
            exponent = std::min(kExponentCap, exponent * 10 + (in.peek() - '0'));
        scale += negativeExponent ? -exponent : exponent;
    }
    if (digits.empty())
        return negative ? -0.0 : 0.0;

    scale = std::clamp(scale, -kScaleCap, kScaleCap);
    const std::string number = "0." + digits + "e" + std::to_string(scale);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = scale > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

namespace {

// An S.I. entry is divided by siPerEnglish; an English one is stored as read.
std::optional<double> toStored(std::string_view text, UnitSystem units, double siPerEnglish) {
    switch (units) {
        case UnitSystem::SI:
            return parseLeadingNumber(text) / siPerEnglish;
        case UnitSystem::English:
            return parseLeadingNumber(text);
        case UnitSystem::None:
            break;
    }
    return std::nullopt;
}

} // namespace

std::string_view inletSizeName(InletSize size) {
    // clang-format off
    constexpr std::array<std::string_view, kInletSizes.size()> kNames{
        "1/4 inch", "1/2 inch", "1 inch", "1 1/2 inch", "2 inch", "3 inch"};
    // clang-format on
    return kNames.at(static_cast<std::size_t>(size));
}

double pressureInUnits(double psi, UnitSystem units) {
    return units == UnitSystem::SI ? psi * kBarPerPsi : psi;
}

double flowInUnits(double gpm, UnitSystem units) {
    return units == UnitSystem::SI ? gpm * kLitresPerMinutePerGpm : gpm;
}

std::optional<double> toStoredPressure(std::string_view text, UnitSystem units) {
    return toStored(text, units, kBarPerPsi);
}

std::optional<double> toStoredFlow(std::string_view text, UnitSystem units) {
    return toStored(text, units, kLitresPerMinutePerGpm);
}

} // namespace pumpvale
