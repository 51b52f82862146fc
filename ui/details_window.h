// "Calculation Details": the working of the last result as a table, in a window of its own.
//
// One row per quantity: its name, value, unit and how it is found, under a heading per section of the
// report, and the model's assumptions below. Its buttons copy and print through the main window's
// actions. Escape closes it; at most one is open (ResultsActions keeps it).
#pragma once

#include "core/report.h"

#include <QDialog>

class QAction;
class QLabel;
class QTableWidget;

namespace pumpvale {

class DetailsWindow final : public QDialog {
    Q_OBJECT
public:
    // copy and print are triggered by the window's buttons.
    DetailsWindow(QWidget& owner, QAction& copy, QAction& print);

    void setReport(const CalculationReport& report, const Separators& separators);

private:
    QTableWidget* table_ = nullptr;
    QLabel* assumptions_ = nullptr;
};

} // namespace pumpvale
