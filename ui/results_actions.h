// What the results group offers besides its three boxes: each box's derivation in its tooltip, the
// box fitted to its whole amount, and the actions "Calculation Details...", "Copy Results", "Print
// Report...", "Export Report..." and "Savings Over Time..." on a right-click of the group and as keyboard
// shortcuts.
//
// It installs itself on the main window from one call and watches the results group and boxes, so the
// window's handlers know nothing of it. The actions are enabled while a result is shown; they build the
// report afresh from the window's record each time.
#pragma once

#include "core/report.h"
#include "ui/report_page.h"
#include "ui/result_box_fit.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

class QAction;
class QGroupBox;
class QLineEdit;

namespace pumpvale {

class DetailsWindow;
class MessageSink;
class SavingsWindow;

class ResultsActions final : public QObject {
    Q_OBJECT
public:
    // c and costs are the window's record and results, which live as long as the window.
    ResultsActions(QWidget& window, const OperatingCase& c, const AnnualCosts& costs);

    QAction& detailsAction() const { return *details_; }
    QAction& copyAction() const { return *copy_; }
    QAction& printAction() const { return *print_; }
    QAction& exportAction() const { return *export_; }
    QAction& savingsAction() const { return *savings_; }
    DetailsWindow* detailsWindow() const;                           // the open one, or null
    SavingsWindow* savingsWindow() const { return savingsWindow_; } // made on first use, then kept

    CalculationReport report() const;
    ReportPage page() const; // the report's layout with the user's separators, its chart, the time now
    // Where an export's failure is told; a message box over the window when none is set.
    void setMessageSink(MessageSink* sink) { sink_ = sink; }

    void showDetails();
    void copyResults();
    void printReport();
    void exportReport();
    void showSavings();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void resultsChanged();
    void showBoxMenu(QLineEdit& box, QPoint where);

    QWidget& window_;
    const OperatingCase& case_;
    const AnnualCosts& costs_;
    QGroupBox* results_ = nullptr;
    std::array<QLineEdit*, 3> boxes_{}; // Text11, Text10, Text12: AODD cost, durvane cost, savings
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
    MessageSink* sink_ = nullptr;
    QPointer<DetailsWindow> detailsWindow_;
    SavingsWindow* savingsWindow_ = nullptr; // a child of the window, hidden when closed
};

// Puts the results' tooltips, actions and box fitting on the main window; the window owns what it makes.
ResultsActions& installResultsActions(QWidget& window, const OperatingCase& c, const AnnualCosts& costs);

} // namespace pumpvale
