// The currencies of the list and the typical 2003 price of electricity in each, per kWh.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace pumpvale {

struct Currency {
    std::string_view name;         // the list text
    std::string_view defaultPrice; // written into the price entry as it stands
};

// In the order of the list. One average US price converted at fixed exchange rates.
// clang-format off
inline constexpr std::array<Currency, 11> kCurrencies{{
    {"US Dollars",       "0.065"},
    {"US Cents",         "6.5"},
    {"Canadian Dollars", "0.087"},
    {"Canadian Cents",   "8.7"},
    {"Euro",             "0.053"},
    {"British Pounds",   "0.12"},
    {"Chinese Yuan",     "0.538"},
    {"Japanese Yen",     "5.395"},
    {"Mexican Peso",     "0.747"},
    {"Indian Rupee",     "2.98"},
    {"Russian Rouble",   "1.88"},
}};
// clang-format on

// The default price of the currency whose list text is exactly listText, or none.
std::optional<std::string_view> defaultPriceFor(std::string_view listText);

} // namespace pumpvale
