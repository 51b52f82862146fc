// The plant list: every duty point of a plant's list costed as the calculator costs it, ranked, filtered
// by status and totalled per currency, in a window of its own beside the calculator.
//
//   Heading       the file, and what Enter does
//   StatusFilter  "Show:" every duty point, or those costed, PC pump only or refused
//   SortColumn    "Sort by:" a column, and SortOrder: descending or ascending (a click on the table's
//                 header does the same)
//   PlantTable    one row per duty point: its row in the file, the file's own columns (a tag, a
//                 location), units, duty point, inlet, status, currency, the AODD and PC pump costs, the
//                 savings, the energy saved, for a list with Savings Over Time columns payback and CO2
//                 avoided, and the first message. Enter or a double click opens the row in the
//                 calculator; the list stays open.
//   Progress      while the rows are costed (off the window's thread): the share of the file read,
//                 with CancelButton; rows appear as they are costed
//   Status        how many rows, and how the reading ended
//   TotalsTable   per currency: savings, energy saved, CO2 avoided, the rows costed, PC pump only and
//                 refused, of the rows shown
//   OpenButton, PrintButton, ExportButton, CloseButton (Escape closes; closing stops the costing)
//
// The plant report is the report's one layout (cases/plant_report.h), printed and exported by the
// single report's machinery.
#pragma once

#include "core/case_entries.h"
#include "ui/report_export.h"
#include "ui/report_printing.h"

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTableWidget;
class QTimer;

namespace pumpvale {

namespace cases {
struct DutyRow;
}
class PlantCosting;
class PlantModel;

class PlantWindow final : public QWidget {
    Q_OBJECT
public:
    // Opens a row in the calculator: the row as the file gives it, and its case.
    using RowOpener = std::function<void(const cases::DutyRow& row, const Case& c)>;

    // Starts reading and costing path at once; owner is the calculator, which the window stays beside.
    PlantWindow(QWidget& owner, const QString& path, RowOpener open);
    ~PlantWindow() override;

    PlantModel& model() const { return *model_; }
    QTableView& table() const { return *table_; }
    bool isCosting() const;

    // Opens the current row in the calculator.
    void openCurrentRow();
    void printReport();
    void exportReport();
    // The plant report of the rows shown, into a PDF file with no dialog, or written as a format; the
    // failure's text, or nothing when written.
    printing::Outcome printReportToPdf(const QString& path) const;
    std::optional<QString> exportReportTo(const QString& path, report_export::Format format) const;

signals:
    // The costing ended: the whole file read, stopped by Cancel, or a fault of the file.
    void costingFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildTables();
    void layOut();
    void connectControls();
    void headerRead();
    void takeRows();
    void costingEnded();
    void showTotals();
    void showStatus();
    void sortChosen();
    ReportPage page() const;
    QString shownRowsText() const;

    QString path_;
    RowOpener open_;
    PlantCosting* costing_ = nullptr;
    PlantModel* model_ = nullptr;
    QLabel* heading_ = nullptr;
    QComboBox* filter_ = nullptr;
    QComboBox* sortColumn_ = nullptr;
    QComboBox* sortOrder_ = nullptr;
    QTableView* table_ = nullptr;
    QWidget* progressRow_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* totals_ = nullptr;
    std::array<QPushButton*, 4> buttons_{}; // open, print, export, close
    QTimer* poll_ = nullptr;
    bool widthsSet_ = false;
    QString ending_; // how the reading ended, once it has
};

} // namespace pumpvale
