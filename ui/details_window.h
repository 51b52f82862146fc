// "Calculation Details": the working of the last result in a window of its own, as the report's one
// layout shows it.
//
// One table per table of the layout (the working's sections with their four columns, the inlet sizes
// compared with theirs), each under its heading and with its own header row, and the model's assumptions
// below, all in one scrolling pane; the buttons stay below it. A table too wide for the window wraps its
// last column of words (how a figure is found, a remark) instead of scrolling sideways. The window opens
// within the screen it appears on and can be made smaller. Tab moves from table to table and on to the
// buttons; the arrow keys move within a table. Its buttons copy, print and export through the main
// window's actions.
// Escape closes it; at most one is open (ResultsActions keeps it).
#pragma once

#include "core/report_layout.h"

#include <QDialog>
#include <QList>

class QAction;
class QLabel;
class QScrollArea;
class QTableWidget;
class QVBoxLayout;

namespace pumpvale {

class DetailsWindow final : public QDialog {
    Q_OBJECT
public:
    // copy, print and exportReport are triggered by the window's buttons.
    DetailsWindow(QWidget& owner, QAction& copy, QAction& print, QAction& exportReport);

    void setReportLayout(const ReportLayout& layout);
    QList<QTableWidget*> tables() const { return tables_; }

private:
    void fitToScreen();
    QSize frameExtra() const;
    QSize mostSize() const;
    QSize paneExtra() const;
    int tableRoom() const;

    QScrollArea* scroll_ = nullptr;
    QWidget* pane_ = nullptr;
    QVBoxLayout* paneLayout_ = nullptr;
    QList<QTableWidget*> tables_;
    QList<QWidget*> parts_; // everything in the pane, made again for each layout
    bool placed_ = false;
};

} // namespace pumpvale
