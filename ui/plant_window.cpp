#include "ui/plant_window.h"

#include "cases/plant_report.h"
#include "ui/accessible_buttons.h"
#include "ui/keyboard.h"
#include "ui/keys_window.h"
#include "ui/metrics.h"
#include "ui/plant_costing.h"
#include "ui/plant_model.h"
#include "ui/report_layouts.h"
#include "ui/shortcuts.h"
#include "ui/window_parts.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

namespace pumpvale {
namespace {

using parts::qText;

constexpr int kPollMs = 100;          // rows are taken from the costing this often: a few merges a second
constexpr int kProgressAfterMs = 300; // a list costed sooner shows no progress at all
constexpr int kProgressSteps = 1000;
constexpr int kWidestColumnChars = 40; // a message is read whole in its tooltip

struct FilterChoice {
    cases::StatusFilter filter;
    const char* text;
};
constexpr std::array kFilters{FilterChoice{cases::StatusFilter::All, "Every duty point"},
                              FilterChoice{cases::StatusFilter::Costed, "Costed"},
                              FilterChoice{cases::StatusFilter::PcOnly, "PC pump only"},
                              FilterChoice{cases::StatusFilter::Refused, "Refused"}};

QString grouped(std::size_t count) {
    return QLocale().toString(static_cast<qulonglong>(count));
}

QString whereInFile(const cases::FileError& error) {
    return error.line == 0 ? qText(error.text)
                           : QStringLiteral("line %1: %2").arg(error.line).arg(qText(error.text));
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAccessibleName(QString(caption).remove(QLatin1String("...")));
    b->setAutoDefault(false); // Enter in the table opens its row, not a button
    return b;
}

QLabel* label(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

} // namespace

PlantWindow::PlantWindow(QWidget& owner, const QString& path, RowOpener open)
    : QWidget(&owner, Qt::Window), path_(path), open_(std::move(open)) {
    setObjectName("PlantWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    const QString name = QFileInfo(path).fileName();
    setWindowTitle(QStringLiteral("Plant List: %1").arg(name));
    nameWindow(*this, QStringLiteral("Plant list of %1").arg(name));
    setWindowIcon(owner.windowIcon());
    setFont(metrics::font());
    model_ = new PlantModel(this);
    costing_ = new PlantCosting(this);
    buildControls();

    connect(costing_, &PlantCosting::headerRead, this, &PlantWindow::headerRead);
    connect(costing_, &PlantCosting::finished, this, &PlantWindow::costingEnded);
    connect(model_, &PlantModel::totalsChanged, this, &PlantWindow::showTotals);
    poll_ = new QTimer(this);
    poll_->setInterval(kPollMs);
    connect(poll_, &QTimer::timeout, this, &PlantWindow::takeRows);
    costing_->start(path);
    poll_->start();
    QTimer::singleShot(kProgressAfterMs, this, [this] { progressRow_->setVisible(isCosting()); });
    showStatus();
    keyboard::closeOnEscape(*this);
    keyboard::pressFocusedButtonOnEnter(*this);
    owner.installEventFilter(this); // the list closes with the calculator

    QSize wanted = metrics::size(13200, 7800);
    if (const QScreen* shown = owner.screen())
        wanted = wanted.boundedTo(shown->availableSize() - QSize(24, 64));
    resize(wanted);
}

PlantWindow::~PlantWindow() = default;

void PlantWindow::buildControls() {
    heading_ = parts::addHeading(
        *this, QStringLiteral("Each duty point of \"%1\", costed as the calculator costs it. Enter "
                              "or a double click opens a row in the calculator.")
                   .arg(QFileInfo(path_).fileName()));
    filter_ = new QComboBox(this);
    filter_->setObjectName("StatusFilter");
    filter_->setAccessibleName(QStringLiteral("Show"));
    for (const FilterChoice& choice : kFilters)
        filter_->addItem(QString::fromLatin1(choice.text));
    sortColumn_ = new QComboBox(this);
    sortColumn_->setObjectName("SortColumn");
    sortColumn_->setAccessibleName(QStringLiteral("Sort by"));
    sortColumn_->setSizeAdjustPolicy(QComboBox::AdjustToContents); // the columns come with the header
    sortOrder_ = new QComboBox(this);
    sortOrder_->setObjectName("SortOrder");
    sortOrder_->setAccessibleName(QStringLiteral("Sort order"));
    sortOrder_->addItems({QStringLiteral("Descending"), QStringLiteral("Ascending")});
    buildTables();
    progress_ = new QProgressBar(this);
    progress_->setObjectName("Progress");
    progress_->setAccessibleName(QStringLiteral("Share of the file costed"));
    progress_->setRange(0, kProgressSteps);
    cancel_ = button(this, "CancelButton", QStringLiteral("Cancel"));
    status_ = new QLabel(this);
    status_->setObjectName("Status");
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    buttons_ = {button(this, "OpenButton", QStringLiteral("Open in Calculator")),
                button(this, "PrintButton", qText(keys::kPrintPlant.action)),
                button(this, "ExportButton", qText(keys::kExportPlant.action)),
                button(this, "CloseButton", QStringLiteral("Close"))};
    for (const auto& [entry, slot] : {std::pair{keys::kPrintPlant, &PlantWindow::printReport},
                                      std::pair{keys::kExportPlant, &PlantWindow::exportReport}}) {
        auto* action = new QAction(qText(entry.action), this);
        action->setShortcut(keySequence(entry));
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
    }
    layOut();
    connectControls();
}

void PlantWindow::buildTables() {
    table_ = new QTableView(this);
    table_->setObjectName("PlantTable");
    table_->setAccessibleName(QStringLiteral("Duty points of the plant list"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false); // Tab leaves the table; the arrows move among its rows
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->setSortingEnabled(true);

    totals_ = new QTableWidget(this);
    totals_->setObjectName("TotalsTable");
    totals_->setAccessibleName(QStringLiteral("Totals per currency"));
    totals_->verticalHeader()->hide();
    totals_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    totals_->setTabKeyNavigation(false);
    totals_->setWordWrap(false);
    totals_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    totals_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void PlantWindow::layOut() {
    progressRow_ = new QWidget(this);
    auto* progressLayout = new QHBoxLayout(progressRow_);
    progressLayout->setContentsMargins(0, 0, 0, 0);
    progressLayout->addWidget(progress_, 1);
    progressLayout->addWidget(cancel_);
    progressRow_->hide();
    auto* choices = new QHBoxLayout;
    choices->addWidget(label(this, QStringLiteral("&Show:"), filter_));
    choices->addWidget(filter_);
    choices->addSpacing(16);
    choices->addWidget(label(this, QStringLiteral("Sort &by:"), sortColumn_));
    choices->addWidget(sortColumn_);
    choices->addWidget(sortOrder_);
    choices->addStretch(1);
    auto* buttons = new QHBoxLayout;
    for (std::size_t i = 0; i + 1 < buttons_.size(); ++i)
        buttons->addWidget(buttons_[i]);
    buttons->addStretch(1);
    buttons->addWidget(buttons_.back());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(choices);
    layout->addWidget(table_, 1);
    layout->addWidget(progressRow_);
    layout->addWidget(status_);
    layout->addWidget(label(this, QStringLiteral("&Totals per currency of the rows shown:"), totals_));
    layout->addWidget(totals_);
    layout->addLayout(buttons);
    const std::array<QWidget*, 10> order{filter_, sortColumn_, sortOrder_,  table_,      cancel_,
                                         totals_, buttons_[0], buttons_[1], buttons_[2], buttons_[3]};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void PlantWindow::connectControls() {
    connect(filter_, &QComboBox::currentIndexChanged, this, [this](int at) {
        if (at >= 0 && at < int(kFilters.size()))
            model_->setFilter(kFilters[std::size_t(at)].filter);
        showStatus();
    });
    connect(sortColumn_, &QComboBox::currentIndexChanged, this, &PlantWindow::sortChosen);
    connect(sortOrder_, &QComboBox::currentIndexChanged, this, &PlantWindow::sortChosen);
    connect(table_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) {
                const QSignalBlocker blockColumn(sortColumn_);
                const QSignalBlocker blockOrder(sortOrder_);
                sortColumn_->setCurrentIndex(column);
                sortOrder_->setCurrentIndex(order == Qt::DescendingOrder ? 0 : 1);
            });
    connect(table_, &QTableView::activated, this, &PlantWindow::openCurrentRow);
    connect(cancel_, &QPushButton::clicked, costing_, &PlantCosting::cancel);
    connect(buttons_[0], &QPushButton::clicked, this, &PlantWindow::openCurrentRow);
    connect(buttons_[1], &QPushButton::clicked, this, &PlantWindow::printReport);
    connect(buttons_[2], &QPushButton::clicked, this, &PlantWindow::exportReport);
    connect(buttons_[3], &QPushButton::clicked, this, &QWidget::close);
}

bool PlantWindow::isCosting() const {
    return costing_->isRunning();
}

void PlantWindow::headerRead() {
    model_->setTable(cases::PlantTable(costing_->reader()));
    const QSignalBlocker block(sortColumn_);
    sortColumn_->clear();
    for (int column = 0; column < model_->columnCount(); ++column)
        sortColumn_->addItem(model_->columnName(column));
    table_->horizontalHeader()->setSortIndicator(model_->sortColumn(), model_->sortOrder());
}

void PlantWindow::takeRows() {
    const bool first = model_->rowCount() == 0;
    QElapsedTimer merging;
    merging.start();
    model_->append(costing_->takeRows());
    // Merging new rows into a long sorted list takes a while: the window spends at most a tenth of its
    // time on it, and stays as quick to scroll and sort while a million rows come in.
    poll_->setInterval(std::clamp(int(merging.elapsed()) * 10, kPollMs, 10 * kPollMs));
    if (first && model_->rowCount() > 0) {
        table_->selectRow(0);
        table_->scrollToTop();
    }
    if (!widthsSet_ && model_->rowCount() > 0) {
        widthsSet_ = true;
        table_->resizeColumnsToContents();
        const int widest = table_->fontMetrics().averageCharWidth() * kWidestColumnChars;
        for (int column = 0; column < model_->columnCount(); ++column)
            table_->setColumnWidth(column, std::min(table_->columnWidth(column), widest));
    }
    if (const auto share = costing_->progress())
        progress_->setValue(int(*share * kProgressSteps));
    else
        progress_->setRange(0, 0); // busy, without a share
    showStatus();
}

void PlantWindow::costingEnded() {
    poll_->stop();
    takeRows();
    progressRow_->hide();
    const cases::PlantReading& outcome = costing_->outcome();
    if (const auto& error = costing_->headerError())
        ending_ = QStringLiteral("The file cannot be read as a duty list: %1").arg(whereInFile(*error));
    else if (outcome.error)
        ending_ = QStringLiteral("The rest of the file cannot be read, %1").arg(whereInFile(*outcome.error));
    else if (outcome.stopped)
        ending_ = QStringLiteral("Costing stopped: the rows after these were not read.");
    else if (outcome.tooLarge)
        ending_ =
            QStringLiteral("The list holds the first %1 duty points; pumpvale-batch costs a list of any "
                           "length.")
                .arg(grouped(cases::kMostPlantRows));
    showStatus();
    emit costingFinished();
}

void PlantWindow::showStatus() {
    const std::size_t all = model_->list().size();
    const std::size_t shown = model_->shown().size();
    QString text = shown == all
                       ? QStringLiteral("%1 duty points").arg(grouped(all))
                       : QStringLiteral("%1 of %2 duty points shown").arg(grouped(shown), grouped(all));
    if (isCosting())
        text += QStringLiteral(", costing the rest of the file...");
    else
        text += ending_.isEmpty() ? QStringLiteral(".") : QStringLiteral(". ") + ending_;
    status_->setText(text);
}

void PlantWindow::showTotals() {
    const LayoutTable t = cases::plantTotalsTable(
        model_->totals(), model_->table() && model_->table()->hasLifeCycle(), localeSeparators());
    totals_->setColumnCount(int(t.columns.size()));
    totals_->setRowCount(int(t.rows.size()));
    QStringList headers;
    for (const LayoutColumn& column : t.columns)
        headers << qText(column.header());
    totals_->setHorizontalHeaderLabels(headers);
    for (int row = 0; row < totals_->rowCount(); ++row)
        for (int column = 0; column < totals_->columnCount(); ++column) {
            const LayoutCell& cell = t.rows[std::size_t(row)][std::size_t(column)];
            auto* item = new QTableWidgetItem(qText(cell.text));
            item->setTextAlignment((cell.number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            totals_->setItem(row, column, item);
        }
    totals_->resizeColumnsToContents();
    totals_->resizeRowsToContents();
    int height = totals_->horizontalHeader()->sizeHint().height() + 2 * totals_->frameWidth();
    for (int row = 0; row < totals_->rowCount(); ++row)
        height += totals_->rowHeight(row);
    totals_->setFixedHeight(height + 2);
}

void PlantWindow::sortChosen() {
    const int column = sortColumn_->currentIndex();
    if (column >= 0)
        table_->sortByColumn(column,
                             sortOrder_->currentIndex() == 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void PlantWindow::openCurrentRow() {
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid() || !open_ || !model_->table())
        return;
    const std::uint32_t k = model_->shown()[std::size_t(current.row())];
    const cases::DutyRow row = model_->list().dutyRow(k, costing_->reader());
    open_(row, costing_->reader().caseOf(row));
}

bool PlantWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Close)
        close();
    return QWidget::eventFilter(watched, event);
}

void PlantWindow::closeEvent(QCloseEvent* event) {
    costing_->cancel();
    QWidget::closeEvent(event);
}

} // namespace pumpvale
