// "Savings Over Time": whether the dearer PC pump pays for itself, in a window of its own.
//
//   Heading        the result's yearly costs, why there is nothing to compare (a PC-only result), or that
//                  no result is shown now
//   Entries        the installed prices, the yearly maintenance, the years of service, the discount rate,
//                  the energy price escalation and the grid emission factor, each with its label as buddy
//   Outputs        extra first cost, net saving a year, simple and discounted payback, break-even year,
//                  cumulative net saving, net present value, energy saved and CO2 avoided a year
//                  (read-only boxes), each with its unit
//   Messages       below them while an entry is refused: what to fix, checked as the user types
//
// A screen reader hears each entry and figure by its label with its unit, an entry's accepted range
// (from the rules) and a figure's working as its description, and the messages as a read-only text.
//   YearTable      each pump's cost of ownership at the end of every year
//   OwnershipChart the same as a chart, with the break-even point marked
//   CloseButton    "Close" (Escape does the same)
//
// The entries are the case's: each change goes into the session, and a case opened shows its own (the
// defaults when its file has none). The window works nothing out itself: the core's life cycle of the
// session (core/life_cycle_report.h) gives its heading, its messages and, through the report's one
// layout, every figure, the table and the chart, as the report prints them. Made once and hidden when
// closed; it follows the workflow's signals.
#pragma once

#include "core/life_cycle_entries.h"
#include "core/life_cycle_report.h"
#include "ui/ownership_chart.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace pumpvale {

class Workflow;

class SavingsWindow final : public QWidget {
    Q_OBJECT
public:
    SavingsWindow(QWidget& owner, Workflow& workflow);

    static constexpr std::size_t kEntryCount = kLifeCycleFieldCount;
    static constexpr std::size_t kOutputCount = 9;
    QLineEdit& entry(LifeCycleField field) const { return *entries_[static_cast<std::size_t>(field)]; }

signals:
    // An entry changed what the report holds.
    void entriesChanged();

private:
    void buildEntries(QWidget& group);
    void buildOutputs(QWidget& group);
    void buildTable();
    void fitTable();
    LifeCycleEntries entryTexts() const;
    void entriesEdited();
    void caseOpened();
    void render();
    void renderFigures(const LifeCycleOutcome& outcome);

    Workflow& workflow_;
    QLabel* heading_ = nullptr;
    std::array<QLineEdit*, kEntryCount> entries_{};
    std::array<QLabel*, kEntryCount> entryUnits_{};
    QLabel* messages_ = nullptr;
    std::array<QLineEdit*, kOutputCount> outputs_{};
    std::array<QLabel*, kOutputCount> outputUnits_{};
    QTableWidget* table_ = nullptr;
    OwnershipChart* chart_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace pumpvale
