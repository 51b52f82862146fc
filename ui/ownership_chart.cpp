#include "ui/ownership_chart.h"

#include "core/number_format.h"
#include "ui/report_layouts.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace pumpvale {
namespace {

using chart_painting::toChart;
using chart_painting::toQt;

// The AODD pump's line: vermilion (Okabe and Ito), which reads on white and on a dark background; the PC
// pump's is the text colour, as in the inlet comparison's chart.
const QColor kAoddColour(0xd5, 0x5e, 0x00);

// The years both lines have, when every figure in them is finite; none otherwise.
std::size_t drawableYears(const OwnershipChartData& data) {
    const std::size_t n = std::min(data.pcCumulative.size(), data.aoddCumulative.size());
    for (std::size_t k = 0; k < n; ++k)
        if (!std::isfinite(data.pcCumulative[k]) || !std::isfinite(data.aoddCumulative[k]))
            return 0;
    return n;
}

// "1.7 years", as the payback reads in the window and the report.
QString yearsText(double years) {
    return QString::fromStdString(formatYears(years, localeSeparators())) + QStringLiteral(" years");
}

// The PC pump's cost at a fractional year, on its drawn line.
double pcCostAt(const std::vector<double>& pc, double year) {
    const auto last = static_cast<double>(pc.size() - 1);
    const double at = std::clamp(year, 0.0, last);
    const auto k = static_cast<std::size_t>(std::min(std::floor(at), std::max(last - 1, 0.0)));
    if (k + 1 >= pc.size())
        return pc[k];
    const double t = at - static_cast<double>(k);
    return pc[k] + (pc[k + 1] - pc[k]) * t;
}

} // namespace

std::optional<OwnershipChartData> ownershipChartOf(const LifeCycleOutcome& outcome) {
    if (!outcome.lifeCycle)
        return std::nullopt;
    const LifeCycle& l = *outcome.lifeCycle;
    return OwnershipChartData{l.pcCumulative, l.aoddCumulative, l.breakEvenYear,
                              QString::fromStdString(outcome.currency)};
}

void drawOwnershipChart(QPainter& painter, const QRectF& area, const OwnershipChartData& data,
                        const ChartColours& colours, chart_painting::ChartRecord* record) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor& background = colours.background;
    const QColor& text = colours.text;
    const QFontMetricsF fm(painter.font(), painter.device());
    const QLocale locale;

    const std::size_t n = drawableYears(data);
    const double lastYear = n > 1 ? static_cast<double>(n - 1) : 1;
    double lo = 0;
    double hi = 0;
    for (std::size_t k = 0; k < n; ++k)
        for (const double v : {data.pcCumulative[k], data.aoddCumulative[k]}) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    chart_painting::AxesPlan plan;
    plan.x = chart::axisRange(0, lastYear, false, 0.03);
    plan.y = chart::axisRange(lo, hi, false, 0.05);
    plan.xText = [&](double v) { return locale.toString(std::lround(v)); };
    // Whole amounts without ".00": the ticks are round numbers.
    plan.yText = [](double v) { return QString::fromStdString(formatMoneyBrief(v, localeSeparators())); };
    plan.xMinStep = 1;
    plan.title =
        QStringLiteral("Cost of ownership over the years, not discounted: price, energy and maintenance");
    plan.xTitle = QStringLiteral("Years in service");
    plan.yTitle = data.currency.isEmpty() ? QStringLiteral("Cumulative cost")
                                          : QStringLiteral("Cumulative cost (%1)").arg(data.currency);
    plan.names = {QStringLiteral("AODD pump")};
    plan.ticks = n > 0;
    const chart_painting::Axes axes =
        chart_painting::drawFrameAndAxes(painter, area, std::move(plan), colours, record);
    const QRectF& frame = axes.frame;
    const double line = axes.line;
    const double pen = axes.pen;
    std::vector<chart::Rect> obstacles = axes.tickLabels;

    if (n == 0) {
        const bool empty = data.pcCumulative.empty() || data.aoddCumulative.empty();
        painter.drawText(frame.adjusted(line, line, -line, -line), Qt::AlignCenter | Qt::TextWordWrap,
                         empty ? QStringLiteral("No costs to draw.")
                               : QStringLiteral("No costs to draw: some figures are not finite numbers."));
        painter.restore();
        return;
    }

    // The two lines, a mark at each year where the years stand far enough apart; the PC pump's last.
    std::vector<std::vector<chart::Point>> curves;
    const bool marks = frame.width() / lastYear >= line * 0.8;
    const double r = line * 0.16;
    const auto drawLine = [&](const std::vector<double>& costs, const QColor& colour, bool square) {
        QPainterPath path;
        curves.emplace_back();
        for (std::size_t k = 0; k < n; ++k) {
            const QPointF at(axes.px(static_cast<double>(k)), axes.py(costs[k]));
            k == 0 ? path.moveTo(at) : path.lineTo(at);
            curves.back().push_back({at.x(), at.y()});
        }
        painter.setPen(QPen(colour, pen * 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        if (!marks)
            return;
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (const chart::Point& p : curves.back())
            square ? painter.drawRect(QRectF(p.x - r, p.y - r, 2 * r, 2 * r))
                   : painter.drawEllipse(QPointF(p.x, p.y), r * 1.2, r * 1.2);
    };
    drawLine(data.aoddCumulative, kAoddColour, false);
    drawLine(data.pcCumulative, text, true);

    // The break-even: a ringed dot on the PC pump's line, named first so it stands nearest its point.
    std::vector<chart::LabelRequest> requests;
    QStringList names;
    const auto name = [&](const QPointF& anchor, const QString& label) {
        requests.push_back({{anchor.x(), anchor.y()}, fm.horizontalAdvance(label) + line * 0.3, line});
        names << label;
    };
    if (data.breakEvenYear && std::isfinite(*data.breakEvenYear) && *data.breakEvenYear >= 0 &&
        *data.breakEvenYear <= static_cast<double>(n - 1)) {
        const QPointF at(axes.px(*data.breakEvenYear),
                         axes.py(pcCostAt(data.pcCumulative, *data.breakEvenYear)));
        const double radius = r * 2.4;
        painter.setPen(QPen(text, pen));
        painter.setBrush(background);
        painter.drawEllipse(at, radius, radius);
        painter.setBrush(text);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(at, radius * 0.45, radius * 0.45);
        obstacles.push_back(toChart(QRectF(at - QPointF(radius + pen, radius + pen),
                                           QSizeF(2 * (radius + pen), 2 * (radius + pen)))));
        name(at, QStringLiteral("break-even ") + yearsText(*data.breakEvenYear));
    }
    const auto end = [&](const std::vector<chart::Point>& curve) {
        return QPointF(curve.back().x, curve.back().y);
    };
    name(end(curves[1]), QStringLiteral("PC pump"));
    name(end(curves[0]), QStringLiteral("AODD pump"));

    chart_painting::placeAndDrawNames(
        painter, {std::move(obstacles), std::move(curves), {}, std::move(requests), std::move(names)}, frame,
        area, pen, line, text, background, record);
    painter.restore();
}

OwnershipChart::OwnershipChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(420, 200); // its window, with nine figures, fits a 1366 x 768 screen at 125 %
    setAccessibleName(QStringLiteral("Cost of ownership chart"));
}

void OwnershipChart::setData(OwnershipChartData data) {
    data_ = std::move(data);
    const std::size_t years = drawableYears(data_);
    if (years == 0) {
        setAccessibleDescription(QStringLiteral("No figures"));
        update();
        return;
    }
    const auto money = [](double amount) {
        return QString::fromStdString(formatMoney(amount, localeSeparators()));
    };
    QString description =
        QStringLiteral(
            "Over %1 years the PC pump's cost of ownership, not discounted, goes from %2 to %3, the AODD "
            "pump's from %4 to %5 %6.")
            .arg(years - 1)
            .arg(money(data_.pcCumulative.front()), money(data_.pcCumulative[years - 1]),
                 money(data_.aoddCumulative.front()), money(data_.aoddCumulative[years - 1]), data_.currency);
    if (data_.breakEvenYear && std::isfinite(*data_.breakEvenYear))
        description += QStringLiteral(" The PC pump's line drops below the AODD pump's at ") +
                       yearsText(*data_.breakEvenYear) + '.';
    setAccessibleDescription(description);
    update();
}

void OwnershipChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    // The grid a fifth of the text's strength, so it reads faintly on a light or a dark background.
    QColor grid = palette().color(QPalette::Text);
    grid.setAlphaF(0.2f);
    drawOwnershipChart(painter, rect(), data_,
                       {palette().color(QPalette::Base), palette().color(QPalette::Text), grid});
}

} // namespace pumpvale
