// The messages' identities, and a message on one line as a file shows it.
#include "core/messages.h"

#include <gtest/gtest.h>

namespace pumpvale {
namespace {

struct LineCase {
    Message message;
    std::string_view line;
};

// The batch wrote "WARNING: WARNING: Your system air pressure ..." and "Pumpvale: WARNING: ...".
// clang-format off
const LineCase kLines[] = {
    {msg::kAirPressureInsufficient,         "WARNING: Your system air pressure is insufficient! Please select a larger inlet diameter"},
    {msg::kAirPressureInsufficientNoLarger, msg::kAirPressureInsufficientNoLarger.text}, // the application's title
    {msg::kPressureBelowPcRange,            msg::kPressureBelowPcRange.text},             // "Error", "ERROR: ..."
    {msg::kInvalidSelection,                "ERROR: Invalid selection! Please try again."},
    {msg::kSelectCurrency,                  "ERROR: Please select a currency"},
};
// clang-format on

TEST(Messages, OneLineReadsAsTheBoxWithTheTitleOnce) {
    for (const LineCase& c : kLines)
        EXPECT_EQ(messageLine(c.message), c.line) << messageIdName(c.message.id);
}

// The names are what files and programs read: they must not change with the words.
TEST(Messages, IdNamesAreStable) {
    EXPECT_EQ(messageIdName(msg::kInvalidSelection.id), "invalid_selection");
    EXPECT_EQ(messageIdName(msg::kAirPressureInsufficientNoLarger.id), "air_pressure_insufficient_no_larger");
    EXPECT_EQ(messageIdName(msg::kLifeCycleTooLarge.id), "life_cycle_too_large");
    EXPECT_EQ(messageIdName(MessageId::RowNotRead), "row_not_read");
}

} // namespace
} // namespace pumpvale
