// What the results group offers besides its three boxes: each box's derivation in its tooltip, the
// box fitted to its whole amount, and the actions "Calculation Details...", "Copy Results", "Print
// Report...", "Export Report..." and "Savings Over Time..." as keyboard shortcuts; a right-click of the
// group or of a result offers these and every other action the keys list has for a result (Save Case,
// Compare Inlet Sizes).
//
// The main window makes it. It follows the window's results as they are shown and withdrawn (the
// window's signals) and the boxes' texts, so the window's handlers know nothing of it. The actions are
// enabled while a result is shown; they build the report afresh from the session each time: its record
// and costs, its case's identity and Savings Over Time entries. No window is read for it.
#pragma once

#include "core/report.h"
#include "ui/comparison_text.h"
#include "ui/report_page.h"
#include "ui/report_printing.h"
#include "ui/result_box_fit.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

class QAction;
class QLineEdit;

namespace pumpvale {

class DetailsWindow;
class Workflow;
struct MainWindowControls;
class MessageSink;
class SavingsWindow;

class ResultsActions final : public QObject {
    Q_OBJECT
public:
    // Made a child of window, and lives as long as it; reads the session's record and results and
    // follows its workflow.
    ResultsActions(QWidget& window, const MainWindowControls& controls, Workflow& workflow);

    QAction& detailsAction() const { return *details_; }
    QAction& copyAction() const { return *copy_; }
    QAction& printAction() const { return *print_; }
    QAction& exportAction() const { return *export_; }
    QAction& savingsAction() const { return *savings_; }
    DetailsWindow* detailsWindow() const;                           // the open one, or null
    SavingsWindow* savingsWindow() const { return savingsWindow_; } // made on first use, then kept

    CalculationReport report() const;
    ReportPage page() const; // the report as details has it, its charts, the time now
    // Where a print's or an export's failure is told; a message box over the window when none is set.
    void setMessageSink(MessageSink* sink) { sink_ = sink; }

    void showDetails();
    void copyResults();
    void printReport();
    void exportReport();
    void showSavings();
    // The same page as printReport, into a PDF file with no dialog.
    printing::Outcome printReportToPdf(const QString& path) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The report and what its page draws beside it.
    struct Document {
        CalculationReport report;
        ComparisonContext context;
        InletComparison rows;
        std::optional<OwnershipChartData> ownershipChart;
    };
    Document document() const;
    void resultsShownChanged(bool shown);
    void resultsChanged();
    void showBoxMenu(QLineEdit& box, QPoint where);
    // A print's or an export's failure, through the sink, or in a box over over when there is none.
    void tellFailure(MessageId id, const QString& text, const char* title, QWidget* over);

    QWidget& window_;
    Workflow& workflow_;
    bool shown_ = false;
    std::array<QLineEdit*, 3> boxes_{}; // Text11, Text10, Text12: AODD cost, durvane cost, savings
    std::array<QWidget*, 3> cutMarks_{};
    std::array<QFont, 3> designFonts_;
    // Each box's last fit and what it was made for: the same amount in the same box fits the same way.
    struct Fitted {
        QString text;
        QSize size;
        AmountFit fit;
    };
    std::array<std::optional<Fitted>, 3> fitted_;
    QAction* details_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* print_ = nullptr;
    QAction* export_ = nullptr;
    QAction* savings_ = nullptr;
    QList<QAction*> offered_; // what a right-click on the results offers, in the keys list's order
    MessageSink* sink_ = nullptr;
    std::string failure_; // the text of the last print's or export's failure message
    QPointer<DetailsWindow> detailsWindow_;
    SavingsWindow* savingsWindow_ = nullptr; // a child of the window, hidden when closed
};

} // namespace pumpvale
