// The plant list's table for a view: the costed rows (a compact store), the rows the status filter
// shows in the order of the column sorted by, and their totals per currency.
//
// Its own sort over the store, not a proxy model: a sort by figures compares plain numbers, so a million
// rows sort in a fraction of a second. Rows costed while the list is open are merged into the order
// (the views keep their current row), and their figures added to the totals.
#pragma once

#include "cases/plant_table.h"
#include "core/number_format.h"

#include <QAbstractTableModel>
#include <cstdint>
#include <optional>
#include <vector>

namespace pumpvale {

class PlantModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PlantModel(QObject* parent = nullptr);

    // The columns of the list: until then the model has none.
    void setTable(cases::PlantTable table);
    // Rows costed, in the file's order after those the model holds.
    void append(cases::PlantList&& rows);
    void append(std::vector<cases::PlantList>&& chunks);
    void setFilter(cases::StatusFilter filter);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;
    // A column's heading and unit on one line.
    QString columnName(int section) const;

    const cases::PlantList& list() const { return list_; }
    const std::optional<cases::PlantTable>& table() const { return table_; }
    cases::StatusFilter filter() const { return filter_; }
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return descending_ ? Qt::DescendingOrder : Qt::AscendingOrder; }
    // The rows shown, as indices of list(), in the order shown.
    const std::vector<std::uint32_t>& shown() const { return order_; }
    // The totals of the rows the filter shows.
    const std::vector<cases::CurrencyTotals>& totals() const { return totalsShown_; }

signals:
    void totalsChanged();

private:
    // Rearranges the rows by arrange, keeping the views' current and selected rows on the same rows.
    template <typename Arrange> void rearrange(Arrange arrange);

    cases::PlantList list_;
    std::optional<cases::PlantTable> table_;
    std::vector<std::uint32_t> order_;
    cases::StatusFilter filter_ = cases::StatusFilter::All;
    int sortColumn_ = -1;
    bool descending_ = true;
    cases::PlantTotals totals_; // of the rows the filter shows, in the file's order
    std::vector<cases::CurrencyTotals> totalsShown_;
    Separators separators_;
};

} // namespace pumpvale
