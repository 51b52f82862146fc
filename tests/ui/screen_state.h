// The named configurations of shown and enabled controls that the main window passes through, for the
// window tests.
//
// The window does not name its screen states: its handlers show, hide, enable and disable controls one by
// one. This table says what each configuration looks like, so that a window can be checked against it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace pumpvale {

enum class ScreenState {
    UnitChoice,         // only the unit options
    OperatingDataStep,  // step one open
    InletStep,          // step one locked, the inlet sizes open
    CompressorStep,     // the compressor entries open
    FullResults,        // PC cost, AODD cost and savings shown
    PcOnlyStep,         // outside the AODD range: straight to the cost button
    PcOnlyResults,      // the PC cost alone, from the cost button
    InletPcOnlyResults, // the PC cost alone, from the inlet step
};

inline constexpr std::array kScreenStates{
    ScreenState::UnitChoice,     ScreenState::OperatingDataStep,  ScreenState::InletStep,
    ScreenState::CompressorStep, ScreenState::FullResults,        ScreenState::PcOnlyStep,
    ScreenState::PcOnlyResults,  ScreenState::InletPcOnlyResults,
};

std::string_view nameOf(ScreenState state);

// How window (a main window) differs from state, one line per control ("Frame5 is shown"); empty when it
// is in that state.
std::vector<std::string> screenStateMismatches(const QWidget& window, ScreenState state);

} // namespace pumpvale
