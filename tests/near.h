// Test helpers shared by the suites: a relative comparison of figures, and messages printed as their id
// and text.
#pragma once

#include "core/messages.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

namespace pumpvale {

// The program never rounds, so a printed example and the computed value agree to within a unit or two
// in the last binary place.
inline ::testing::AssertionResult near(double actual, double expected, double relative = 1e-9) {
    if (std::fabs(actual - expected) <= relative * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not within " << relative << " of " << expected;
}

inline void PrintTo(const Message& m, std::ostream* os) {
    *os << messageIdName(m.id) << " [" << m.title << "] " << m.text;
}

} // namespace pumpvale
