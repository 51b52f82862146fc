// A plant list as a table: its columns (the rows' own columns from the file's header, then the duty
// point, the status, the figures and the first message), each cell's text by the program's figure rules, the
// order of the rows by any column, and the rows a status filter shows. The plant list window, its printed
// report and its CSV export all render this one table.
#pragma once

#include "cases/natural_order.h"
#include "cases/plant_list.h"
#include "core/number_format.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pumpvale::cases {

enum class PlantField {
    Row,     // as a spreadsheet numbers it
    Carried, // a column of the file that is no entry (a tag, a location)
    Units,
    Point, // the duty point
    Inlet,
    Status,
    Message, // the first the window shows, or why the row cannot be read
    Currency,
    AoddCost,
    PcCost,
    Savings,
    EnergySaved,
    Payback,    // when the file has Savings Over Time columns
    Co2Avoided, // when the file has Savings Over Time columns
};

struct PlantColumn {
    PlantField field;
    std::string heading;
    std::string unit;    // of its figures; empty for words, and for money (each row has its currency)
    std::string csvName; // in the CSV export, as pumpvale-batch names its columns where it has them
    std::size_t at = 0;  // Carried: its position in the header
    bool number = false; // aligned on the right
};

// "Costed", "PC pump only", "Refused".
std::string_view statusWords(RunStatus status);

class PlantTable {
public:
    // The columns of the list reader reads (started).
    explicit PlantTable(const DutyListReader& reader);

    const std::vector<PlantColumn>& columns() const { return columns_; }
    std::size_t savingsColumn() const; // the list's first order, largest first
    bool hasLifeCycle() const { return hasLifeCycle_; }

    // A cell as a person reads it, with the user's separators; empty where the row has no figure.
    std::string text(const PlantList& list, std::size_t k, std::size_t column, const Separators& s) const;
    // A cell as a program reads it: numbers in full with a period, the status as pumpvale-batch writes it.
    std::string csvCell(const PlantList& list, std::size_t k, std::size_t column) const;

    // Sorts order (rows of list) by a column. Rows without a figure or with an empty cell come last in
    // either direction; rows that tie stay in the file's order.
    void sort(std::vector<std::uint32_t>& order, const PlantList& list, std::size_t column,
              bool descending) const;
    // Whether row a comes before row b in that order.
    bool before(const PlantList& list, std::uint32_t a, std::uint32_t b, std::size_t column,
                bool descending) const;

private:
    // Sort the rows with a figure or a text into order's front, the others into none; the count sorted.
    std::size_t sortByFigures(std::vector<std::uint32_t>& order, const PlantList& list, const PlantColumn& c,
                              bool descending, std::vector<std::uint32_t>& none) const;
    std::size_t sortByText(std::vector<std::uint32_t>& order, const PlantList& list, const PlantColumn& c,
                           bool descending, std::vector<std::uint32_t>& none) const;
    static bool textual(const PlantColumn& c);
    std::optional<double> entered(const PlantList& list, std::size_t k, Column column) const;
    std::optional<std::pair<double, double>> figureKey(const PlantList& list, std::size_t k,
                                                       const PlantColumn& c) const;
    std::string dutyPointText(const PlantList& list, std::size_t k) const;
    std::string_view textKey(const PlantList& list, std::size_t k, const PlantColumn& c) const;
    std::optional<double> numberKey(const PlantList& list, std::size_t k, const PlantColumn& c) const;
    int compare(const PlantList& list, std::uint32_t a, std::uint32_t b, const PlantColumn& c) const;

    std::vector<PlantColumn> columns_;
    std::array<std::optional<std::size_t>, kColumns.size()> index_{};
    bool hasLifeCycle_ = false;
};

} // namespace pumpvale::cases
