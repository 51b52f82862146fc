#include "ui/case_picker.h"

#include "ui/accessible_buttons.h"
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

// The duty point's own columns, in the order the table shows them after the carried ones.
struct Shown {
    cases::Column column;
    const char* heading;
};
constexpr std::array kShown{Shown{cases::Column::Units, "Units"}, Shown{cases::Column::Pressure, "Pressure"},
                            Shown{cases::Column::Flow, "Flow"}, Shown{cases::Column::Inlet, "Inlet"}};

std::optional<cases::Column> columnNamed(const std::string& header) {
    const std::string name = lowerTrimmed(header);
    for (const cases::ColumnSpec& known : cases::kColumns)
        if (known.name == name)
            return known.column;
    return std::nullopt;
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

CasePicker::CasePicker(const QString& fileName, const std::vector<std::string>& header,
                       const std::vector<cases::DutyRow>& rows, QWidget* parent)
    : QDialog(parent) {
    setObjectName("CasePicker");
    setWindowTitle(QStringLiteral("Open Case"));
    nameWindow(*this, QStringLiteral("Open Case: choose a duty point"));

    // Carried columns first: they are what names a pump in a plant list.
    std::vector<std::size_t> carried;
    std::array<std::optional<std::size_t>, kShown.size()> shownAt{};
    for (std::size_t at = 0; at < header.size(); ++at) {
        const auto column = columnNamed(header[at]);
        if (!column)
            carried.push_back(at);
        for (std::size_t k = 0; k < kShown.size(); ++k)
            if (column == kShown[k].column && !shownAt[k])
                shownAt[k] = at;
    }
    QStringList headings{QStringLiteral("Row")};
    for (const std::size_t at : carried)
        headings << qText(header[at]);
    for (const Shown& shown : kShown)
        headings << QString::fromLatin1(shown.heading);
    headings << QStringLiteral("Can Be Opened");

    table_ = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headings.size()), this);
    table_->setObjectName("RowTable");
    table_->setAccessibleName(QStringLiteral("Duty points in the file"));
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false); // Tab leaves the table for the buttons
    table_->setWordWrap(false);
    const auto textAt = [](const cases::DutyRow& row, std::optional<std::size_t> at) {
        return at && *at < row.cells.size() ? qText(row.cells[*at]) : QString();
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const cases::DutyRow& row = rows[r];
        const int tableRow = static_cast<int>(r);
        int column = 0;
        table_->setItem(tableRow, column++, cell(QString::number(row.row)));
        for (const std::size_t at : carried)
            table_->setItem(tableRow, column++, cell(textAt(row, at)));
        for (const auto& at : shownAt)
            table_->setItem(tableRow, column++, cell(textAt(row, at)));
        // Said in words, not by colour: a refused row opens to its message.
        table_->setItem(tableRow, column,
                        cell(row.point ? QStringLiteral("Yes") : QStringLiteral("No: see why")));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
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
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
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

    // Wide enough for every column, as tall as the rows need, and never past the screen.
    int width = table_->frameWidth() * 2 + 4;
    for (int c = 0; c < table_->columnCount(); ++c)
        width += table_->columnWidth(c);
    const int height =
        table_->horizontalHeader()->sizeHint().height() +
        table_->verticalHeader()->defaultSectionSize() * std::min<int>(table_->rowCount(), 12) +
        table_->frameWidth() * 2 + 4;
    table_->setMinimumSize(std::max(width, 360), height);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableSize() * 9 / 10;
        table_->setMinimumSize(table_->minimumSize().boundedTo(room - QSize(40, 120)));
    }
}

std::size_t CasePicker::chosen() const {
    const int row = table_->currentRow();
    return row < 0 ? 0 : static_cast<std::size_t>(row);
}

} // namespace pumpvale
