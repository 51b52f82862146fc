#include "ui/cost_chart.h"

#include "ui/chart_painting.h"
#include "ui/comparison_text.h"
#include "ui/window_parts.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <vector>

namespace pumpvale {
namespace {

// One colour per inlet size, from a palette that colour-blind readers can tell apart (Okabe and Ito),
// without its yellow, which vanishes on white.
// clang-format off
const std::array<QColor, kInletSizes.size()> kSizeColours{
    QColor(0xe6, 0x9f, 0x00), QColor(0x56, 0xb4, 0xe9), QColor(0x00, 0x9e, 0x73),
    QColor(0xcc, 0x79, 0xa7), QColor(0x00, 0x72, 0xb2), QColor(0xd5, 0x5e, 0x00)};
// clang-format on

using chart_painting::toChart;
using chart_painting::toQt;

bool shown(double cost) {
    return std::isfinite(cost) && cost > 0;
}

// The smallest and largest cost the chart holds: every sample's, and the duty point's, that a
// logarithmic axis can show (finite and positive).
std::pair<double, double> costRange(const CostChartView& view) {
    double lo = HUGE_VAL;
    double hi = -HUGE_VAL;
    const auto take = [&](double cost) {
        if (std::isfinite(cost) && cost > 0) {
            lo = std::min(lo, cost);
            hi = std::max(hi, cost);
        }
    };
    for (const CostSample& s : view.data.pcPump)
        take(s.annualCost);
    for (const SizeCurve& curve : view.data.sizes)
        for (const CostRun& run : curve.runs)
            for (const CostSample& s : run)
                take(s.annualCost);
    for (const InletComparisonRow& row : view.rows)
        if (row.costs)
            take(row.costs->aoddAnnualCost);
    take(view.data.dutyPcAnnualCost);
    return {lo, hi};
}

// The runs split where a cost cannot be shown, so that no line is drawn to or from it.
std::vector<CostRun> showable(const std::vector<CostRun>& runs) {
    std::vector<CostRun> out;
    for (const CostRun& run : runs) {
        out.emplace_back();
        for (const CostSample& s : run) {
            if (shown(s.annualCost))
                out.back().push_back(s);
            else if (!out.back().empty())
                out.emplace_back();
        }
        if (out.back().empty())
            out.pop_back();
    }
    return out;
}

// The order of drawing: the selected size last, above the others.
std::vector<std::size_t> drawingOrder(const CostChartView& view) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < kInletSizes.size(); ++i)
        if (view.selected != kInletSizes[i])
            order.push_back(i);
    for (std::size_t i = 0; i < kInletSizes.size(); ++i)
        if (view.selected == kInletSizes[i])
            order.push_back(i);
    return order;
}

} // namespace

void drawCostChart(QPainter& painter, const QRectF& area, const CostChartView& view,
                   const ChartColours& colours) {
    drawCostChart(painter, area, view, colours, nullptr);
}

void drawCostChart(QPainter& painter, const QRectF& area, const CostChartView& view,
                   const ChartColours& colours, chart_painting::ChartRecord* record) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(painter.font(), painter.device());
    const UnitSystem units = view.units;

    chart_painting::AxesPlan plan;
    const auto [costLo, costHi] = costRange(view);
    plan.y = chart::axisRange(costLo, costHi, true, 0.04);
    const double dutyFlow = flowInUnits(view.data.dutyFlowGpm, units);
    plan.x = chart::axisRange(std::min(flowInUnits(view.data.lowFlowGpm, units), dutyFlow),
                              std::max(flowInUnits(view.data.highFlowGpm, units), dutyFlow), true, 0.03);
    plan.xText = plan.yText = chart_painting::tickText;
    plan.title = QStringLiteral("Annual cost at %1: solid where the system air suffices, dashed where "
                                "the pump needs more; dots: the duty point")
                     .arg(comparison_text::pressure(view.data.pressurePsi, units));
    plan.xTitle = QStringLiteral("Flow (%1), logarithmic").arg(comparison_text::flowUnit(units));
    plan.yTitle = QStringLiteral("Annual cost (%1)").arg(view.currency);
    for (const SizeCurve& curve : view.data.sizes)
        plan.names << parts::qText(inletSizeName(curve.size));
    const chart_painting::Axes axes =
        chart_painting::drawFrameAndAxes(painter, area, std::move(plan), colours, record);
    const QRectF& frame = axes.frame;
    const double line = axes.line;
    const double pen = axes.pen;
    std::vector<chart::Rect> obstacles = axes.tickLabels;

    painter.setClipRect(frame.adjusted(-pen * 3, -pen * 3, pen * 3, pen * 3));
    const auto point = [&](const CostSample& s) {
        return QPointF(axes.px(flowInUnits(s.flowGpm, units)), axes.py(s.annualCost));
    };
    std::vector<chart::LabelRequest> requests;
    QStringList names;
    std::vector<std::vector<chart::Point>> polylines;
    std::vector<int> owners; // each polyline's: the index of its size, kPcOwner for the PC pump's
    constexpr int kPcOwner = static_cast<int>(kInletSizes.size());
    const auto nameEnd = [&](const QPointF& end, const QString& name, int owner) {
        requests.push_back({{end.x(), end.y()}, fm.horizontalAdvance(name) + line * 0.3, line, owner});
        names << name;
    };

    // The PC pump, then each size, the selected one last; a cost that cannot be shown breaks the line.
    QPainterPath pc;
    std::optional<QPointF> pcEnd;
    polylines.emplace_back();
    owners.push_back(kPcOwner);
    for (const CostSample& s : view.data.pcPump) {
        if (!shown(s.annualCost))
            continue;
        pcEnd ? pc.lineTo(point(s)) : pc.moveTo(point(s));
        pcEnd = point(s);
        polylines.back().push_back({pcEnd->x(), pcEnd->y()});
    }
    painter.setPen(QPen(colours.text, pen * 1.5));
    painter.drawPath(pc);

    std::vector<std::tuple<QPointF, QString, int>> sizeEnds;
    for (const std::size_t i : drawingOrder(view)) {
        const SizeCurve& curve = view.data.sizes[i];
        const bool chosen = view.selected == curve.size;
        const double width = pen * (chosen ? 2 : 1.2);
        std::optional<QPointF> end;
        // One path per stretch of one style, so that a dash pattern runs on across the samples.
        for (const CostRun& run : showable(curve.runs)) {
            polylines.emplace_back();
            owners.push_back(static_cast<int>(i));
            polylines.back().push_back({point(run.front()).x(), point(run.front()).y()});
            for (std::size_t k = 1; k < run.size();) {
                const bool covered = run[k - 1].airPressureCovers && run[k].airPressureCovers;
                QPainterPath stretch(point(run[k - 1]));
                for (;
                     k < run.size() && (run[k - 1].airPressureCovers && run[k].airPressureCovers) == covered;
                     ++k) {
                    stretch.lineTo(point(run[k]));
                    polylines.back().push_back({point(run[k]).x(), point(run[k]).y()});
                }
                painter.strokePath(stretch, covered ? QPen(kSizeColours[i], width)
                                                    : chart_painting::dashedPen(kSizeColours[i], width, line,
                                                                                stretch.length()));
            }
            end = point(run.back());
        }
        if (end)
            sizeEnds.emplace_back(*end, parts::qText(inletSizeName(curve.size)), static_cast<int>(i));
    }
    painter.setClipping(false);

    // The duty point: its flow, and each size's cost there, the selected size's dot last.
    const double dutyX = axes.px(dutyFlow);
    painter.setPen(QPen(colours.text, 0, Qt::DotLine));
    painter.drawLine(QPointF(dutyX, frame.top()), QPointF(dutyX, frame.bottom()));
    polylines.push_back({{dutyX, frame.top()}, {dutyX, frame.bottom()}});
    owners.push_back(-1); // a line no name belongs to
    const double r = line * 0.22;
    for (const std::size_t i : drawingOrder(view)) {
        if (!view.rows[i].costs || !shown(view.rows[i].costs->aoddAnnualCost))
            continue;
        const QPointF at(dutyX, axes.py(view.rows[i].costs->aoddAnnualCost));
        const bool chosen = view.selected == view.rows[i].size;
        const double radius = chosen ? r * 1.8 : r;
        painter.setPen(QPen(chosen ? colours.text : kSizeColours[i], pen));
        painter.setBrush(kSizeColours[i]);
        painter.drawEllipse(at, radius, radius);
        obstacles.push_back(toChart(QRectF(at - QPointF(radius + pen, radius + pen),
                                           QSizeF(2 * (radius + pen), 2 * (radius + pen)))));
    }
    if (shown(view.data.dutyPcAnnualCost)) {
        painter.setBrush(colours.text);
        painter.setPen(Qt::NoPen);
        const QRectF square(QPointF(dutyX, axes.py(view.data.dutyPcAnnualCost)) - QPointF(r, r),
                            QSizeF(2 * r, 2 * r));
        painter.drawRect(square);
        obstacles.push_back(toChart(square.adjusted(-pen, -pen, pen, pen)));
    }

    // The names: the selected size's first, so it stands nearest its curve, then the PC pump's and the rest.
    const auto isSelected = [&](int owner) {
        return view.selected == kInletSizes[static_cast<std::size_t>(owner)];
    };
    for (const auto& [end, name, owner] : sizeEnds)
        if (isSelected(owner))
            nameEnd(end, name, owner);
    if (pcEnd)
        nameEnd(*pcEnd, QStringLiteral("PC pump"), kPcOwner);
    for (const auto& [end, name, owner] : sizeEnds)
        if (!isSelected(owner))
            nameEnd(end, name, owner);
    chart_painting::placeAndDrawNames(painter,
                                      {std::move(obstacles), std::move(polylines), std::move(owners),
                                       std::move(requests), std::move(names)},
                                      frame, area, pen, line, colours.text, colours.background, record);
    painter.restore();
}

CostChart::CostChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(560, 300); // the comparison window fits a 1366 x 768 screen at 125 %
    setAccessibleName(QStringLiteral("Cost chart"));
}

void CostChart::setView(CostChartView view) {
    view_ = std::move(view);
    setAccessibleDescription(
        QStringLiteral("Annual cost of each inlet size and of the PC pump against flow"));
    update();
}

void CostChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    drawCostChart(
        painter, rect(), view_,
        {palette().color(QPalette::Base), palette().color(QPalette::Text), palette().color(QPalette::Mid)});
}

} // namespace pumpvale
