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

using chart::Axis;
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
    painter.fillRect(area, colours.background);
    const QFontMetricsF fm(painter.font(), painter.device());
    const double line = fm.height();
    const double pen = std::max(1.0, line / 7);
    const UnitSystem units = view.units;

    const auto [costLo, costHi] = costRange(view);
    Axis y = chart::axisRange(costLo, costHi, true, 0.04);
    const double dutyFlow = flowInUnits(view.data.dutyFlowGpm, units);
    Axis x = chart::axisRange(std::min(flowInUnits(view.data.lowFlowGpm, units), dutyFlow),
                              std::max(flowInUnits(view.data.highFlowGpm, units), dutyFlow), true, 0.03);

    // The title and key, on two lines where one is too narrow for them.
    const QString title =
        QStringLiteral("Annual cost at %1: solid where the system air suffices, dashed where "
                       "the pump needs more; dots: the duty point")
            .arg(comparison_text::pressure(view.data.pressurePsi, units));
    const int titleLines = fm.horizontalAdvance(title) <= area.width() ? 1 : 2;
    const double top = area.top() + line * (1.2 + titleLines);
    const double bottom = area.bottom() - line * 2.8;
    const auto width = [&](double v) { return fm.horizontalAdvance(chart_painting::tickText(v)); };
    // Cost labels stand one above another: a line high each, a fifth of a line apart.
    chart::chooseTicks(y, bottom - top, line * 0.2, line * 0.45, [&](double) { return line; });
    double labelWidth = 0;
    for (const double v : y.ticks)
        labelWidth = std::max(labelWidth, width(v));
    double gutter = 0;
    for (const SizeCurve& curve : view.data.sizes)
        gutter = std::max(gutter, fm.horizontalAdvance(parts::qText(inletSizeName(curve.size))));
    const QRectF frame(QPointF(area.left() + line * 2 + labelWidth, top),
                       QPointF(area.right() - gutter - line * 1.2, bottom));
    // Flow labels side by side, within the frame's width so they never meet the cost labels.
    chart::chooseTicks(x, frame.width(), line * 0.8, 0, width);
    const auto px = [&](double flow) { return x.at(flow, frame.left(), frame.right()); };
    const auto py = [&](double cost) { return y.at(cost, frame.bottom(), frame.top()); };

    // Grid, frame, ticks and axis titles.
    std::vector<chart::Rect> obstacles;
    painter.setPen(QPen(colours.grid, 0));
    for (const double v : x.ticks)
        painter.drawLine(QPointF(px(v), frame.top()), QPointF(px(v), frame.bottom()));
    for (const double v : y.ticks)
        painter.drawLine(QPointF(frame.left(), py(v)), QPointF(frame.right(), py(v)));
    painter.setPen(QPen(colours.text, 0));
    painter.drawRect(frame);
    for (const double v : x.ticks) {
        const QRectF box(px(v) - width(v) / 2, frame.bottom() + line * 0.2, width(v), line);
        painter.drawText(box, Qt::AlignCenter, chart_painting::tickText(v));
        obstacles.push_back(toChart(box));
    }
    for (const double v : y.ticks) {
        const QRectF box(frame.left() - line * 0.3 - width(v), py(v) - line / 2, width(v), line);
        painter.drawText(box, Qt::AlignCenter, chart_painting::tickText(v));
        obstacles.push_back(toChart(box));
    }
    painter.drawText(QRectF(frame.left(), frame.bottom() + line * 1.4, frame.width(), line), Qt::AlignHCenter,
                     QStringLiteral("Flow (%1), logarithmic").arg(comparison_text::flowUnit(units)));
    painter.save();
    painter.translate(area.left(), frame.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-frame.height() / 2, 0, frame.height(), line), Qt::AlignHCenter,
                     QStringLiteral("Annual cost (%1)").arg(view.currency));
    painter.restore();
    painter.drawText(QRectF(area.left(), area.top() + line * 0.2, area.width(), titleLines * line),
                     Qt::AlignHCenter | Qt::TextWordWrap, title);

    painter.setClipRect(frame.adjusted(-pen * 3, -pen * 3, pen * 3, pen * 3));
    const auto point = [&](const CostSample& s) {
        return QPointF(px(flowInUnits(s.flowGpm, units)), py(s.annualCost));
    };
    std::vector<chart::LabelRequest> requests;
    QStringList names;
    std::vector<std::vector<chart::Point>> polylines;
    const auto nameEnd = [&](const QPointF& end, const QString& name) {
        requests.push_back({{end.x(), end.y()}, fm.horizontalAdvance(name) + line * 0.3, line});
        names << name;
    };

    // The PC pump, then each size, the selected one last; a cost that cannot be shown breaks the line.
    QPainterPath pc;
    std::optional<QPointF> pcEnd;
    polylines.emplace_back();
    for (const CostSample& s : view.data.pcPump) {
        if (!shown(s.annualCost))
            continue;
        pcEnd ? pc.lineTo(point(s)) : pc.moveTo(point(s));
        pcEnd = point(s);
        polylines.back().push_back({pcEnd->x(), pcEnd->y()});
    }
    painter.setPen(QPen(colours.text, pen * 1.5));
    painter.drawPath(pc);

    std::vector<std::pair<QPointF, QString>> sizeEnds;
    for (const std::size_t i : drawingOrder(view)) {
        const SizeCurve& curve = view.data.sizes[i];
        const bool chosen = view.selected == curve.size;
        const double width = pen * (chosen ? 2 : 1.2);
        std::optional<QPointF> end;
        // One path per stretch of one style, so that a dash pattern runs on across the samples.
        for (const CostRun& run : showable(curve.runs)) {
            polylines.emplace_back();
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
                QPen stroke(kSizeColours[i], width);
                if (!covered) {
                    const chart::DashPattern dash = chart::dashPattern(width, line, stretch.length());
                    stroke.setDashPattern({dash.dash, dash.gap});
                    stroke.setDashOffset(dash.offset);
                    stroke.setCapStyle(Qt::FlatCap);
                }
                painter.strokePath(stretch, stroke);
            }
            end = point(run.back());
        }
        if (end)
            sizeEnds.emplace_back(*end, parts::qText(inletSizeName(curve.size)));
    }
    painter.setClipping(false);

    // The duty point: its flow, and each size's cost there, the selected size's dot last.
    const double dutyX = px(dutyFlow);
    painter.setPen(QPen(colours.text, 0, Qt::DotLine));
    painter.drawLine(QPointF(dutyX, frame.top()), QPointF(dutyX, frame.bottom()));
    polylines.push_back({{dutyX, frame.top()}, {dutyX, frame.bottom()}});
    const double r = line * 0.22;
    for (const std::size_t i : drawingOrder(view)) {
        if (!view.rows[i].costs || !shown(view.rows[i].costs->aoddAnnualCost))
            continue;
        const QPointF at(dutyX, py(view.rows[i].costs->aoddAnnualCost));
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
        const QRectF square(QPointF(dutyX, py(view.data.dutyPcAnnualCost)) - QPointF(r, r),
                            QSizeF(2 * r, 2 * r));
        painter.drawRect(square);
        obstacles.push_back(toChart(square.adjusted(-pen, -pen, pen, pen)));
    }

    // The names: the selected size's first, so it stands nearest its curve, then the PC pump's and the rest.
    for (const auto& [end, name] : sizeEnds)
        if (view.selected && name == parts::qText(inletSizeName(*view.selected)))
            nameEnd(end, name);
    if (pcEnd)
        nameEnd(*pcEnd, QStringLiteral("PC pump"));
    for (const auto& [end, name] : sizeEnds)
        if (!(view.selected && name == parts::qText(inletSizeName(*view.selected))))
            nameEnd(end, name);
    if (record != nullptr) {
        record->xTicks = x.ticks.size();
        record->yTicks = y.ticks.size();
    }
    chart_painting::placeAndDrawNames(
        painter, {std::move(obstacles), std::move(polylines), std::move(requests), std::move(names)}, frame,
        area, pen, line, colours.text, colours.background, record);
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
