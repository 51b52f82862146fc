// How the program writes numbers for people: one rule for every quantity, one for every amount of money.
//
// Every figure that is not money (SCFM, psi, Bar, percent, hp, kW, GPM, l/min, hours) reads the same
// wherever it is shown (tooltips, details, copy, page, export, comparison), because all of them go through
// formatQuantity. Money keeps the result boxes' "Standard" format (formatStandard in core/cost.h); a
// payback in years has one decimal (formatYears).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pumpvale {

// The separators of the user's locale. The core does not know the locale: the window passes them.
struct Separators {
    std::string decimal = ".";
    std::string group = ",";
};

// Six significant digits, or every digit before the point where there are more, grouped, without
// trailing zeros (16.4, 120, 0.506897, 8,736), and in powers of ten (1.5E-300) from 1e12 up and below
// 1e-4. A value that is not finite is never shown: it reads "-".
std::string formatQuantity(double value, const Separators& separators);

// Years to one decimal, rounded half away from zero ("1.7", "12,345.6"), as payback reads everywhere;
// from 1e15 on in powers of ten as formatQuantity writes them; "-" when not finite.
std::string formatYears(double years, const Separators& separators);

// Money in the "Standard" format; from 1e15 on (an absurd but accepted entry can give hundreds of
// digits) in powers of ten as formatQuantity writes them; "-" when not finite.
std::string formatMoney(double value, const Separators& separators);

// Money as formatMoney writes it, without the cents where they are 0: "2,000", "1,000,000,000,000",
// but "2,000.50". For a chart's ticks and a range in words, where ".00" says nothing.
std::string formatMoneyBrief(double value, const Separators& separators);

// Every decimal point that stands between two digits in a text made with a period (a constant in a
// formula in words, "0.5 to 200 GPM" in a reason) written with the given decimal separator instead, so
// that a page's numbers follow one locale.
std::string withDecimalSeparator(std::string text, const std::string& decimal);

// The length of the number at the start of text, as the calculator's entries write one: a sign, digits
// with at most one period (one digit at least), an exponent; 0 when text does not start with one. A
// text that is a number as a whole is one whose numberLength is its size.
std::size_t numberLength(std::string_view text);

// The shortest text that reads back as the same double, with a period: for files read by programs.
// Empty for infinity and NaN, which no file holds as a number.
std::string exactNumber(double value);
// The same, appended to out, for a writer that builds its lines itself.
void appendExactNumber(std::string& out, double value);

} // namespace pumpvale
