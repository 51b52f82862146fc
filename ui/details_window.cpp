#include "ui/details_window.h"

#include "ui/metrics.h"
#include "ui/report_layouts.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace pumpvale {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The share of the screen's free area the window may take when it opens.
constexpr double kShareOfScreen = 0.9;

// The column that wraps when the window is too narrow for the table: the last, when it holds words alone
// (how a figure is found, a remark); -1 for none.
int wrappingColumn(const LayoutTable& source) {
    if (source.columns.empty())
        return -1;
    const std::size_t last = source.columns.size() - 1;
    for (const auto& row : source.rows)
        if (last < row.size() && row[last].number)
            return -1;
    return int(last);
}

// The widest word of a column, with the cell's padding: it is not narrowed past that.
int widestWord(const QTableWidget& table, int column) {
    const QFontMetrics metrics(table.font());
    int widest = 0;
    for (int row = 0; row < table.rowCount(); ++row)
        if (const QTableWidgetItem* cell = table.item(row, column); cell != nullptr)
            for (const QString& word : cell->text().split(' '))
                widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest + 2 * metrics.averageCharWidth();
}

QTableWidget* tableOf(const LayoutTable& source, QWidget* parent) {
    const int columns = int(source.columns.size());
    auto* table = new QTableWidget(parent);
    table->setObjectName(source.key == "inlet-sizes" ? QStringLiteral("ComparisonTable")
                                                     : QStringLiteral("DetailsTable"));
    table->setProperty("layoutKey", q(source.key));
    table->setProperty("wrappingColumn", wrappingColumn(source));
    table->setAccessibleName(q(source.heading));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false); // Tab leaves the table; the arrows move among its cells
    table->setWordWrap(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the pane scrolls, not the table
    showLayoutTable(*table, source);
    // A long text value (why the PC pump alone) with no unit and no formula spans the rest of its row, and
    // the columns are as wide as their other cells.
    constexpr qsizetype kLongText = 30;
    for (int row = 0; row < table->rowCount() && columns == 4; ++row) {
        const auto& cells = source.rows[std::size_t(row)];
        if (cells.size() == 4 && !cells[1].number && cells[1].text.size() > kLongText &&
            cells[2].text.empty() && cells[3].text.empty())
            table->setSpan(row, 1, 1, 3);
    }
    const QFontMetrics metrics(table->font());
    for (int column = 0; column < columns; ++column) {
        int widest = table->horizontalHeader()->sectionSizeHint(column);
        for (int row = 0; row < table->rowCount(); ++row)
            if (const QTableWidgetItem* cell = table->item(row, column);
                cell != nullptr && table->columnSpan(row, column) == 1)
                widest = std::max(widest,
                                  metrics.horizontalAdvance(cell->text()) + 2 * metrics.averageCharWidth());
        table->setColumnWidth(column, widest);
    }
    table->resizeRowsToContents();
    return table;
}

int tableHeight(const QTableWidget& table) {
    int height = 2 * table.frameWidth() + table.horizontalHeader()->sizeHint().height();
    for (int row = 0; row < table.rowCount(); ++row)
        height += table.rowHeight(row);
    return height;
}

int tableWidth(const QTableWidget& table) {
    int width = 2 * table.frameWidth();
    for (int column = 0; column < table.columnCount(); ++column)
        width += table.columnWidth(column);
    return width;
}

// Too wide for room: the column of words is narrowed (not past least) and wraps, the rows growing,
// rather than the pane scrolling sideways.
void wrapToRoom(QTableWidget& table, int room, int least) {
    const int wrapping = table.property("wrappingColumn").toInt();
    if (wrapping < 0 || tableWidth(table) <= room)
        return;
    table.setColumnWidth(wrapping, std::max(table.columnWidth(wrapping) - (tableWidth(table) - room), least));
    table.setWordWrap(true);
    table.resizeRowsToContents();
}

} // namespace

DetailsWindow::DetailsWindow(QWidget& owner, QAction& copy, QAction& print, QAction& exportReport)
    : QDialog(&owner, Qt::Window | Qt::WindowCloseButtonHint) {
    setObjectName("DetailsWindow");
    setWindowTitle("Calculation Details");
    setWindowIcon(owner.windowIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(metrics::font());

    pane_ = new QWidget;
    pane_->setObjectName("DetailsPane");
    paneLayout_ = new QVBoxLayout(pane_);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("DetailsScroll");
    scroll_->setWidget(pane_);
    scroll_->setWidgetResizable(true);
    scroll_->setFocusPolicy(Qt::NoFocus);

    auto* buttons = new QDialogButtonBox(this);
    auto* copyButton = buttons->addButton("Copy Results", QDialogButtonBox::ActionRole);
    auto* printButton = buttons->addButton("Print Report...", QDialogButtonBox::ActionRole);
    auto* exportButton = buttons->addButton("Export Report...", QDialogButtonBox::ActionRole);
    auto* closeButton = buttons->addButton("Close", QDialogButtonBox::RejectRole);
    closeButton->setDefault(true);
    addActions({&copy, &print, &exportReport}); // their shortcuts work here too
    connect(copyButton, &QPushButton::clicked, &copy, &QAction::trigger);
    connect(printButton, &QPushButton::clicked, &print, &QAction::trigger);
    connect(exportButton, &QPushButton::clicked, &exportReport, &QAction::trigger);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addWidget(buttons);
    setMinimumSize(360, 240); // smaller than any content: the pane scrolls
}

void DetailsWindow::setReportLayout(const ReportLayout& layout) {
    qDeleteAll(parts_);
    parts_.clear();
    tables_.clear();
    const auto add = [this](QWidget* part) {
        parts_ << part;
        paneLayout_->addWidget(part);
    };
    const QFont font = metrics::font();
    QFont bold = font;
    bold.setBold(true);
    if (!layout.identity.empty()) {
        auto* identity = new QLabel(pane_);
        identity->setObjectName("CaseIdentity");
        identity->setAccessibleName("Case");
        identity->setTextInteractionFlags(Qt::TextSelectableByMouse);
        identity->setText(reportHtmlIdentity(layout));
        add(identity);
    }
    // The answer before the working: the duty point, the amounts and the verdict.
    if (const QString summaryHtml = reportHtmlSummary(layout); !summaryHtml.isEmpty()) {
        auto* summary = new QLabel(pane_);
        summary->setObjectName("Summary");
        summary->setAccessibleName("Summary");
        summary->setWordWrap(true);
        summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
        summary->setText(summaryHtml);
        add(summary);
    }
    // The working's tables share their columns' widths, so that they read as one; the column that wraps
    // is narrowed as far as the widest word of any of them.
    std::map<QStringList, std::vector<int>> widths;
    std::map<QStringList, int> leastWrapping;
    for (const LayoutTable& source : layout.tables) {
        auto* heading = new QLabel(q(source.heading), pane_);
        heading->setFont(bold);
        add(heading);
        QTableWidget* table = tableOf(source, pane_);
        heading->setBuddy(table);
        add(table);
        tables_ << table;
        QStringList names;
        for (int column = 0; column < table->columnCount(); ++column)
            names << table->horizontalHeaderItem(column)->text();
        std::vector<int>& shared = widths[names];
        shared.resize(std::size_t(table->columnCount()), 0);
        for (int column = 0; column < table->columnCount(); ++column)
            shared[std::size_t(column)] = std::max(shared[std::size_t(column)], table->columnWidth(column));
        if (const int wrapping = table->property("wrappingColumn").toInt(); wrapping >= 0)
            leastWrapping[names] = std::max(leastWrapping[names], widestWord(*table, wrapping));
    }
    const int room = tableRoom();
    for (QTableWidget* table : tables_) {
        QStringList names;
        for (int column = 0; column < table->columnCount(); ++column)
            names << table->horizontalHeaderItem(column)->text();
        const std::vector<int>& shared = widths[names];
        for (int column = 0; column < table->columnCount(); ++column)
            table->setColumnWidth(column,
                                  shared[std::size_t(column)] + table->fontMetrics().averageCharWidth());
        wrapToRoom(*table, room, leastWrapping[names]);
        table->setFixedHeight(tableHeight(*table));
        table->setFixedWidth(tableWidth(*table)); // no empty band beside the columns
        table->setCurrentItem(nullptr);           // nothing looks selected until the user selects
    }
    auto* notes = new QLabel(pane_);
    notes->setObjectName("Assumptions");
    notes->setWordWrap(true);
    notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QString text = "<b>" + q(layout.notesHeading).toHtmlEscaped() +
                   "</b><ul style=\"margin-left: 12px; -qt-list-indent: 0\">";
    for (const std::string& note : layout.notes)
        text += "<li>" + q(note).toHtmlEscaped() + "</li>";
    notes->setText(text + "</ul>");
    add(notes);
    // Tab goes from table to table in their order, then to the buttons.
    for (qsizetype i = 1; i < tables_.size(); ++i)
        setTabOrder(tables_[i - 1], tables_[i]);
    fitToScreen();
}

// The window manager's frame, known for the window it belongs to once shown.
QSize DetailsWindow::frameExtra() const {
    QMargins frame;
    if (const QWidget* owner = parentWidget(); owner != nullptr && owner->isVisible()) {
        const QRect outer = owner->frameGeometry();
        const QRect inner = owner->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

// The most the window may take of its screen when it opens, its frame counted in.
QSize DetailsWindow::mostSize() const {
    const QScreen* shown = screen();
    if (shown == nullptr)
        return QWidget::maximumSize();
    const QRect free = shown->availableGeometry();
    return QSize(int(free.width() * kShareOfScreen), int(free.height() * kShareOfScreen)) - frameExtra();
}

// Around the pane: the scroll area's frame, its vertical bar, and a little more.
QSize DetailsWindow::paneExtra() const {
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {2 * scroll_->frameWidth() + scrollBar + 2, 2 * scroll_->frameWidth() + 2};
}

// The width a table may take in the pane: the window's as it opens, or as the user has made it.
int DetailsWindow::tableRoom() const {
    const int window = placed_ ? width() : mostSize().width();
    const QMargins margins = layout()->contentsMargins();
    const QMargins pane = paneLayout_->contentsMargins();
    return window - margins.left() - margins.right() - paneExtra().width() - pane.left() - pane.right();
}

// As large as the content wants, within the screen's free area, and placed inside it.
void DetailsWindow::fitToScreen() {
    if (placed_)
        return;
    placed_ = true;
    const QScreen* shown = screen();
    if (shown == nullptr)
        return;
    const QRect free = shown->availableGeometry();
    const QSize pane = pane_->sizeHint() + paneExtra();
    const QMargins margins = layout()->contentsMargins();
    const QSize wanted(pane.width() + margins.left() + margins.right(),
                       pane.height() + margins.top() + margins.bottom() + layout()->spacing() +
                           layout()->itemAt(1)->sizeHint().height());
    resize(wanted.boundedTo(mostSize()));
    // Centred over the window it belongs to, and inside the screen.
    QRect frame(QPoint(), size() + frameExtra());
    frame.moveCenter(parentWidget() != nullptr ? parentWidget()->frameGeometry().center() : free.center());
    frame.moveLeft(
        std::clamp(frame.left(), free.left(), std::max(free.left(), free.right() - frame.width())));
    frame.moveTop(std::clamp(frame.top(), free.top(), std::max(free.top(), free.bottom() - frame.height())));
    move(frame.topLeft());
}

} // namespace pumpvale
