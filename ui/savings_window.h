// "Savings Over Time": whether the dearer PC pump pays for itself, in a window of its own.
//
//   Heading        the result's yearly costs, why there is nothing to compare (a PC-only result), or that
//                  no result is shown now
//   Entries        the installed prices, the yearly maintenance, the years of service, the discount rate
//                  and the grid emission factor, each with its label as buddy
//   Outputs        extra first cost, net saving a year, simple payback, cumulative net saving, net present
//                  value, energy saved and CO2 avoided a year (read-only boxes)
//   Messages       in the outputs' place while an entry is refused: what to fix, checked as the user types
//   YearTable      each pump's cost of ownership at the end of every year
//   OwnershipChart the same as a chart, with the break-even point marked
//   CloseButton    "Close" (Escape does the same)
//
// Made once and hidden when closed, so the entries keep their values while the program runs. It reads
// the main window's record and results, which outlive it, afresh on resultsChanged().
#pragma once

#include "core/life_cycle_entries.h"
#include "core/life_cycle_report.h"
#include "core/operating_case.h"
#include "ui/ownership_chart.h"

#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace pumpvale {

class SavingsWindow final : public QWidget {
    Q_OBJECT
public:
    SavingsWindow(QWidget& owner, const OperatingCase& c, const AnnualCosts& costs);

    // The entries, checked: what the report adds of them.
    LifeCycleInputs inputs() const;
    // The cost of ownership chart as the printed report draws it: none unless the entries give payback
    // figures for the full result shown.
    std::optional<OwnershipChartData> reportChart() const;

    static constexpr std::size_t kEntryCount = 7; // one per LifeCycleField
    static constexpr std::size_t kOutputCount = 7;
    QLineEdit& entry(LifeCycleField field) const { return *entries_[static_cast<std::size_t>(field)]; }

public slots:
    // The main window's result was shown again or changed: read it afresh.
    void resultsChanged();
    // The main window no longer shows a result (the user went back): no figures until the next one.
    void resultWithdrawn();

signals:
    // An entry changed what the report holds.
    void entriesChanged();

private:
    LifeCycleEntries entryTexts() const;
    void entriesEdited();
    void showFigures();
    void showMessages(const QStringList& lines);
    void clearFigures();

    const OperatingCase& case_;
    const AnnualCosts& costs_;
    bool pcOnly_ = false;
    bool withdrawn_ = false;
    QLabel* heading_ = nullptr;
    std::array<QLineEdit*, kEntryCount> entries_{};
    std::array<QLabel*, kEntryCount> entryUnits_{};
    QStackedWidget* outputPages_ = nullptr; // the figures, or the messages in their place
    QLabel* messages_ = nullptr;
    std::array<QLineEdit*, kOutputCount> outputs_{};
    std::array<QLabel*, kOutputCount> outputUnits_{};
    QTableWidget* table_ = nullptr;
    OwnershipChart* chart_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace pumpvale
