// The identity of each message of the program (core/messages.h), apart from its words.
#pragma once

#include "core/enum_table.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace pumpvale {

// Each message's identity, stable from version to version whatever its words: tests, the batch's
// message_ids column and any logic compare ids, never texts, and a translation keys on them.
enum class MessageId : unsigned char {
    InvalidSelection,
    ChooseOneOrTwo,
    SecondLaw,
    SecondLawOnEdit,
    NoAirDemand,
    EfficiencyTooSmall,
    NoPcCost,
    PressureTooHigh,
    PressureTooHighTitledError,
    FlowTooHigh,
    FlowTooHighPlain,
    FlowTooLow,
    ThreeInchPressureTooHigh,
    ThreeInchFlowTooHigh,
    ThreeInchAdvisory,
    SelectInletDiameter,
    AirPressureInsufficient,
    AirPressureInsufficientNoLarger,
    SelectLargerInlet,
    SelectStages,
    SelectUnits,
    InvalidFlow,
    FlowBelowPcRange,
    FlowAbovePcRange,
    InvalidPressure,
    PressureBelowPcRange,
    OneStageTooHigh,
    TwoStageTooLow,
    TwoStageTooHigh,
    InvalidWeeks,
    TooManyWeeks,
    InvalidDays,
    TooManyDays,
    InvalidHours,
    TooManyHours,
    InvalidPrice,
    PriceTooHigh,
    AirPressureTooHigh,
    SelectCurrency,
    PressureBelowAoddRange,
    PressureAboveAoddRange,
    FlowBelowAoddRange,
    FlowAboveAoddRange,
    EnterPcPrice,
    PcPriceRange,
    EnterAoddPrice,
    AoddPriceRange,
    EnterPcMaintenance,
    PcMaintenanceRange,
    EnterAoddMaintenance,
    AoddMaintenanceRange,
    EnterYears,
    EnterDiscountRate,
    DiscountRateRange,
    EnterEnergyEscalation,
    EnergyEscalationRange,
    EnterEmissionFactor,
    EmissionFactorRange,
    LifeCycleTooLarge,
    // Texts made where they arise, naming a file or a row: their words vary, their identity does not.
    CaseNotOpened,     // Open Case could not read the file or the row chosen
    CaseNotSaved,      // Save Case could not write the file
    ReportNotExported, // Export Report could not write the file
    ReportNotPrinted,  // Print Report could not print or write the file
    RowNotRead,        // a duty list's row that could not be read
};

struct MessageIdName {
    MessageId id;
    std::string_view name;
};

// The stable name of each id, in the ids' order: what files and programs read.
// clang-format off
inline constexpr std::array kMessageIdNames{
    MessageIdName{MessageId::InvalidSelection, "invalid_selection"},
    MessageIdName{MessageId::ChooseOneOrTwo, "choose_one_or_two"},
    MessageIdName{MessageId::SecondLaw, "second_law"},
    MessageIdName{MessageId::SecondLawOnEdit, "second_law_on_edit"},
    MessageIdName{MessageId::NoAirDemand, "no_air_demand"},
    MessageIdName{MessageId::EfficiencyTooSmall, "efficiency_too_small"},
    MessageIdName{MessageId::NoPcCost, "no_pc_cost"},
    MessageIdName{MessageId::PressureTooHigh, "pressure_too_high"},
    MessageIdName{MessageId::PressureTooHighTitledError, "pressure_too_high_titled_error"},
    MessageIdName{MessageId::FlowTooHigh, "flow_too_high"},
    MessageIdName{MessageId::FlowTooHighPlain, "flow_too_high_plain"},
    MessageIdName{MessageId::FlowTooLow, "flow_too_low"},
    MessageIdName{MessageId::ThreeInchPressureTooHigh, "three_inch_pressure_too_high"},
    MessageIdName{MessageId::ThreeInchFlowTooHigh, "three_inch_flow_too_high"},
    MessageIdName{MessageId::ThreeInchAdvisory, "three_inch_advisory"},
    MessageIdName{MessageId::SelectInletDiameter, "select_inlet_diameter"},
    MessageIdName{MessageId::AirPressureInsufficient, "air_pressure_insufficient"},
    MessageIdName{MessageId::AirPressureInsufficientNoLarger, "air_pressure_insufficient_no_larger"},
    MessageIdName{MessageId::SelectLargerInlet, "select_larger_inlet"},
    MessageIdName{MessageId::SelectStages, "select_stages"},
    MessageIdName{MessageId::SelectUnits, "select_units"},
    MessageIdName{MessageId::InvalidFlow, "invalid_flow"},
    MessageIdName{MessageId::FlowBelowPcRange, "flow_below_pc_range"},
    MessageIdName{MessageId::FlowAbovePcRange, "flow_above_pc_range"},
    MessageIdName{MessageId::InvalidPressure, "invalid_pressure"},
    MessageIdName{MessageId::PressureBelowPcRange, "pressure_below_pc_range"},
    MessageIdName{MessageId::OneStageTooHigh, "one_stage_too_high"},
    MessageIdName{MessageId::TwoStageTooLow, "two_stage_too_low"},
    MessageIdName{MessageId::TwoStageTooHigh, "two_stage_too_high"},
    MessageIdName{MessageId::InvalidWeeks, "invalid_weeks"},
    MessageIdName{MessageId::TooManyWeeks, "too_many_weeks"},
    MessageIdName{MessageId::InvalidDays, "invalid_days"},
    MessageIdName{MessageId::TooManyDays, "too_many_days"},
    MessageIdName{MessageId::InvalidHours, "invalid_hours"},
    MessageIdName{MessageId::TooManyHours, "too_many_hours"},
    MessageIdName{MessageId::InvalidPrice, "invalid_price"},
    MessageIdName{MessageId::PriceTooHigh, "price_too_high"},
    MessageIdName{MessageId::AirPressureTooHigh, "air_pressure_too_high"},
    MessageIdName{MessageId::SelectCurrency, "select_currency"},
    MessageIdName{MessageId::PressureBelowAoddRange, "pressure_below_aodd_range"},
    MessageIdName{MessageId::PressureAboveAoddRange, "pressure_above_aodd_range"},
    MessageIdName{MessageId::FlowBelowAoddRange, "flow_below_aodd_range"},
    MessageIdName{MessageId::FlowAboveAoddRange, "flow_above_aodd_range"},
    MessageIdName{MessageId::EnterPcPrice, "enter_pc_price"},
    MessageIdName{MessageId::PcPriceRange, "pc_price_range"},
    MessageIdName{MessageId::EnterAoddPrice, "enter_aodd_price"},
    MessageIdName{MessageId::AoddPriceRange, "aodd_price_range"},
    MessageIdName{MessageId::EnterPcMaintenance, "enter_pc_maintenance"},
    MessageIdName{MessageId::PcMaintenanceRange, "pc_maintenance_range"},
    MessageIdName{MessageId::EnterAoddMaintenance, "enter_aodd_maintenance"},
    MessageIdName{MessageId::AoddMaintenanceRange, "aodd_maintenance_range"},
    MessageIdName{MessageId::EnterYears, "enter_years"},
    MessageIdName{MessageId::EnterDiscountRate, "enter_discount_rate"},
    MessageIdName{MessageId::DiscountRateRange, "discount_rate_range"},
    MessageIdName{MessageId::EnterEnergyEscalation, "enter_energy_escalation"},
    MessageIdName{MessageId::EnergyEscalationRange, "energy_escalation_range"},
    MessageIdName{MessageId::EnterEmissionFactor, "enter_emission_factor"},
    MessageIdName{MessageId::EmissionFactorRange, "emission_factor_range"},
    MessageIdName{MessageId::LifeCycleTooLarge, "life_cycle_too_large"},
    MessageIdName{MessageId::CaseNotOpened, "case_not_opened"},
    MessageIdName{MessageId::CaseNotSaved, "case_not_saved"},
    MessageIdName{MessageId::ReportNotExported, "report_not_exported"},
    MessageIdName{MessageId::ReportNotPrinted, "report_not_printed"},
    MessageIdName{MessageId::RowNotRead, "row_not_read"},
};
// clang-format on

constexpr std::string_view messageIdName(MessageId id) {
    return kMessageIdNames[static_cast<std::size_t>(id)].name;
}

// Every id has one entry, in order, and every name is distinct and written in lower case with
// underscores.
consteval bool messageIdNamesAreWhole() {
    if (!rowsInEnumOrder<&MessageIdName::id>(kMessageIdNames) ||
        static_cast<std::size_t>(MessageId::RowNotRead) + 1 != kMessageIdNames.size())
        return false;
    for (std::size_t i = 0; i < kMessageIdNames.size(); ++i) {
        if (kMessageIdNames[i].name.empty())
            return false;
        for (const char ch : kMessageIdNames[i].name)
            if (!((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_'))
                return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kMessageIdNames[j].name == kMessageIdNames[i].name)
                return false;
    }
    return true;
}
static_assert(messageIdNamesAreWhole());

} // namespace pumpvale
