// Fuzzes the charts' layout rules over any range of amounts and any set of names.
//
// The input is read as doubles: the first two are the data's ends (any bit pattern: subnormals, the
// largest double, infinities, NaN), the next ones the length of the axis, the labels' sizes and the
// names' anchors. Whatever they are, for an axis made from them or taken as they come, the axis is
// finite and ordered, its ticks few, ascending, within it and their labels apart; the names placed never
// overlap one another or an obstacle, lie within the frame, and each lies nearest its own curve.
#include "core/chart_layout.h"

#include "fuzz/check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace pumpvale::fuzz {
namespace {

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    double next() {
        double v = 0;
        if (size_ - at_ >= sizeof v) {
            std::memcpy(&v, data_ + at_, sizeof v);
            at_ += sizeof v;
        }
        return v;
    }
    // A length between 0 and limit, from any double.
    double length(double limit) {
        const double v = std::fabs(next());
        return std::isfinite(v) ? std::fmod(v, limit) : 0;
    }
    bool more() const { return size_ - at_ >= sizeof(double); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void checkAxis(Reader& in, bool logarithmic) {
    const double lo = in.next();
    const double hi = in.next();
    chart::Axis axis = chart::axisRange(lo, hi, logarithmic, in.length(1));
    // Or the ends as they come, where they make an axis: ticks for any axis a caller could make.
    if (std::isfinite(lo) && std::isfinite(hi) && lo < hi && (!logarithmic || lo > 0) && in.length(2) < 1) {
        axis.lo = lo;
        axis.hi = hi;
    }
    check(std::isfinite(axis.lo) && std::isfinite(axis.hi), "the axis's ends are finite");
    check(axis.lo < axis.hi, "the axis's ends are ordered");
    check(!logarithmic || axis.lo > 0, "a logarithmic axis starts above zero");
    for (const double v : {lo, hi, axis.lo, axis.hi})
        check(std::isfinite(axis.at(v, 0, 500)), "every value has a finite place");

    const double length = in.length(5000);
    const double gap = in.length(20);
    const double perCharacter = in.length(20);
    const auto extent = [perCharacter](double v) {
        return perCharacter * static_cast<double>(std::to_string(v).size()) / 4;
    };
    chart::chooseTicks(axis, length, gap, 0, extent, in.length(3) < 1 ? 1 : 0);
    check(axis.ticks.size() <= chart::kMaxTicks, "the ticks are bounded in number");
    double previousEnd = -std::numeric_limits<double>::infinity();
    for (const double v : axis.ticks) {
        check(std::isfinite(v) && v >= axis.lo && v <= axis.hi, "a tick lies within the axis");
        const double at = axis.at(v, 0, length);
        check(at - extent(v) / 2 >= previousEnd + gap, "tick labels never meet");
        check(at - extent(v) / 2 >= 0 && at + extent(v) / 2 <= length, "tick labels stay along the axis");
        previousEnd = at + extent(v) / 2;
    }
}

void checkNames(Reader& in) {
    chart::LabelScene scene;
    scene.areas = {{0, 0, 1 + in.length(1000), 1 + in.length(1000)},
                   {in.length(1500), 0, in.length(300), 500}};
    scene.gap = in.length(8);
    const int obstacles = static_cast<int>(in.length(12));
    for (int i = 0; i < obstacles; ++i)
        scene.obstacles.push_back({in.length(1200), in.length(1000), in.length(100), in.length(40)});
    // Three curves: two that bear names, and one that bears none (the duty point's flow).
    for (const int owner : {0, 1, -1}) {
        scene.curves.emplace_back();
        scene.owners.push_back(owner);
        for (int i = 0; i < 8 && in.more(); ++i)
            scene.curves.back().push_back({in.length(1200), in.length(1000)});
    }
    std::vector<chart::LabelRequest> requests;
    for (int i = 0; i < 10 && in.more(); ++i) {
        const chart::Point anchor{in.next(), in.length(1000)};
        const double width = in.length(200);
        const double height = 1 + in.length(30);
        requests.push_back({anchor, width, height, static_cast<int>(in.length(3)) - 1});
    }

    const std::vector<chart::PlacedLabel> placed = chart::placeLabels(requests, scene);
    check(placed.size() == requests.size(), "one answer per name");
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (!placed[i].placed)
            continue;
        const chart::Rect& box = placed[i].box;
        bool inside = false;
        for (const chart::Rect& area : scene.areas)
            inside = inside || area.contains(box);
        check(inside, "a name lies within the frame or the margin beside it");
        for (const chart::Rect& o : scene.obstacles)
            check(!box.overlaps(o), "a name keeps clear of dots and tick labels");
        for (std::size_t k = 0; k < i; ++k)
            check(!placed[k].placed || !box.overlaps(placed[k].box), "names never overlap");
        check(chart::nearestToOwnCurve(box, requests[i].owner, scene), "a name lies nearest its own curve");
        check(std::isfinite(placed[i].leaderEnd.x) && std::isfinite(placed[i].leaderEnd.y),
              "a leader line ends at a finite point");
    }
}

} // namespace
} // namespace pumpvale::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pumpvale::fuzz;
    Reader in(data, size);
    checkAxis(in, true);
    checkAxis(in, false);
    checkNames(in);
    return 0;
}
