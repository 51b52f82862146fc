// The cost of ownership chart: each pump's cumulative cost (its price, then energy and maintenance year
// by year) over the years of service, with the break-even point marked.
//
// Drawn with QPainter in vectors by the layout rules of the inlet comparison's chart (core's
// chart_layout): linear axes with a margin and a bounded number of ticks, the two lines named at their
// ends where nothing else stands, the break-even a dot with its label, its years written as the payback
// is everywhere (formatYears). The same drawing serves the window and the printed page.
#pragma once

#include "core/life_cycle_report.h"
#include "ui/chart_painting.h"
#include "ui/cost_chart.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QPainter;
class QRectF;

namespace pumpvale {

// The chart's heading on a page or in a file.
inline constexpr char kOwnershipChartHeading[] = "Cumulative cost against years in service";

struct OwnershipChartData {
    // Each pump's cumulative cost of ownership at the end of year 0 (its first cost) to year N.
    std::vector<double> pcCumulative;
    std::vector<double> aoddCumulative;
    std::optional<double> breakEvenYear; // where the PC pump's line crosses below the AODD pump's, fractional
    QString currency;                    // as the results show it, e.g. "US Dollars"
};

// The chart of the life cycle worked out for a case: none without its figures.
std::optional<OwnershipChartData> ownershipChartOf(const LifeCycleOutcome& outcome);

// Draws the chart into area with the painter's current font as its base font, in colours (the window
// gives its palette's, so that it reads in light and dark; a page black on white), telling record where
// its parts went when there is one.
void drawOwnershipChart(QPainter& painter, const QRectF& area, const OwnershipChartData& data,
                        const ChartColours& colours, chart_painting::ChartRecord* record = nullptr);

class OwnershipChart : public QWidget {
    Q_OBJECT
public:
    explicit OwnershipChart(QWidget* parent = nullptr);
    // The chart, and the same in words for a screen reader.
    void setData(OwnershipChartData data);
    const OwnershipChartData& data() const { return data_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OwnershipChartData data_;
};

} // namespace pumpvale
