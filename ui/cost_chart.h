// The cost chart: annual cost against flow for each inlet size and for the PC pump, with the duty point.
//
// Drawn with QPainter in vectors, so the same drawing serves the window at any scale and a printed page.
// Both axes are logarithmic: the sizes span 0.5 to 200 GPM and their costs several decades. Each curve is
// named at its end (colour is never the only cue), solid where the system air pressure covers what the
// pump needs and dashed where it does not, and it stops where the size cannot serve the flow.
#pragma once

#include "aodd/comparison.h"
#include "ui/chart_painting.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <optional>

class QPainter;
class QRectF;

namespace pumpvale {

// The chart's heading on a page or in a file.
inline constexpr char kCostChartHeading[] = "Annual cost against flow";

struct CostChartView {
    CostChartData data;
    InletComparison rows; // the duty point's figures, marked on the curves
    UnitSystem units = UnitSystem::English;
    QString currency;
    std::optional<InletSize> selected;
};

// Draws the chart into area with the painter's current font as its base font.
void drawCostChart(QPainter& painter, const QRectF& area, const CostChartView& view,
                   const ChartColours& colours);
// The same, telling record where its parts went.
void drawCostChart(QPainter& painter, const QRectF& area, const CostChartView& view,
                   const ChartColours& colours, chart_painting::ChartRecord* record);

class CostChart : public QWidget {
    Q_OBJECT
public:
    explicit CostChart(QWidget* parent = nullptr);
    void setView(CostChartView view);
    const CostChartView& view() const { return view_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CostChartView view_;
};

} // namespace pumpvale
