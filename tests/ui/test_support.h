// What the window tests share besides the driver.
#pragma once

#include "main_window_driver.h"

#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

// Texts print as text in failure reports.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace pumpvale {

// Messages print as their id and text in failure reports.
inline void PrintTo(const Message& message, std::ostream* os) {
    *os << messageIdName(message.id) << " \"" << message.text << '"';
}

namespace testing {

inline ::testing::AssertionResult isIn(Form2& window, ScreenState state) {
    const auto mismatches = screenStateMismatches(window, state);
    if (mismatches.empty())
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << "not in " << nameOf(state) << ":";
    for (const auto& mismatch : mismatches)
        failure << ' ' << mismatch << ';';
    return failure;
}

// Separators known in advance; a test that wants others sets them.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { QLocale::setDefault(QLocale::c()); }
    ~MainWindowTest() override { QLocale::setDefault(QLocale::c()); }

    MainWindowDriver ui;
};

} // namespace testing
} // namespace pumpvale
