// Where the names of the curves go: each beside its own curve, clear of the others and of what is drawn.
#include "core/chart_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace pumpvale::chart {
namespace {

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

double distanceToSegment(const Point& c, const Point& p, const Point& q) {
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((c.x - p.x) * dx + (c.y - p.y) * dy) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(c.x - (p.x + t * dx), c.y - (p.y + t * dy));
}

// The scene's gap between a name and what it must keep clear of; none when it is not a usable length.
double usableGap(const LabelScene& scene) {
    return std::isfinite(scene.gap) ? std::max(scene.gap, 0.0) : 0.0;
}

// A place to try for a name: its box, the point of the curve it names, and what it costs beyond its
// distance from that point.
struct Candidate {
    Rect box;
    Point anchor;
    double extra = 0;
};

// Beside the anchor first, then rings farther out in sixteen directions (with a leader), then beside
// the name's own curves at points spread along them, far from its end only where nothing nearer is free.
std::vector<Candidate> candidates(const LabelRequest& r, const LabelScene& scene, double gap) {
    const Point a = r.anchor;
    const double w = r.width;
    const double h = r.height;
    std::vector<Candidate> out{{{a.x + gap, a.y - h / 2, w, h}, a, 0},
                               {{a.x - gap - w, a.y - h / 2, w, h}, a, h * 0.5},
                               {{a.x - w / 2, a.y - gap - h, w, h}, a, 0},
                               {{a.x - w / 2, a.y + gap, w, h}, a, 0}};
    constexpr int kRings = 14;
    constexpr int kDirections = 16;
    const double step = std::max(h * 0.75, 1.0);
    for (int ring = 0; ring <= kRings; ++ring)
        for (int d = 0; d < kDirections; ++d) {
            const double angle = 2 * std::numbers::pi * d / kDirections;
            const double cx = a.x + std::cos(angle) * (w / 2 + gap + ring * step);
            const double cy = a.y + std::sin(angle) * (h / 2 + gap + ring * step);
            out.push_back({{cx - w / 2, cy - h / 2, w, h}, a, cx + w / 2 <= a.x ? h * 0.5 : 0});
        }
    constexpr std::size_t kAlong = 32; // points tried on each of the name's curves
    for (std::size_t i = 0; r.owner >= 0 && i < scene.curves.size() && i < scene.owners.size(); ++i) {
        const std::vector<Point>& curve = scene.curves[i];
        if (scene.owners[i] != r.owner || curve.empty())
            continue;
        const std::size_t stride = std::max<std::size_t>(1, curve.size() / kAlong);
        for (std::size_t k = curve.size(); k-- > 0;) {
            if ((curve.size() - 1 - k) % stride != 0)
                continue;
            const Point p = curve[k];
            const double away = std::hypot(p.x - a.x, p.y - a.y) * 0.5 + h;
            for (const Rect& box :
                 {Rect{p.x + gap, p.y - gap - h, w, h}, Rect{p.x + gap, p.y + gap, w, h},
                  Rect{p.x - w - gap, p.y - gap - h, w, h}, Rect{p.x - w - gap, p.y + gap, w, h}})
                out.push_back({box, p, away});
        }
    }
    return out;
}

// The free place of least cost for one name, clear of what is taken and nearest its own curve.
PlacedLabel placeOne(const LabelRequest& r, const LabelScene& scene, const std::vector<Rect>& taken,
                     double gap) {
    PlacedLabel best;
    double bestCost = std::numeric_limits<double>::infinity();
    for (const Candidate& c : candidates(r, scene, gap)) {
        const Rect clear = inflated(c.box, gap / 2);
        double cost = distanceTo(c.box, c.anchor) + c.extra;
        if (!(cost < bestCost) || std::none_of(scene.areas.begin(), scene.areas.end(),
                                               [&](const Rect& area) { return area.contains(c.box); }))
            continue;
        const auto blocked = [&](const Rect& o) { return o.overlaps(clear); };
        if (std::any_of(scene.obstacles.begin(), scene.obstacles.end(), blocked) ||
            std::any_of(taken.begin(), taken.end(), blocked))
            continue;
        for (const auto& curve : scene.curves)
            for (std::size_t k = 1; k < curve.size(); ++k)
                if (crosses(curve[k - 1], curve[k], c.box)) {
                    cost += r.height * 100; // over a line only where nothing else is free
                    break;
                }
        if (cost < bestCost && nearestToOwnCurve(c.box, r.owner, scene)) {
            bestCost = cost;
            best.placed = true;
            best.box = c.box;
            best.leaderStart = c.anchor;
        }
    }
    if (best.placed) {
        const Point a = best.leaderStart;
        const double dx = std::clamp(a.x, best.box.left, best.box.right());
        const double dy = std::clamp(a.y, best.box.top, best.box.bottom());
        best.leaderEnd = {dx, dy};
        best.leader = std::hypot(dx - a.x, dy - a.y) > gap * 1.5 + r.height * 0.25;
    }
    return best;
}

} // namespace

double distanceTo(const Rect& box, std::span<const Point> curve) {
    double nearest = std::numeric_limits<double>::infinity();
    if (curve.size() == 1)
        return distanceTo(box, curve.front());
    const std::array<Point, 4> corners{Point{box.left, box.top}, Point{box.right(), box.top},
                                       Point{box.left, box.bottom()}, Point{box.right(), box.bottom()}};
    for (std::size_t k = 1; k < curve.size(); ++k) {
        const Point& p = curve[k - 1];
        const Point& q = curve[k];
        if (crosses(p, q, box))
            return 0;
        nearest = std::min({nearest, distanceTo(box, p), distanceTo(box, q)});
        for (const Point& c : corners)
            nearest = std::min(nearest, distanceToSegment(c, p, q));
    }
    return nearest;
}

bool nearestToOwnCurve(const Rect& box, int owner, const LabelScene& scene) {
    if (owner < 0)
        return true;
    double own = std::numeric_limits<double>::infinity();
    double other = own;
    for (std::size_t i = 0; i < scene.curves.size(); ++i) {
        const int curveOwner = i < scene.owners.size() ? scene.owners[i] : -1;
        double& nearest = curveOwner == owner ? own : other;
        nearest = std::min(nearest, distanceTo(box, scene.curves[i]));
    }
    return !std::isfinite(own) || own + usableGap(scene) / 2 < other;
}

std::vector<PlacedLabel> placeLabels(std::span<const LabelRequest> requests, const LabelScene& scene) {
    std::vector<PlacedLabel> out;
    std::vector<Rect> taken;
    const double gap = usableGap(scene);
    for (const LabelRequest& r : requests) {
        const bool finite = std::isfinite(r.anchor.x) && std::isfinite(r.anchor.y) &&
                            std::isfinite(r.width) && std::isfinite(r.height) && r.width >= 0 &&
                            r.height >= 0;
        PlacedLabel best = finite ? placeOne(r, scene, taken, gap) : PlacedLabel{};
        if (best.placed)
            taken.push_back(best.box);
        out.push_back(best);
    }
    return out;
}

} // namespace pumpvale::chart
