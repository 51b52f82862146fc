#include "core/accepted_ranges.h"

#include "core/limits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pumpvale::ranges {
namespace {

constexpr double kCloseEnough = 1e-3; // a described S.I. figure lies within 0.1 % of the exact one
constexpr int kMostDecimals = 6;

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// value rounded toward the inside of the range, with the fewest decimals that come within 0.1 % of it.
// The scaled value is first rounded to 9 digits, so that binary noise (1.9999999999 for 2) does not push
// it a step outward.
std::string inward(double value, Bound bound) {
    for (int decimals = 0; decimals < kMostDecimals; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        const double scaled = std::round(value * scale * 1e9) / 1e9;
        const double rounded = (bound == Bound::Lower ? std::ceil(scaled) : std::floor(scaled)) / scale;
        if (std::fabs(rounded - value) <= std::fabs(value) * kCloseEnough)
            return fixed(rounded, decimals);
    }
    return fixed(value, kMostDecimals);
}

// An English limit as written: the fewest decimals that read back as the same double.
std::string asWritten(double value) {
    for (int decimals = 0; decimals < kMostDecimals; ++decimals)
        if (std::string text = fixed(value, decimals); std::strtod(text.c_str(), nullptr) == value)
            return text;
    return fixed(value, kMostDecimals);
}

std::string figure(double english, double siValue, UnitSystem units, Bound bound) {
    return units == UnitSystem::SI ? inward(siValue, bound) : asWritten(english);
}

std::string pressureFigure(double psi, UnitSystem units, Bound bound) {
    return figure(psi, pressureInUnits(psi, UnitSystem::SI), units, bound);
}

std::string flowFigure(double gpm, UnitSystem units, Bound bound) {
    return figure(gpm, flowInUnits(gpm, UnitSystem::SI), units, bound);
}

std::string pressureUnit(UnitSystem units) {
    return units == UnitSystem::SI ? " Bar" : " psi";
}

std::string flowUnit(UnitSystem units) {
    return units == UnitSystem::SI ? " l/min" : " GPM";
}

std::string pressureSpan(double lo, double hi, UnitSystem units) {
    return pressureFigure(lo, units, Bound::Lower) + " to " + pressure(hi, units, Bound::Upper);
}

} // namespace

std::string pressure(double psi, UnitSystem units, Bound bound) {
    return pressureFigure(psi, units, bound) + pressureUnit(units);
}

std::string flow(double gpm, UnitSystem units, Bound bound) {
    return flowFigure(gpm, units, bound) + flowUnit(units);
}

std::string onePcStage(UnitSystem units) {
    return pressureSpan(limits::kMinPcPressurePsi, limits::kMaxOneStagePsi, units);
}

std::string twoPcStages(UnitSystem units) {
    return pressureSpan(limits::kMinTwoStagePsi, limits::kMaxTwoStagePsi, units);
}

std::string pcFlow(UnitSystem units) {
    return "above " + flowFigure(limits::kMaxTooSmallPcFlowGpm, units, Bound::Lower) + " up to " +
           flow(limits::kMaxPcFlowGpm, units, Bound::Upper);
}

std::string aoddPressure(UnitSystem units) {
    return pressureSpan(limits::kMinAoddPressurePsi, limits::kMaxAoddPressurePsi, units);
}

std::string aoddFlow(UnitSystem units) {
    return flowFigure(limits::kMinAoddFlowGpm, units, Bound::Lower) + " to " +
           flow(limits::kMaxAoddFlowGpm, units, Bound::Upper);
}

std::string airPressure(UnitSystem units) {
    return "above 0, below " + pressure(limits::kMaxAirPressurePsi, units, Bound::Upper);
}

} // namespace pumpvale::ranges
