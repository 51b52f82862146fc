// Duty lists: one duty point or many in a CSV file, and the window's entries and choices they stand for.
//
// The cases/ layer sits above core/, checks/ and aodd/: it reads and writes duty lists, and gives the
// session the calculator's rules (cases/calculator_rules.h). The window's Open and Save, the
// command-line batch and the tests all go through here, so a duty list means the same everywhere.
//
// A duty list is CSV (RFC 4180) in UTF-8, a byte order mark tolerated, with a comma or a semicolon as
// the delimiter (whichever the header row holds more of), a header row, and one duty point a row. The
// columns are found by name, in any order, without regard to case (kColumns). Any other column is
// carried through unchanged. A number is the whole cell (blanks around it aside), with a period as the
// decimal point; a cell that is not ("4,5", "12 psi") refuses its row with a message naming the row,
// the column and what to write instead. The units and the currency are matched without regard to
// letter case ("english", "EURO"; "S.I." for SI too). An empty cell is an empty entry, or no choice made, and
// the window's rules then say what is missing, as they would on the screen.
//
// For a window that opens and saves duty lists:
// - read: DutyListReader::start() then next() row by row; header() names the columns, a row's cells are
//   as read (the carried columns to show in a list to pick from), its point the entries and choices to
//   put into the window, or its refusal the message to show;
// - cost: Session::open (core/session.h) takes the point through the steps as the window would;
//   cases::runAsTheWindow(point) (cases/window_run.h) gives the messages and the stop it reaches;
// - save: the session's case, written by oneRowDutyList (cases/csv_writer.h).
#pragma once

#include "cases/csv_reader.h"
#include "core/case_entries.h"
#include "core/operating_case.h"

#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pumpvale::cases {

// The entries and choices of the main window for one duty point, as texts the window would hold.
using DutyPoint = CaseEntries;

enum class Column {
    Units,
    PcStages,
    Pressure,
    Flow,
    AirPressure,
    Weeks,
    Days,
    Hours,
    Currency,
    Price,
    Inlet,
    CompressorStages,
    CompressorEfficiency,
};

struct DutyColumn {
    Column column;
    std::string_view name;   // the header, in lower case
    bool required;           // a file without it cannot be read
    std::string_view expect; // what a cell holds, for messages and the docs
};

// clang-format off
inline constexpr std::array<DutyColumn, 13> kColumns{{
    {Column::Units,                "units",                 true,  "English or SI"},
    {Column::PcStages,             "pc_stages",             true,  "1 or 2"},
    {Column::Pressure,             "pressure",              true,  "a number, in psi (English) or Bar (SI)"},
    {Column::Flow,                 "flow",                  true,  "a number, in US GPM (English) or l/min (SI)"},
    {Column::AirPressure,          "air_pressure",          true,  "a number, in psi (English) or Bar (SI)"},
    {Column::Weeks,                "weeks",                 true,  "a number of weeks a year"},
    {Column::Days,                 "days",                  true,  "a number of days a week"},
    {Column::Hours,                "hours",                 true,  "a number of hours a day"},
    {Column::Currency,             "currency",              true,  "a currency as the list names it"},
    {Column::Price,                "price",                 false, "a number per kWh, or empty for the currency's usual price"},
    {Column::Inlet,                "inlet",                 true,  "1/4, 1/2, 1, 1 1/2, 2 or 3"},
    {Column::CompressorStages,     "compressor_stages",     false, "a number, or empty for 1"},
    {Column::CompressorEfficiency, "compressor_efficiency", false, "a number of percent, or empty for 75"},
}};
// clang-format on

// The Savings Over Time entries a case carries beside its duty point, by column name: optional, each
// cell the entry's text as typed (the Savings Over Time window's own rule checks it).
struct LifeCycleColumn {
    LifeCycleField field;
    std::string_view name;
};

// clang-format off
inline constexpr std::array<LifeCycleColumn, kLifeCycleFieldCount> kLifeCycleColumns{{
    {LifeCycleField::PcPrice,         "pc_price"},
    {LifeCycleField::AoddPrice,       "aodd_price"},
    {LifeCycleField::PcMaintenance,   "pc_maintenance"},
    {LifeCycleField::AoddMaintenance, "aodd_maintenance"},
    {LifeCycleField::Years,           "years_of_service"},
    {LifeCycleField::DiscountRate,    "discount_rate"},
    {LifeCycleField::EnergyEscalation, "energy_escalation"},
    {LifeCycleField::EmissionFactor,  "emission_factor"},
}};
// clang-format on

std::string& lifeCycleText(LifeCycleEntries& entries, LifeCycleField field);

// The unit system a units cell names ("English", "SI" or "S.I.", in any case, blanks around it
// aside); none for any other text.
std::optional<UnitSystem> unitSystemOfCell(std::string_view cell);

// "1/4", "1/2", "1", "1 1/2", "2", "3": the inlet cell of each size.
std::string_view inletCellText(InletSize size);

// The whole file's fault: it cannot be read as a duty list at all.
struct FileError {
    std::size_t line = 0; // 0: the file as a whole
    std::string text;
};

// One row of the file.
struct DutyRow {
    std::size_t row = 0;            // as a spreadsheet numbers it: the header is row 1
    std::size_t line = 0;           // the line of the file it starts on
    std::vector<std::string> cells; // as read, one for each header column (fewer when refused)
    std::optional<DutyPoint> point; // none: refused, for the reason below
    std::string refusal;            // names the row, the column and what to write instead
};

// Reads a duty list one row at a time; memory does not grow with the number of rows.
class DutyListReader {
public:
    explicit DutyListReader(std::istream& in);

    // Reads the header; the file's fault when it cannot be read as a duty list.
    std::optional<FileError> start();

    const std::vector<std::string>& header() const { return header_; }
    char delimiter() const { return delimiter_; }
    // The header position of each of kColumns, as start() found it; none where the file lacks it.
    const std::array<std::optional<std::size_t>, kColumns.size()>& columnIndex() const { return index_; }

    // The next row that is not blank; false at the end of the file, or at a fault past which nothing
    // can be read (error() then tells it).
    bool next(DutyRow& row);
    const std::optional<FileError>& error() const { return error_; }

    // The case a row that was read stands for: its point, the Savings Over Time entries its columns
    // hold, and every other column carried.
    Case caseOf(const DutyRow& row) const;

private:
    std::istream& in_;
    char delimiter_ = ',';
    std::vector<std::string> header_;
    std::array<std::optional<std::size_t>, kColumns.size()> index_{}; // the header position of each column
    std::optional<CsvReader> csv_;
    CsvRecord record_;
    std::size_t row_ = 1;
    std::optional<FileError> error_;
};

// The point of one row's cells, given the header position of each column; the refusal otherwise.
// Exposed for the window's use and the tests; DutyListReader::next calls it on every row.
struct RowReading {
    std::optional<DutyPoint> point;
    std::string refusal;
};
RowReading readDutyPoint(const std::vector<std::string>& cells,
                         const std::array<std::optional<std::size_t>, kColumns.size()>& index,
                         std::size_t row);

// A cell or a column's name as a message quotes it: its first kShownCharacters bytes or so, cut between
// two UTF-8 characters and followed by an ellipsis, so that no message grows with what a file holds.
inline constexpr std::size_t kShownCharacters = 40;
std::string shownInMessage(std::string_view text);

// "C" for the third column, "AA" for the 27th: as a spreadsheet names it.
std::string columnLetters(std::size_t zeroBased);

} // namespace pumpvale::cases
