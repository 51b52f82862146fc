#include "ui/cost_chart.h"

#include "ui/comparison_text.h"
#include "ui/metrics.h"
#include "ui/window_parts.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
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

// A logarithmic axis from lo to hi onto the pixels from a to b.
struct LogAxis {
    double lo;
    double hi;
    double a;
    double b;

    double at(double v) const { return a + (std::log10(v / lo) / std::log10(hi / lo)) * (b - a); }
};

// 1, 2 and 5 times the powers of ten between lo and hi; only the powers themselves when dense.
std::vector<double> ticks(double lo, double hi, bool decadesOnly) {
    std::vector<double> out;
    for (double decade = std::pow(10, std::floor(std::log10(lo))); decade <= hi; decade *= 10)
        for (const double m : {1.0, 2.0, 5.0})
            if ((!decadesOnly || m == 1) && m * decade >= lo * (1 - 1e-9) && m * decade <= hi * (1 + 1e-9))
                out.push_back(m * decade);
    return out;
}

QString tickText(double v) {
    return v >= 1 ? QLocale().toString(v, 'f', 0) : QLocale().toString(v, 'g', 3);
}

void costRange(const CostChartView& view, double& lo, double& hi) {
    lo = HUGE_VAL;
    hi = 0;
    const auto take = [&](double cost) {
        lo = std::min(lo, cost);
        hi = std::max(hi, cost);
    };
    for (const CostSample& s : view.data.pcPump)
        take(s.annualCost);
    for (const SizeCurve& curve : view.data.sizes)
        for (const CostRun& run : curve.runs)
            for (const CostSample& s : run)
                take(s.annualCost);
    if (!(hi > 0)) { // nothing to draw: an empty decade
        lo = 1;
        hi = 10;
    }
    lo = std::pow(10, std::floor(std::log10(lo)));
    hi = std::max(std::pow(10, std::ceil(std::log10(hi))), lo * 10);
}

// Labels at the curves' ends, moved down past the ones already placed so none covers another.
class LabelPlacer {
public:
    QRectF place(const QFontMetricsF& fm, QPointF leftCentre, const QString& text) {
        QRectF box(leftCentre.x(), leftCentre.y() - fm.height() / 2, fm.horizontalAdvance(text), fm.height());
        for (bool moved = true; moved;) {
            moved = false;
            for (const QRectF& taken : taken_)
                if (taken.intersects(box)) {
                    box.moveTop(taken.bottom() + 1);
                    moved = true;
                }
        }
        taken_.push_back(box);
        return box;
    }

private:
    std::vector<QRectF> taken_;
};

} // namespace

void drawCostChart(QPainter& painter, const QRectF& area, const CostChartView& view,
                   const ChartColours& colours) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, colours.background);
    const QFontMetricsF fm(painter.font(), painter.device());
    const double line = fm.height();
    const double pen = std::max(1.0, line / 7);
    const UnitSystem units = view.units;

    double costLo = 0;
    double costHi = 0;
    costRange(view, costLo, costHi);
    const double flowLo = flowInUnits(view.data.lowFlowGpm, units);
    const double flowHi = flowInUnits(view.data.highFlowGpm, units);

    double labelWidth = 0;
    for (const double v : ticks(costLo, costHi, false))
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(tickText(v)));
    // The title and key, on two lines where one is too narrow for them.
    const QString title =
        QStringLiteral("Annual cost at %1: solid where the system air suffices, dashed where "
                       "the pump needs more; dots: the duty point")
            .arg(comparison_text::pressure(view.data.pressurePsi, units));
    const int titleLines = fm.horizontalAdvance(title) <= area.width() ? 1 : 2;
    const QRectF plot(area.left() + line * 1.6 + labelWidth + line * 0.4,
                      area.top() + line * (1.2 + titleLines), 0, 0);
    const double right = area.right() - fm.horizontalAdvance(QStringLiteral("1 1/2 inch")) - line;
    const double bottom = area.bottom() - line * 2.8;
    const QRectF frame(plot.topLeft(), QPointF(right, bottom));
    const LogAxis x{flowLo, flowHi, frame.left(), frame.right()};
    const LogAxis y{costLo, costHi, frame.bottom(), frame.top()};

    // Grid, ticks and axis titles.
    painter.setPen(QPen(colours.grid, 0));
    const bool denseCost = (costHi / costLo) > 1e3 && frame.height() < line * 3 * std::log10(costHi / costLo);
    for (const double v : ticks(flowLo, flowHi, false))
        painter.drawLine(QPointF(x.at(v), frame.top()), QPointF(x.at(v), frame.bottom()));
    for (const double v : ticks(costLo, costHi, denseCost))
        painter.drawLine(QPointF(frame.left(), y.at(v)), QPointF(frame.right(), y.at(v)));
    painter.setPen(QPen(colours.text, 0));
    painter.drawRect(frame);
    for (const double v : ticks(flowLo, flowHi, false))
        painter.drawText(QRectF(x.at(v) - line * 3, frame.bottom() + line * 0.2, line * 6, line),
                         Qt::AlignHCenter | Qt::AlignTop, tickText(v));
    for (const double v : ticks(costLo, costHi, denseCost))
        painter.drawText(
            QRectF(area.left(), y.at(v) - line / 2, frame.left() - area.left() - line * 0.3, line),
            Qt::AlignRight | Qt::AlignVCenter, tickText(v));
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
        return QPointF(x.at(flowInUnits(s.flowGpm, units)), y.at(s.annualCost));
    };
    LabelPlacer labels;
    std::vector<std::pair<QRectF, QString>> names;

    // The PC pump, then each size.
    QPainterPath pc;
    for (std::size_t k = 0; k < view.data.pcPump.size(); ++k)
        k == 0 ? pc.moveTo(point(view.data.pcPump[k])) : pc.lineTo(point(view.data.pcPump[k]));
    painter.setPen(QPen(colours.text, pen * 1.5));
    painter.drawPath(pc);
    if (!view.data.pcPump.empty())
        names.emplace_back(
            labels.place(fm, point(view.data.pcPump.back()) + QPointF(line * 0.3, 0), "PC pump"), "PC pump");

    for (std::size_t i = 0; i < view.data.sizes.size(); ++i) {
        const SizeCurve& curve = view.data.sizes[i];
        const bool chosen = view.selected == curve.size;
        // One path per stretch of one style, so that a dash pattern runs on across the samples.
        for (const CostRun& run : curve.runs)
            for (std::size_t k = 1; k < run.size();) {
                const bool covered = run[k - 1].airPressureCovers && run[k].airPressureCovers;
                QPainterPath stretch(point(run[k - 1]));
                for (;
                     k < run.size() && (run[k - 1].airPressureCovers && run[k].airPressureCovers) == covered;
                     ++k)
                    stretch.lineTo(point(run[k]));
                QPen stroke(kSizeColours[i], pen * (chosen ? 2 : 1.2));
                if (!covered)
                    stroke.setDashPattern({2.5, 1.5});
                painter.strokePath(stretch, stroke);
            }
        if (!curve.runs.empty()) {
            const QString name = parts::qText(inletSizeName(curve.size));
            names.emplace_back(
                labels.place(fm, point(curve.runs.back().back()) + QPointF(line * 0.3, 0), name), name);
        }
    }
    painter.setClipping(false);

    // The duty point: its flow, and each size's cost there.
    const double dutyX = x.at(flowInUnits(view.data.dutyFlowGpm, units));
    painter.setPen(QPen(colours.text, 0, Qt::DotLine));
    painter.drawLine(QPointF(dutyX, frame.top()), QPointF(dutyX, frame.bottom()));
    const double r = line * 0.22;
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        if (!view.rows[i].costs)
            continue;
        const QPointF at(dutyX, y.at(view.rows[i].costs->aoddAnnualCost));
        const bool chosen = view.selected == view.rows[i].size;
        painter.setPen(QPen(chosen ? colours.text : kSizeColours[i], pen));
        painter.setBrush(kSizeColours[i]);
        painter.drawEllipse(at, chosen ? r * 1.8 : r, chosen ? r * 1.8 : r);
    }
    painter.setBrush(colours.text);
    painter.setPen(Qt::NoPen);
    const QPointF pcAt(dutyX, y.at(view.data.dutyPcAnnualCost));
    painter.drawRect(QRectF(pcAt - QPointF(r, r), QSizeF(2 * r, 2 * r)));

    painter.setPen(colours.text);
    painter.setBrush(Qt::NoBrush);
    for (const auto& [box, name] : names)
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, name);
    painter.restore();
}

QString costChartImageHtml(const CostChartView& view, int widthPx) {
    constexpr int kSharpness = 4;
    const int heightPx = widthPx * 11 / 20;
    QImage image(QSize(widthPx, heightPx) * kSharpness, QImage::Format_RGB32);
    image.setDevicePixelRatio(kSharpness);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(metrics::font());
        drawCostChart(painter, QRectF(0, 0, widthPx, heightPx), view, ChartColours{});
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("<img width=\"%1\" height=\"%2\" src=\"data:image/png;base64,%3\">")
        .arg(widthPx)
        .arg(heightPx)
        .arg(QString::fromLatin1(png.toBase64()));
}

QString comparisonChartHtml(const ComparisonContext& context) {
    constexpr int kPrintedWidthPx = 600; // about 6 1/4 inches: the width of a page's text
    return costChartImageHtml({costChartData(context.duty), compareInletSizes(context.duty), context.units,
                               context.currency, context.selected},
                              kPrintedWidthPx);
}

CostChart::CostChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(560, 340);
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
