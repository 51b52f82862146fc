// Tables indexed by an enum (a row per value, the value's row found by its number): the compiler holds
// each to its enum's order.
#pragma once

#include <array>
#include <cstddef>

namespace pumpvale {

// Whether row i of rows has the enum value i in its member Key.
template <auto Key, class Row, std::size_t N> constexpr bool rowsInEnumOrder(const std::array<Row, N>& rows) {
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].*Key) != i)
            return false;
    return true;
}

} // namespace pumpvale
