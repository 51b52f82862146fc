// The checks that run on every change of an entry: each stores the value and returns the one warning
// the new text deserves, or none. They never change the text and never block anything.
#pragma once

#include "core/messages.h"
#include "core/operating_case.h"

#include <optional>
#include <string_view>

namespace pumpvale {

// Fluid pressure: stores pressurePsi and sets or clears aoddPressureOutOfRange.
std::optional<Message> pressureEdited(OperatingCase& c, std::string_view text, UnitSystem units);
// Flow: stores flowGpm and sets or clears aoddFlowOutOfRange.
std::optional<Message> flowEdited(OperatingCase& c, std::string_view text, UnitSystem units);

std::optional<Message> compressorStagesEdited(OperatingCase& c, std::string_view text);
std::optional<Message> compressorEfficiencyEdited(OperatingCase& c, std::string_view text);
std::optional<Message> weeksEdited(OperatingCase& c, std::string_view text);
std::optional<Message> daysEdited(OperatingCase& c, std::string_view text);
std::optional<Message> hoursEdited(OperatingCase& c, std::string_view text);

// The AODD range rules of the pressure and flow checks, on stored values: the warning and the flag
// value. Closing step one derives the flags again with these.
struct RangeVerdict {
    bool outOfRange = false;
    std::optional<Message> warning;
};
RangeVerdict aoddPressureRange(double pressurePsi);
RangeVerdict aoddFlowRange(double flowGpm);

} // namespace pumpvale
