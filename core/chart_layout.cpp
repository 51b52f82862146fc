#include "core/chart_layout.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace pumpvale::chart {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallest = std::numeric_limits<double>::denorm_min();
const double kLog10Largest = std::log10(kLargest);   // 308.25...
const double kLog10Smallest = std::log10(kSmallest); // -323.31...

double saturate(double v) {
    return std::clamp(v, -kLargest, kLargest); // an overflow to infinity stops at the largest double
}

bool usable(double v, bool logarithmic) {
    return std::isfinite(v) && (!logarithmic || v > 0);
}

// Where v lies on the axis as a fraction of its length; kept near the frame, so that a value far out of
// range gives a drawable coordinate rather than an astronomic one.
double fraction(const Axis& axis, double v) {
    double t = 0;
    if (axis.logarithmic) {
        if (!(v > 0))
            return -1;
        t = (std::log10(v) - std::log10(axis.lo)) / (std::log10(axis.hi) - std::log10(axis.lo));
    } else {
        // Halves, so that the span of two opposite large values does not overflow.
        t = (v / 2 - axis.lo / 2) / (axis.hi / 2 - axis.lo / 2);
    }
    if (std::isnan(t))
        return 0;
    return std::clamp(t, -1.0, 2.0);
}

// The labels of ticks, centred on their places, keep gap between them and stay within the overhang.
bool labelsFit(const Axis& axis, const std::vector<double>& ticks, double length, double gap, double overhang,
               const std::function<double(double)>& extentOf) {
    double previousEnd = -std::numeric_limits<double>::infinity();
    for (const double v : ticks) {
        const double centre = fraction(axis, v) * length;
        const double half = extentOf(v) / 2;
        if (!std::isfinite(half) || centre - half < -overhang || centre + half > length + overhang ||
            centre - half < previousEnd + gap)
            return false;
        previousEnd = centre + half;
    }
    return true;
}

// Multiples of step within [lo, hi]; none when there would be more than kMaxTicks.
std::vector<double> multiples(double lo, double hi, double step) {
    std::vector<double> out;
    if (!(step > 0) || !std::isfinite(step))
        return out;
    const double first = std::ceil(lo / step);
    const double last = std::floor(hi / step);
    if (!(last - first + 1 <= kMaxTicks))
        return out;
    // By count: where first is beyond 2^53, first + 1 is first again.
    const int count = static_cast<int>(last - first + 1);
    for (int k = 0; k < count; ++k) {
        const double v = (first + k) * step;
        if (v >= lo && v <= hi && (out.empty() || v > out.back()))
            out.push_back(v == 0 ? 0 : v); // no -0
    }
    return out;
}

// The powers of ten every `every` decades within [lo, hi], with mantissas 2 and 5 as well when asked.
std::vector<double> decades(double lo, double hi, int every, bool twoAndFive) {
    std::vector<double> out;
    const double a = std::log10(lo) - 1e-9;
    const double b = std::log10(hi) + 1e-9;
    const double first = std::floor(a / every) * every;
    const double count = (std::floor(b) - first) / every + 1;
    if (!(count <= kMaxTicks + 1))
        return out;
    for (int k = 0; k < static_cast<int>(count); ++k) {
        const double exponent = first + k * every;
        for (const double m : {1.0, 2.0, 5.0}) {
            if (m != 1 && !twoAndFive)
                continue;
            const double place = exponent + std::log10(m);
            const double v = m * std::pow(10.0, exponent);
            if (place >= a && place <= b && v >= lo && v <= hi && (out.empty() || v > out.back()))
                out.push_back(v);
        }
    }
    if (out.size() > kMaxTicks)
        out.clear();
    return out;
}

// The round steps from fine to coarse for a span: 1, 2 and 5 times the powers of ten.
std::vector<double> linearSteps(double lo, double hi, double minStep) {
    std::vector<double> out;
    const double halfSpan = hi / 2 - lo / 2;
    if (!(halfSpan > 0))
        return out;
    const double k0 = std::floor(std::log10(halfSpan) + std::log10(2.0 / kMaxTicks));
    for (int k = 0; k < 4; ++k)
        for (const double m : {1.0, 2.0, 5.0}) {
            const double step = m * std::pow(10.0, k0 + k);
            if (std::isfinite(step) && step >= minStep)
                out.push_back(step);
        }
    return out;
}

} // namespace

bool Rect::overlaps(const Rect& other) const {
    return left < other.right() && other.left < right() && top < other.bottom() && other.top < bottom();
}

bool Rect::contains(const Rect& other) const {
    return other.left >= left && other.right() <= right() && other.top >= top && other.bottom() <= bottom();
}

double Axis::at(double v, double start, double end) const {
    return start + fraction(*this, v) * (end - start);
}

Axis axisRange(double lo, double hi, bool logarithmic, double margin) {
    Axis axis;
    axis.logarithmic = logarithmic;
    const bool loUsable = usable(lo, logarithmic);
    const bool hiUsable = usable(hi, logarithmic);
    if (!loUsable && !hiUsable) {
        axis.lo = logarithmic ? 1 : 0;
        axis.hi = logarithmic ? 10 : 1;
        return axis;
    }
    lo = loUsable ? lo : hi;
    hi = hiUsable ? hi : lo;
    if (lo > hi)
        std::swap(lo, hi);
    margin = std::isfinite(margin) ? std::clamp(margin, 0.0, 1.0) : 0.0;

    if (logarithmic) {
        // In decades, where every positive double lies between -324 and 309.
        double a = std::log10(lo);
        double b = std::log10(hi);
        constexpr double kFewestDecades = 0.1;
        if (b - a < kFewestDecades) {
            const double centre = (a + b) / 2;
            a = centre - kFewestDecades / 2;
            b = centre + kFewestDecades / 2;
        }
        const double pad = (b - a) * margin;
        a = std::max(a - pad, kLog10Smallest);
        b = std::min(b + pad, kLog10Largest);
        axis.lo = std::clamp(std::pow(10.0, a), kSmallest, kLargest);
        axis.hi = std::clamp(std::pow(10.0, b), kSmallest, kLargest);
        if (!(axis.hi > axis.lo)) { // both ends at an extreme of the doubles
            if (axis.lo < 1)
                axis.hi = axis.lo * 10;
            else
                axis.lo = axis.hi / 10;
        }
        return axis;
    }

    // At least a millionth of the magnitude, so that round steps between the ends stay distinct doubles
    // (and no less than the smallest normal double, which halves exactly); around zero, 0 to 1.
    const double magnitude = std::max(std::fabs(lo), std::fabs(hi));
    const double fewest = magnitude > 0 ? std::max(magnitude * 1e-6, DBL_MIN) : 1;
    if (hi / 2 - lo / 2 < fewest / 2) {
        const double half = fewest / 2;
        const double centre = lo / 2 + hi / 2;
        lo = saturate(centre - half);
        hi = saturate(centre + half);
    }
    const double pad = (hi / 2 - lo / 2) * (2 * margin);
    axis.lo = saturate(lo - pad);
    axis.hi = saturate(hi + pad);
    return axis;
}

void chooseTicks(Axis& axis, double length, double gap, double overhang,
                 const std::function<double(double)>& extentOf, double minStep) {
    axis.ticks.clear();
    if (!(length > 0) || !std::isfinite(length))
        return;
    std::vector<std::vector<double>> candidates; // densest first
    const bool narrow = axis.logarithmic && std::log10(axis.hi) - std::log10(axis.lo) < 1;
    if (axis.logarithmic && !narrow) {
        candidates.push_back(decades(axis.lo, axis.hi, 1, true));
        for (const int every : {1, 2, 3, 5, 10, 20, 25, 50, 100, 200, 500})
            candidates.push_back(decades(axis.lo, axis.hi, every, false));
    } else {
        for (const double step : linearSteps(axis.lo, axis.hi, minStep))
            candidates.push_back(multiples(axis.lo, axis.hi, step));
    }
    for (auto& ticks : candidates)
        if (!ticks.empty() && labelsFit(axis, ticks, length, gap, overhang, extentOf)) {
            axis.ticks = std::move(ticks);
            return;
        }
}

DashPattern dashPattern(double penWidth, double lineHeight, double stretchLength) {
    const double w = std::isfinite(penWidth) && penWidth > 0 ? penWidth : 1;
    const double line = std::isfinite(lineHeight) && lineHeight > 0 ? lineHeight : 10 * w;
    // A gap narrower than the pen, or than two pixels, closes up under antialiasing and reads as solid.
    const double finest = std::max(w, 2.0);
    double dash = std::max({2.5 * w, 0.45 * line, finest});
    double gap = std::max({1.5 * w, 0.3 * line, finest});
    const double shortest = 3 * (dash + gap);
    if (std::isfinite(stretchLength) && stretchLength > 0 && stretchLength < shortest) {
        const double scale = stretchLength / shortest;
        dash = std::max(dash * scale, finest);
        gap = std::max(gap * scale, finest);
    }
    return {dash / w, gap / w, dash / w};
}

} // namespace pumpvale::chart
