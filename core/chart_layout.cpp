#include "core/chart_layout.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <limits>
#include <numbers>

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

bool crosses(const Point& p, const Point& q, const Rect& r) {
    // Liang-Barsky clipping of the segment against the rectangle.
    double t0 = 0;
    double t1 = 1;
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const std::array<double, 4> ps{-dx, dx, -dy, dy};
    const std::array<double, 4> qs{p.x - r.left, r.right() - p.x, p.y - r.top, r.bottom() - p.y};
    for (std::size_t i = 0; i < 4; ++i) {
        if (ps[i] == 0) {
            if (qs[i] < 0)
                return false;
            continue;
        }
        const double t = qs[i] / ps[i];
        if (ps[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

double distanceTo(const Rect& r, const Point& p) {
    const double dx = std::max({r.left - p.x, 0.0, p.x - r.right()});
    const double dy = std::max({r.top - p.y, 0.0, p.y - r.bottom()});
    return std::hypot(dx, dy);
}

Rect inflated(const Rect& r, double by) {
    return {r.left - by, r.top - by, r.width + 2 * by, r.height + 2 * by};
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

std::vector<PlacedLabel> placeLabels(std::span<const LabelRequest> requests, const LabelScene& scene) {
    std::vector<PlacedLabel> out;
    std::vector<Rect> taken;
    const double gap = std::isfinite(scene.gap) ? std::max(scene.gap, 0.0) : 0.0;
    for (const LabelRequest& r : requests) {
        PlacedLabel best;
        double bestCost = std::numeric_limits<double>::infinity();
        const Point a = r.anchor;
        const double w = r.width;
        const double h = r.height;
        if (!(std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(w) && std::isfinite(h) && w >= 0 &&
              h >= 0)) {
            out.push_back(best);
            continue;
        }
        const auto consider = [&](const Rect& box) {
            const Rect clear = inflated(box, gap / 2);
            if (std::none_of(scene.areas.begin(), scene.areas.end(),
                             [&](const Rect& area) { return area.contains(box); }))
                return;
            for (const std::vector<Rect>* rects :
                 std::array<const std::vector<Rect>*, 2>{&scene.obstacles, &taken})
                for (const Rect& o : *rects)
                    if (o.overlaps(clear))
                        return;
            double cost = distanceTo(box, a);
            if (box.right() <= a.x)
                cost += h * 0.5; // names read best after the end of their curve
            if (cost >= bestCost)
                return;
            for (const auto& curve : scene.curves)
                for (std::size_t k = 1; k < curve.size(); ++k)
                    if (crosses(curve[k - 1], curve[k], box)) {
                        cost += h * 100; // over a line only where nothing else is free
                        break;
                    }
            if (cost < bestCost) {
                bestCost = cost;
                best.placed = true;
                best.box = box;
            }
        };
        // Beside the anchor first, then rings farther out in sixteen directions.
        consider({a.x + gap, a.y - h / 2, w, h});
        consider({a.x - gap - w, a.y - h / 2, w, h});
        consider({a.x - w / 2, a.y - gap - h, w, h});
        consider({a.x - w / 2, a.y + gap, w, h});
        constexpr int kRings = 14;
        constexpr int kDirections = 16;
        const double step = std::max(h * 0.75, 1.0);
        for (int ring = 0; ring <= kRings; ++ring)
            for (int d = 0; d < kDirections; ++d) {
                const double angle = 2 * std::numbers::pi * d / kDirections;
                const double cx = a.x + std::cos(angle) * (w / 2 + gap + ring * step);
                const double cy = a.y + std::sin(angle) * (h / 2 + gap + ring * step);
                consider({cx - w / 2, cy - h / 2, w, h});
            }
        if (best.placed) {
            taken.push_back(best.box);
            const double dx = std::clamp(a.x, best.box.left, best.box.right());
            const double dy = std::clamp(a.y, best.box.top, best.box.bottom());
            best.leaderStart = a;
            best.leaderEnd = {dx, dy};
            best.leader = std::hypot(dx - a.x, dy - a.y) > gap * 1.5 + h * 0.25;
        }
        out.push_back(best);
    }
    return out;
}

DashPattern dashPattern(double penWidth, double lineHeight, double stretchLength) {
    const double w = std::isfinite(penWidth) && penWidth > 0 ? penWidth : 1;
    const double line = std::isfinite(lineHeight) && lineHeight > 0 ? lineHeight : 10 * w;
    double dash = std::max(2.5 * w, 0.45 * line);
    double gap = std::max(1.5 * w, 0.3 * line);
    constexpr double kFinestGap = 1.5;
    const double shortest = 3 * (dash + gap);
    if (std::isfinite(stretchLength) && stretchLength > 0 && stretchLength < shortest) {
        const double scale = std::max(stretchLength / shortest, kFinestGap / gap);
        dash *= std::min(scale, 1.0);
        gap *= std::min(scale, 1.0);
    }
    return {dash / w, gap / w, dash / w};
}

} // namespace pumpvale::chart
