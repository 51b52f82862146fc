#include "checks/currency.h"

#include <algorithm>

namespace pumpvale {

std::optional<std::string_view> defaultPriceFor(std::string_view listText) {
    const auto* it = std::ranges::find(kCurrencies, listText, &Currency::name);
    if (it == kCurrencies.end())
        return std::nullopt;
    return it->defaultPrice;
}

} // namespace pumpvale
