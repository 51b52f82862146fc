#include "core/operating_case.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace pumpvale {
namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}
bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Reads the text with its blanks skipped, one character at a time.
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
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Past this a decimal exponent over- or underflows any double whatever the digits before it.
constexpr long kExponentCap = 100'000;

} // namespace

void prepareToRunAgain(OperatingCase& c) {
    c.aoddPressureOutOfRange = false;
    c.aoddFlowOutOfRange = false;
    c.pcCostOnly = false;
    c.lookupInRange = true;
}

double parseLeadingNumber(std::string_view text) {
    Scanner in(text);
    std::string number; // the leading number without blanks, as std::from_chars reads it
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }

    // Where the first significant digit stands relative to the decimal point, for over- and underflow.
    long magnitude = 0;
    bool significant = false;
    bool anyDigit = false;
    for (; isDigit(in.peek()); in.next()) {
        anyDigit = true;
        significant = significant || in.peek() != '0';
        if (significant)
            ++magnitude;
        number += in.peek();
    }
    if (in.peek() == '.') {
        number += '.';
        in.next();
        for (; isDigit(in.peek()); in.next()) {
            anyDigit = true;
            if (!significant && in.peek() == '0')
                --magnitude;
            significant = significant || in.peek() != '0';
            number += in.peek();
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
        long exponent = 0;
        for (; isDigit(in.peek()); in.next())
            exponent = std::min(kExponentCap, exponent * 10 + (in.peek() - '0'));
        exponent = negativeExponent ? -exponent : exponent;
        magnitude += exponent;
        number += 'e';
        number += std::to_string(exponent);
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = significant && magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
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

std::optional<double> toStoredPressure(std::string_view text, UnitSystem units) {
    return toStored(text, units, kBarPerPsi);
}

std::optional<double> toStoredFlow(std::string_view text, UnitSystem units) {
    return toStored(text, units, kLitresPerMinutePerGpm);
}

} // namespace pumpvale
