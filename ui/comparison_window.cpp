#include "ui/comparison_window.h"

#include "aodd/comparison_report.h"
#include "core/report_layout.h"
#include "ui/accessible_buttons.h"
#include "ui/artwork.h"
#include "ui/cost_chart.h"
#include "ui/keyboard.h"
#include "ui/metrics.h"
#include "ui/report_layouts.h"
#include "ui/window_parts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pumpvale {

ComparisonWindow::ComparisonWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("ComparisonWindow");
    setWindowTitle(QStringLiteral("Compare Inlet Sizes"));
    nameWindow(*this, windowTitle());
    setWindowIcon(artwork::windowIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(metrics::font());
    keyboard::closeOnEscape(*this);

    heading_ = parts::addHeading(*this);

    table_ = new QTableWidget(this);
    table_->setObjectName("ComparisonTable");
    table_->setAccessibleName(QStringLiteral("Inlet sizes compared"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    table_->setTabKeyNavigation(false); // Tab leaves the table; the arrows move among its cells

    chart_ = new CostChart(this);
    chart_->setObjectName("CostChart");

    close_ = new QPushButton(QStringLiteral("Close"), this);
    close_->setObjectName("CloseButton");
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(table_);
    layout->addWidget(chart_, 1);
    layout->addLayout(buttons);
    close_->setFocus();
}

void ComparisonWindow::showComparison(const ComparisonContext& context) {
    const InletComparison rows = compareInletSizes(context.duty);
    dutyLine_ = QStringLiteral("Duty point: ") + comparison_text::dutyLine(context);
    heading_->setText(dutyLine_);
    outOfDate_ = false;
    setWindowTitle(QStringLiteral("Compare Inlet Sizes"));
    // The report's section, laid out as every other output shows it.
    OperatingCase duty = context.duty;
    duty.currency = context.currency.toStdString();
    CalculationReport report;
    report.sections.push_back(inletComparisonSection(duty, rows, context.selected));
    const ReportLayout layout = layoutReport(report, localeSeparators());
    const LayoutTable& source = *layout.table(kInletComparisonTableKey);
    table_->setColumnCount(int(source.columns.size()));
    table_->setRowCount(int(source.rows.size()));
    QStringList headers;
    for (const LayoutColumn& column : source.columns)
        headers << QString::fromStdString(column.header("\n"));
    table_->setHorizontalHeaderLabels(headers);
    for (std::size_t i = 0; i < source.rows.size() && i < rows.size(); ++i) {
        const bool chosen = context.selected == rows[i].size;
        const auto& cells = source.rows[i];
        for (std::size_t column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[column].text));
            item->setTextAlignment(Qt::AlignVCenter |
                                   (cells[column].number ? Qt::AlignRight : Qt::AlignLeft));
            QFont font = table_->font();
            font.setBold(chosen);
            item->setFont(font);
            if (column + 1 == cells.size())
                item->setToolTip(comparison_text::remarkDetail(rows[i]));
            table_->setItem(int(i), int(column), item);
        }
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    int height = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
    for (int row = 0; row < table_->rowCount(); ++row)
        height += table_->rowHeight(row);
    table_->setFixedHeight(height);
    int width = 2 * table_->frameWidth();
    for (int column = 0; column < table_->columnCount(); ++column)
        width += table_->columnWidth(column);
    table_->setMinimumWidth(width);

    chart_->setView({costChartData(context.duty), rows, context.units, context.currency, context.selected});
}

void ComparisonWindow::showOutOfDate() {
    if (outOfDate_)
        return;
    outOfDate_ = true;
    heading_->setText(QStringLiteral("Out of date: the operating data is open for changes. These figures are "
                                     "for the last duty point accepted; accept the operating data to compare "
                                     "again.\n") +
                      dutyLine_);
    setWindowTitle(QStringLiteral("Compare Inlet Sizes (out of date)"));
}

} // namespace pumpvale
