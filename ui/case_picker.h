// "Open Case": the duty point to open, chosen from the rows of a duty list that holds several.
//
//   Prompt      "Choose the duty point to open from <file>:", the table's label
//   RowTable    one row per duty point: its row in the file, the columns carried through (a tag, a
//               location), its units, pressure, flow and inlet as written, and whether it can be opened
//               ("Yes", or "No: " and the reason opening it would give). Pressure and flow have a pair
//               of columns for each unit system the rows use, the unit in the heading.
//   OpenButton  "Open" (Enter, or a double click on a row, does the same)
//   Cancel      "Cancel" (Escape does the same)
#pragma once

#include "cases/duty_list.h"

#include <QDialog>
#include <cstddef>
#include <vector>

class QPushButton;
class QTableWidget;

namespace pumpvale {

class CasePicker final : public QDialog {
    Q_OBJECT
public:
    // rows are the file's rows as read, in order; header its header row.
    CasePicker(const QString& fileName, const std::vector<std::string>& header,
               const std::vector<cases::DutyRow>& rows, QWidget* parent = nullptr);

    // The index in rows of the row chosen; the first row until the user picks another.
    std::size_t chosen() const;
    QTableWidget& table() const { return *table_; }

private:
    void fitColumns();

    QTableWidget* table_ = nullptr;
    QPushButton* open_ = nullptr;
};

} // namespace pumpvale
