#include "checks/field_checks.h"

namespace pumpvale {

std::optional<Message> pressureEdited(OperatingCase&, std::string_view, UnitSystem) { return {}; }
std::optional<Message> flowEdited(OperatingCase&, std::string_view, UnitSystem) { return {}; }
std::optional<Message> compressorStagesEdited(OperatingCase&, std::string_view) { return {}; }
std::optional<Message> compressorEfficiencyEdited(OperatingCase&, std::string_view) { return {}; }
std::optional<Message> weeksEdited(OperatingCase&, std::string_view) { return {}; }
std::optional<Message> daysEdited(OperatingCase&, std::string_view) { return {}; }
std::optional<Message> hoursEdited(OperatingCase&, std::string_view) { return {}; }
RangeVerdict aoddPressureRange(double) { return {}; }
RangeVerdict aoddFlowRange(double) { return {}; }

} // namespace pumpvale
