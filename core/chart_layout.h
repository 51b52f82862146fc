// The layout rules of the charts, in plain numbers: an axis's range and ticks, and where the names of the
// curves go.
//
// The windows measure texts and draw; what is decided here holds for any finite amount, from the smallest
// subnormal to the largest double: every loop runs a bounded number of times, whatever the values, and
// nothing returned is infinite or NaN. Lengths are in the drawing's units (pixels on screen, points on
// paper), y growing downwards.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace pumpvale::chart {

struct Point {
    double x = 0;
    double y = 0;
};

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    // Rectangles that only touch do not overlap.
    bool overlaps(const Rect& other) const;
    bool contains(const Rect& other) const;
};

// An axis: the values from lo to hi onto the lengths from start to end (end may be below start).
struct Axis {
    double lo = 0;
    double hi = 1;
    bool logarithmic = false;
    std::vector<double> ticks; // ascending, each within [lo, hi], at most kMaxTicks

    // Where v lies between start (at lo) and end (at hi); values outside the range lie beyond the ends.
    double at(double v, double start, double end) const;
};

inline constexpr int kMaxTicks = 12;

// The range of the finite values in [lo, hi] (the positive ones on a logarithmic axis), widened by
// margin (a fraction of the span, of the decades on a logarithmic axis) on either side so that nothing
// drawn at the extremes lies on the frame. An empty or single-valued range is widened around what there
// is; with no usable value at all the range is 0..1 (1..10 logarithmic). Saturates at the largest
// double.
Axis axisRange(double lo, double hi, bool logarithmic, double margin = 0.05);

// The densest ticks at round values (1, 2 and 5 times a power of ten; on a logarithmic axis 1, 2, 5 in
// each decade, or every power, or every n-th power) whose labels, centred on their places along an axis
// of length pixels and extentOf(value) long each, are at least gap apart and stay within
// [-overhang, length + overhang]; on a linear axis no finer than minStep (1 for whole years). Fills
// axis.ticks; none when no round value fits.
void chooseTicks(Axis& axis, double length, double gap, double overhang,
                 const std::function<double(double)>& extentOf, double minStep = 0);

// A name to place near its anchor (the end of its curve, or a marked point). owner names the curves it
// belongs to (LabelScene::owners); -1 for a name of no curve.
struct LabelRequest {
    Point anchor;
    double width = 0;
    double height = 0;
    int owner = -1;
};

struct PlacedLabel {
    bool placed = false; // false only when no room is left anywhere in the areas given
    Rect box;
    bool leader = false; // the box stands off its anchor: draw a line from leaderStart to leaderEnd
    Point leaderStart;   // the anchor
    Point leaderEnd;     // the point of the box nearest the anchor
};

// What the names must keep clear of: rectangles they may never overlap (dots, tick labels, the frame's
// lines given as thin rectangles), the areas they must lie wholly within, and the curves they should not
// cross where a clear place exists, each with its owner (the owner of the name it bears; -1, or no entry,
// for a line that bears none, such as the duty point's flow).
struct LabelScene {
    std::vector<Rect> obstacles;
    std::vector<Rect> areas;
    std::vector<std::vector<Point>> curves;
    std::vector<int> owners;
    double gap = 2; // between a name and its anchor, and between names
};

// The distance from a box to a polyline: 0 where the line crosses it; infinite for no point.
double distanceTo(const Rect& box, std::span<const Point> curve);

// Whether a name of owner in box reads as its own curve's: a curve of that owner is nearer to the box
// than every other curve, by half the scene's gap at least. True for a name of no curve, or of a curve
// not drawn.
bool nearestToOwnCurve(const Rect& box, int owner, const LabelScene& scene);

// Places the names in order, each at the free place nearest its anchor (beside it at best; beside its
// own curve further along; farther away, with a leader line, when the near places are taken), so that no
// two overlap, none overlaps an obstacle, each lies within one of the areas and each curve's name is
// nearest that curve. Tries a bounded number of places per name; a name with no such place is left out.
std::vector<PlacedLabel> placeLabels(std::span<const LabelRequest> requests, const LabelScene& scene);

// A dash pattern for a pen width w, in units of w as QPen wants it: dashes and gaps of a length that
// reads at any width, so a dashed stretch never closes up into a solid line on a thick pen; on a stretch
// too short for three dashes, finer ones, but no dash or gap shorter than the pen is wide or than two
// pixels. Drawn with flat caps and begun with a gap (offset), so that where a solid line turns dashed the
// break shows.
struct DashPattern {
    double dash;
    double gap;
    double offset;
};
DashPattern dashPattern(double penWidth, double lineHeight, double stretchLength);

} // namespace pumpvale::chart
