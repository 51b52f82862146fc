// What the fuzz targets hold to, and what they do when a property fails: name it and abort, so that
// libFuzzer keeps the input that broke it.
#pragma once

#include "core/cost.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace pumpvale::fuzz {

inline void check(bool holds, const char* property, std::string_view detail = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "Property broken: %s\n", property);
    if (!detail.empty())
        std::fprintf(stderr, "Detail: \"%.*s\"\n", static_cast<int>(detail.size()), detail.data());
    std::abort();
}

inline bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// The "Standard" shape with the default separators: an optional minus, an integer part without leading
// zeros grouped by three, a point and two decimals; never "-0.00".
inline bool hasStandardShape(std::string_view text) {
    if (text.starts_with('-'))
        text.remove_prefix(1);
    const auto point = text.find('.');
    if (point == std::string_view::npos || text.size() - point != 3 || !isDigit(text[point + 1]) ||
        !isDigit(text[point + 2]))
        return false;
    const std::string_view integer = text.substr(0, point);
    if (integer.empty())
        return false;
    const std::size_t lead = (integer.size() - 1) % 4 + 1; // digits before the first separator
    if (lead == 4 || (integer[0] == '0' && integer.size() > 1))
        return false;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        const bool separatorPlace = i >= lead && (i - lead) % 4 == 0;
        if (separatorPlace ? integer[i] != ',' : !isDigit(integer[i]))
            return false;
    }
    return true;
}

// An amount the window is about to show: a finite number whose Standard form has no "inf" or "nan".
inline std::string checkShownAmount(double amount, const char* what) {
    check(std::isfinite(amount), what);
    std::string shown = formatStandard(amount);
    check(shown.find("inf") == std::string::npos && shown.find("nan") == std::string::npos, what, shown);
    check(hasStandardShape(shown), "the Standard format has its shape", shown);
    check(shown != "-0.00", "no minus sign on an amount that rounds to zero", shown);
    return shown;
}

} // namespace pumpvale::fuzz
