// ui/ownership_chart.h
#pragma once
#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>
class QPainter;
class QRectF;
namespace pumpvale {
struct OwnershipChartData {
    // Each pump's cumulative cost of ownership at the end of year 0 (its first cost) to year N.
    std::vector<double> pcCumulative;
    std::vector<double> aoddCumulative;
    std::optional<double> breakEvenYear; // where the PC pump's line crosses below the AODD pump's, fractional
    QString currency;                    // as the results show it, e.g. "US Dollars"
};
void drawOwnershipChart(QPainter& painter, const QRectF& area, const OwnershipChartData& data);
class OwnershipChart : public QWidget {
    Q_OBJECT
public:
    explicit OwnershipChart(QWidget* parent = nullptr);
    void setData(OwnershipChartData data);
    const OwnershipChartData& data() const { return data_; }
protected:
    void paintEvent(QPaintEvent* event) override;
private:
    OwnershipChartData data_;
};
} // namespace pumpvale
