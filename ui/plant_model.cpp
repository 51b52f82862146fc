#include "ui/plant_model.h"

#include "ui/report_layouts.h"
#include "ui/window_parts.h"

#include <algorithm>

namespace pumpvale {

using parts::qText;

namespace {
constexpr qsizetype kOneLine = 12; // characters of a header that stays on one line
}

PlantModel::PlantModel(QObject* parent) : QAbstractTableModel(parent), separators_(localeSeparators()) {
    setObjectName("PlantModel");
}

void PlantModel::setTable(cases::PlantTable table) {
    beginResetModel();
    table_ = std::move(table);
    sortColumn_ = static_cast<int>(table_->savingsColumn());
    descending_ = true;
    endResetModel();
}

template <typename Arrange> void PlantModel::rearrange(Arrange arrange) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint32_t> rows;
    for (const QModelIndex& index : before)
        rows.push_back(order_[static_cast<std::size_t>(index.row())]);
    arrange();
    if (!before.isEmpty()) {
        std::vector<int> at(list_.size(), -1);
        for (std::size_t i = 0; i < order_.size(); ++i)
            at[order_[i]] = static_cast<int>(i);
        QModelIndexList after;
        for (qsizetype i = 0; i < before.size(); ++i) {
            const int row = at[rows[static_cast<std::size_t>(i)]];
            after << (row < 0 ? QModelIndex() : index(row, before[i].column()));
        }
        changePersistentIndexList(before, after);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void PlantModel::append(cases::PlantList&& rows) {
    std::vector<cases::PlantList> chunks;
    chunks.push_back(std::move(rows));
    append(std::move(chunks));
}

void PlantModel::append(std::vector<cases::PlantList>&& chunks) {
    if (!table_)
        return;
    const std::size_t first = list_.size();
    for (cases::PlantList& chunk : chunks)
        list_.append(std::move(chunk));
    if (list_.size() == first)
        return;
    std::vector<std::uint32_t> added = cases::shownRows(list_, filter_, first);
    for (const std::uint32_t k : added)
        totals_.add(list_.figures(k));
    totalsShown_ = totals_.byCurrency();
    if (!added.empty()) {
        const auto column = static_cast<std::size_t>(sortColumn_);
        table_->sort(added, list_, column, descending_);
        const int count = static_cast<int>(order_.size());
        beginInsertRows({}, count, count + static_cast<int>(added.size()) - 1);
        order_.insert(order_.end(), added.begin(), added.end());
        endInsertRows();
        if (count > 0)
            rearrange([&] {
                std::inplace_merge(order_.begin(), order_.begin() + count, order_.end(),
                                   [&](std::uint32_t a, std::uint32_t b) {
                                       return table_->before(list_, a, b, column, descending_);
                                   });
            });
    }
    emit totalsChanged();
}

void PlantModel::setFilter(cases::StatusFilter filter) {
    if (filter == filter_ || !table_) {
        filter_ = filter;
        return;
    }
    beginResetModel();
    filter_ = filter;
    order_ = cases::shownRows(list_, filter_);
    table_->sort(order_, list_, static_cast<std::size_t>(sortColumn_), descending_);
    totals_ = {}; // added again in the file's order, as pumpvale-batch adds them
    for (std::size_t k = 0; k < list_.size(); ++k)
        if (cases::shows(filter_, list_.status(k)))
            totals_.add(list_.figures(k));
    totalsShown_ = totals_.byCurrency();
    endResetModel();
    emit totalsChanged();
}

void PlantModel::sort(int column, Qt::SortOrder order) {
    if (!table_ || column < 0 || column >= columnCount())
        return;
    sortColumn_ = column;
    descending_ = order == Qt::DescendingOrder;
    rearrange([&] { table_->sort(order_, list_, static_cast<std::size_t>(column), descending_); });
}

int PlantModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int PlantModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !table_ ? 0 : static_cast<int>(table_->columns().size());
}

QVariant PlantModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !table_ || index.row() >= rowCount())
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    const cases::PlantColumn& c = table_->columns()[column];
    const std::uint32_t k = order_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return qText(table_->text(list_, k, column, separators_));
        case Qt::ToolTipRole:
            // A message is longer than its column: the whole of it.
            return c.field == cases::PlantField::Message ? QVariant(qText(list_.message(k))) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue((c.number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        default:
            break;
    }
    return {};
}

QString PlantModel::columnName(int section) const {
    const cases::PlantColumn& c = table_->columns()[static_cast<std::size_t>(section)];
    return qText(c.unit.empty() ? c.heading : c.heading + " (" + c.unit + ")");
}

QVariant PlantModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || !table_ || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        // On two lines where it is long, broken at the blank nearest its middle: the columns of figures
        // then stand as wide as their figures.
        QString name = columnName(section);
        qsizetype best = -1;
        for (qsizetype at = name.indexOf(' '); at >= 0; at = name.indexOf(' ', at + 1))
            if (best < 0 || std::abs(at - name.size() / 2) < std::abs(best - name.size() / 2))
                best = at;
        if (name.size() > kOneLine && best > 0)
            name[best] = '\n';
        return name;
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace pumpvale
