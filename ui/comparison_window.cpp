#include "ui/comparison_window.h"

#include "ui/artwork.h"
#include "ui/cost_chart.h"
#include "ui/metrics.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pumpvale {

ComparisonWindow::ComparisonWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("ComparisonWindow");
    setWindowTitle(QStringLiteral("Compare Inlet Sizes"));
    setWindowIcon(artwork::windowIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(metrics::font());

    heading_ = new QLabel(this);
    heading_->setObjectName("Heading");
    heading_->setWordWrap(true);
    heading_->setTextFormat(Qt::PlainText);
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    table_ = new QTableWidget(static_cast<int>(kInletSizes.size()), comparison_text::kColumns, this);
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
    heading_->setText(QStringLiteral("Duty point: ") + comparison_text::dutyLine(context));
    table_->setHorizontalHeaderLabels(comparison_text::headers(context));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QStringList cells = comparison_text::cells(rows[i], context);
        const bool chosen = context.selected == rows[i].size;
        for (int column = 0; column < comparison_text::kColumns; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            const bool figure = column >= 2 && column <= 5;
            item->setTextAlignment(Qt::AlignVCenter | (figure ? Qt::AlignRight : Qt::AlignLeft));
            QFont font = table_->font();
            font.setBold(chosen);
            item->setFont(font);
            if (column == comparison_text::kColumns - 1)
                item->setToolTip(comparison_text::remarkDetail(rows[i]));
            table_->setItem(static_cast<int>(i), column, item);
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

void ComparisonWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace pumpvale
