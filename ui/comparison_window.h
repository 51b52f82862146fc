// "Compare Inlet Sizes": every inlet size at the duty point, as a table and as a chart.
//
//   Heading          the duty point, the air supply, the compressor and the PC pump's cost; after Go Back
//                    or Run Again, first that the figures are those of the last duty point accepted
//   ComparisonTable  one row per inlet size; the selected one marked "(selected)" and bold
//   CostChart        annual cost against flow for each size and the PC pump
//   CloseButton      "Close" (Escape does the same)
#pragma once

#include "ui/comparison_text.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace pumpvale {

class CostChart;

class ComparisonWindow : public QWidget {
    Q_OBJECT
public:
    explicit ComparisonWindow(QWidget* parent = nullptr);

    // Shows the comparison for context (the window keeps no link to where it came from).
    void showComparison(const ComparisonContext& context);
    // Says the comparison shown is of a duty point no longer accepted, until the next showComparison.
    void showOutOfDate();
    bool isOutOfDate() const { return outOfDate_; }

private:
    QLabel* heading_ = nullptr;
    QTableWidget* table_ = nullptr;
    CostChart* chart_ = nullptr;
    QPushButton* close_ = nullptr;
    QString dutyLine_;
    bool outOfDate_ = false;
};

} // namespace pumpvale
