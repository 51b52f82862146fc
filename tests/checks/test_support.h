// Shared by the input checks' tests: readable messages in failure reports, and the float comparison.
#pragma once

#include "core/messages.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

namespace pumpvale {

// Found by argument-dependent lookup, so it lives beside Message.
inline void PrintTo(const Message& m, std::ostream* os) {
    *os << '[' << m.title << "] " << m.text;
}

namespace testing_support {

// Relative comparison: the checks never round, so figures agree to about the last binary place.
inline ::testing::AssertionResult near(double actual, double expected, double relative = 1e-9) {
    if (std::fabs(actual - expected) <= relative * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not within " << relative << " of " << expected;
}

} // namespace testing_support
} // namespace pumpvale
