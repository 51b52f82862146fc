#include "ui/details_window.h"

#include "ui/metrics.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace pumpvale {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidgetItem* item(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* cell = new QTableWidgetItem(text);
    cell->setTextAlignment(alignment);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}

QTableWidgetItem* heading(const QString& text) {
    QTableWidgetItem* cell = item(text);
    QFont bold = metrics::font();
    bold.setBold(true);
    cell->setFont(bold);
    cell->setBackground(QColor(232, 232, 232));
    cell->setForeground(QColor(Qt::black));
    return cell;
}

} // namespace

DetailsWindow::DetailsWindow(QWidget& owner, QAction& copy, QAction& print)
    : QDialog(&owner, Qt::Window | Qt::WindowCloseButtonHint) {
    setObjectName("DetailsWindow");
    setWindowTitle("Calculation Details");
    setWindowIcon(owner.windowIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(metrics::font());

    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName("DetailsTable");
    table_->setAccessibleName("Calculation details");
    table_->setHorizontalHeaderLabels({"Quantity", "Value", "Unit", "How it is found"});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setAlternatingRowColors(false);

    assumptions_ = new QLabel(this);
    assumptions_->setObjectName("Assumptions");
    assumptions_->setWordWrap(true);
    assumptions_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(this);
    auto* copyButton = buttons->addButton("Copy Results", QDialogButtonBox::ActionRole);
    auto* printButton = buttons->addButton("Print Report...", QDialogButtonBox::ActionRole);
    auto* closeButton = buttons->addButton("Close", QDialogButtonBox::RejectRole);
    closeButton->setDefault(true);
    addActions({&copy, &print}); // their shortcuts work here too
    connect(copyButton, &QPushButton::clicked, &copy, &QAction::trigger);
    connect(printButton, &QPushButton::clicked, &print, &QAction::trigger);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(assumptions_);
    layout->addWidget(buttons);
}

void DetailsWindow::setReport(const CalculationReport& report, const Separators& separators) {
    table_->setRowCount(0);
    const auto addRow = [this](const QList<QTableWidgetItem*>& cells) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        for (int column = 0; column < int(cells.size()); ++column)
            table_->setItem(row, column, cells[column]);
        return row;
    };
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (const ReportSection& section : report.sections) {
        const int row = addRow({heading(q(section.title))});
        table_->setSpan(row, 0, 1, table_->columnCount());
        for (const ReportRow& r : section.rows) {
            const bool number = r.value.kind != ReportValue::Kind::Text;
            addRow(
                {item(q(r.name)),
                 item(q(formatValue(r.value, separators)), number ? right : Qt::AlignLeft | Qt::AlignVCenter),
                 item(q(r.unit)), item(q(r.formula))});
        }
        if (section.table.empty())
            continue;
        QList<QTableWidgetItem*> columns;
        for (const std::string& column : section.table.columns)
            columns << heading(q(column));
        addRow(columns);
        for (const auto& values : section.table.rows) {
            QList<QTableWidgetItem*> cells;
            for (const ReportValue& value : values)
                cells << item(q(formatValue(value, separators)), value.kind == ReportValue::Kind::Text
                                                                     ? Qt::AlignLeft | Qt::AlignVCenter
                                                                     : right);
            addRow(cells);
        }
    }
    // A reason or a long text spans the rest of its row, and the columns are as wide as their other cells.
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QTableWidgetItem* value = table_->item(row, 1);
        const QTableWidgetItem* unit = table_->item(row, 2);
        if (value != nullptr && value->text().size() > 30 && unit != nullptr && unit->text().isEmpty())
            table_->setSpan(row, 1, 1, table_->columnCount() - 1);
    }
    const QFontMetrics metrics(table_->font());
    for (int column = 0; column < table_->columnCount(); ++column) {
        int widest = table_->horizontalHeader()->sectionSizeHint(column);
        for (int row = 0; row < table_->rowCount(); ++row)
            if (const QTableWidgetItem* cell = table_->item(row, column);
                cell != nullptr && table_->columnSpan(row, column) == 1)
                widest = std::max(widest,
                                  metrics.horizontalAdvance(cell->text()) + 3 * metrics.averageCharWidth());
        table_->setColumnWidth(column, widest);
    }
    table_->resizeRowsToContents();
    table_->setCurrentItem(nullptr); // nothing looks selected until the user selects

    QString text = "<b>Assumptions</b><ul style=\"margin-left: 12px; -qt-list-indent: 0\">";
    for (const std::string& assumption : report.assumptions)
        text += "<li>" + q(assumption).toHtmlEscaped() + "</li>";
    assumptions_->setText(text + "</ul>");

    // Wide enough for every column, as tall as the rows need, within the screen.
    int width = 2 * table_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    for (int column = 0; column < table_->columnCount(); ++column)
        width += table_->columnWidth(column);
    int height = 2 * table_->frameWidth() + table_->horizontalHeader()->height();
    for (int row = 0; row < table_->rowCount(); ++row)
        height += table_->rowHeight(row);
    QSize limit(1200, 900);
    if (const QScreen* shown = screen())
        limit = (shown->availableSize() * 0.85).expandedTo(QSize(1000, 760)).boundedTo(limit);
    table_->setMinimumSize(QSize(width, height + 2).boundedTo(limit));
    adjustSize();
}

} // namespace pumpvale
