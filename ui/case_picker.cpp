#include "ui/case_picker.h"

#include "ui/accessible_buttons.h"
#include "ui/comparison_text.h"
#include "ui/message_sink.h"
#include "ui/window_parts.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <optional>

namespace pumpvale {
namespace {

using parts::qText;

std::string lowerTrimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch); });
    return lower;
}

std::optional<cases::Column> columnNamed(const std::string& header) {
    const std::string name = lowerTrimmed(header);
    for (const cases::ColumnSpec& known : cases::kColumns)
        if (known.name == name)
            return known.column;
    return std::nullopt;
}

// A column the file names itself, headed as ours are: "pump_tag" reads "Pump tag".
QString carriedHeading(const std::string& header) {
    QString heading = qText(header).trimmed().replace(QLatin1Char('_'), QLatin1Char(' '));
    if (!heading.isEmpty())
        heading[0] = heading[0].toUpper();
    return heading;
}

// The pressure and flow columns of one unit system, their unit in the heading: psi and Bar never share
// a column. Rows whose units cell names no unit system have columns of their own.
struct UnitColumns {
    std::optional<UnitSystem> units;
    QString pressure;
    QString flow;
};
std::array<UnitColumns, 3> unitColumns() {
    using namespace comparison_text;
    const auto of = [](std::optional<UnitSystem> units) {
        if (!units)
            return UnitColumns{units, QStringLiteral("Pressure (units unknown)"),
                               QStringLiteral("Flow (units unknown)")};
        return UnitColumns{units, QStringLiteral("Pressure (%1)").arg(pressureUnit(*units)),
                           QStringLiteral("Flow (%1)").arg(flowUnit(*units))};
    };
    return {of(UnitSystem::English), of(UnitSystem::SI), of(std::nullopt)};
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// The narrowest the reason of a refused row is made to fit the screen, and the widest it is shown on
// one line; a longer reason wraps within its row.
constexpr int kReasonLeastChars = 24;
constexpr int kReasonChars = 60;

// Where the list's columns come from: the header positions of the file's columns, and the unit systems
// the rows are written in.
struct Columns {
    std::vector<std::size_t> carried; // the file's own columns, shown first: they name a pump in a list
    std::optional<std::size_t> units, pressure, flow, inlet;
    std::vector<UnitColumns> groups; // only those of the unit systems the rows use
    QStringList headings;

    QString textAt(const cases::DutyRow& row, std::optional<std::size_t> at) const {
        return at && *at < row.cells.size() ? qText(row.cells[*at]) : QString();
    }
    std::optional<UnitSystem> unitsOf(const cases::DutyRow& row) const {
        return row.point ? std::optional(row.point->units)
                         : cases::unitSystemOfCell(textAt(row, units).toStdString());
    }
};

Columns columnsOf(const std::vector<std::string>& header, const std::vector<cases::DutyRow>& rows) {
    Columns columns;
    for (std::size_t at = 0; at < header.size(); ++at) {
        const auto column = columnNamed(header[at]);
        if (!column)
            columns.carried.push_back(at);
        for (auto& [known, found] :
             {std::pair{cases::Column::Units, &columns.units},
              std::pair{cases::Column::Pressure, &columns.pressure},
              std::pair{cases::Column::Flow, &columns.flow}, std::pair{cases::Column::Inlet, &columns.inlet}})
            if (column == known && !*found)
                *found = at;
    }
    for (const UnitColumns& group : unitColumns())
        if (std::any_of(rows.begin(), rows.end(),
                        [&](const auto& row) { return columns.unitsOf(row) == group.units; }))
            columns.groups.push_back(group);

    columns.headings << QStringLiteral("Row");
    for (const std::size_t at : columns.carried)
        columns.headings << carriedHeading(header[at]);
    columns.headings << QStringLiteral("Units");
    for (const UnitColumns& group : columns.groups)
        columns.headings << group.pressure << group.flow;
    columns.headings << QStringLiteral("Inlet (inch)") << QStringLiteral("Can be opened");
    return columns;
}

void fillRows(QTableWidget& table, const Columns& columns, const std::vector<cases::DutyRow>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const cases::DutyRow& row = rows[r];
        const int tableRow = static_cast<int>(r);
        int column = 0;
        table.setItem(tableRow, column++, cell(QString::number(row.row)));
        for (const std::size_t at : columns.carried)
            table.setItem(tableRow, column++, cell(columns.textAt(row, at)));
        table.setItem(tableRow, column++, cell(columns.textAt(row, columns.units)));
        const auto units = columns.unitsOf(row);
        for (const UnitColumns& group : columns.groups) {
            const bool here = group.units == units;
            table.setItem(tableRow, column++, cell(here ? columns.textAt(row, columns.pressure) : QString()));
            table.setItem(tableRow, column++, cell(here ? columns.textAt(row, columns.flow) : QString()));
        }
        table.setItem(tableRow, column++, cell(columns.textAt(row, columns.inlet)));
        // Said in words, not by colour: a refused row says why, as opening it would.
        QTableWidgetItem* opens =
            cell(row.point ? QStringLiteral("Yes") : QStringLiteral("No: ") + qText(row.refusal));
        if (!row.point)
            opens->setToolTip(qText(row.refusal));
        table.setItem(tableRow, column, opens);
    }
}

} // namespace

CasePicker::CasePicker(const QString& fileName, const std::vector<std::string>& header,
                       const std::vector<cases::DutyRow>& rows, QWidget* parent)
    : QDialog(parent) {
    setObjectName("CasePicker");
    setWindowTitle(QStringLiteral("Open Case"));
    nameWindow(*this, QStringLiteral("Open Case: choose a duty point"));
    if (parent != nullptr)
        keepCentredOn(*this, *parent);

    const Columns columns = columnsOf(header, rows);
    table_ = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.headings.size()), this);
    table_->setObjectName("RowTable");
    table_->setAccessibleName(QStringLiteral("Duty points in the file"));
    table_->setHorizontalHeaderLabels(columns.headings);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false); // Tab leaves the table for the buttons
    table_->setWordWrap(true);          // only the reason is ever narrower than its text
    fillRows(*table_, columns, rows);
    if (!rows.empty())
        table_->selectRow(0);

    auto* prompt =
        new QLabel(QStringLiteral("Choose the duty point to open from \"%1\":").arg(fileName), this);
    prompt->setObjectName("Prompt");
    prompt->setBuddy(table_);
    prompt->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton(QStringLiteral("Open"), QDialogButtonBox::AcceptRole);
    open_->setObjectName("OpenButton");
    open_->setAccessibleName(QStringLiteral("Open"));
    open_->setDefault(true);
    // Words alone, as every button of the program: the desktop's standard Cancel may bring an icon.
    QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("Cancel");
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    table_->setFocus();
    fitColumns();
}

// Every column as wide as its cells but the reason's, which takes the width the screen leaves, up to a
// readable line; the rows as tall as their reasons, as many as twelve in view.
void CasePicker::fitColumns() {
    table_->resizeColumnsToContents();
    const QSize room = QGuiApplication::primaryScreen() != nullptr
                           ? QGuiApplication::primaryScreen()->availableSize() * 9 / 10 - QSize(40, 120)
                           : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int reason = table_->columnCount() - 1;
    int others = table_->frameWidth() * 2 + 4;
    for (int c = 0; c < reason; ++c)
        others += table_->columnWidth(c);
    const int character = table_->fontMetrics().averageCharWidth();
    table_->setColumnWidth(reason,
                           std::min({table_->columnWidth(reason), character * kReasonChars,
                                     std::max(character * kReasonLeastChars, room.width() - others)}));
    table_->resizeRowsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);

    int height = table_->horizontalHeader()->sizeHint().height() + table_->frameWidth() * 2 + 4;
    for (int row = 0; row < std::min(table_->rowCount(), 12); ++row)
        height += table_->rowHeight(row);
    table_->setMinimumSize(
        QSize(std::max(others + table_->columnWidth(reason), 360), height).boundedTo(room));
}

std::size_t CasePicker::chosen() const {
    const int row = table_->currentRow();
    return row < 0 ? 0 : static_cast<std::size_t>(row);
}

} // namespace pumpvale
