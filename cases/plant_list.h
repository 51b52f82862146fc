// The rows of a plant's duty list as the plant list keeps them once costed: each row's cells as read,
// its first message and its figures, in a compact store (a record of fixed size a row, the cells
// packed one after another), so that a list of a million rows takes memory of the order of its file.
//
// readPlantList reads and costs the rows of a started reader, each as the main window would cost it
// (cases::runAsTheWindow, the same run as pumpvale-batch's), handing them on in chunks: the plant list
// window runs it on a thread of its own, the benchmark and the tests call it directly.
#pragma once

#include "cases/duty_list.h"
#include "cases/plant_totals.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pumpvale::cases {

class PlantList {
public:
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // The bytes the store holds, its records and its cells; the bytes of its cells alone.
    std::size_t memoryBytes() const;
    std::size_t cellBytes() const { return cellBytes_; }

    // Keeps a row as the reader gave it, with the figures and the messages of its run (none for a row
    // the reader refused).
    void append(const DutyRow& row, const PlantFigures& figures, const Messages& messages);
    // Moves the rows of more to the end of this list.
    void append(PlantList&& more);

    std::size_t rowNumber(std::size_t k) const { return record(k).row; } // as a spreadsheet numbers it
    RunStatus status(std::size_t k) const { return static_cast<RunStatus>(kind(k, Kind::Status)); }
    UnitSystem units(std::size_t k) const { return static_cast<UnitSystem>(kind(k, Kind::Units)); }
    std::optional<InletSize> inlet(std::size_t k) const;
    std::string_view currency(std::size_t k) const;
    // The first message the window shows for the row, or the reader's refusal; empty when none.
    std::string_view message(std::size_t k) const;
    // The cell at a header position, as read; empty past the row's cells.
    std::string_view cell(std::size_t k, std::size_t at) const;
    PlantFigures figures(std::size_t k) const;
    // One figure of a row, none where the row has none (the AODD cost and the savings of a row costed
    // in full only): what a sort reads, quicker than figures().
    enum class Figure { AoddCost, PcCost, Savings, SavedKwh, Co2AvoidedKg };
    std::optional<double> figure(std::size_t k, Figure which) const;
    // The row as the reader gave it, its point read again from its cells: what reader.caseOf takes.
    DutyRow dutyRow(std::size_t k, const DutyListReader& reader) const;

private:
    // The small choices of a row, packed into one field: where each starts and how many bits it has.
    enum class Kind { Status, Units, Inlet, Payback, Currency };
    struct Record {
        std::uint64_t cellsAt = 0; // the block of cells_ in the high half, the offset in the low
        std::uint64_t row = 0;
        // NaN where the row has no such figure.
        double aoddCost = 0, pcCost = 0, savings = 0, savedKwh = 0, co2AvoidedKg = 0, paybackYears = 0;
        std::uint16_t cellCount = 0;
        std::uint16_t message = 0; // 0: none; kRefusal: after the cells; else messages_[message - 1]
        std::uint16_t kinds = 0;
    };
    static constexpr std::uint16_t kRefusal = 0xFFFF;
    // Records and cells are kept in blocks: the store grows without copying itself whole, and holds at
    // most a block's growth more than its rows need.
    static constexpr std::size_t kBlockRows = std::size_t(1) << 16;
    static constexpr std::size_t kBlockBytes = std::size_t(1) << 22;

    const Record& record(std::size_t k) const { return records_[k / kBlockRows][k % kBlockRows]; }
    unsigned kind(std::size_t k, Kind which) const;
    static void setKind(Record& r, Kind which, unsigned value);
    static std::optional<double> number(double stored);
    void push(Record r, std::string_view bytes);
    std::string_view bytesOf(const Record& r) const;
    std::uint16_t messageIndex(const Message& message);
    std::string_view entry(const Record& r, std::size_t at) const;

    std::vector<std::vector<Record>> records_;
    std::vector<std::string> cells_; // each cell as its length (7 bits a byte, low first), then its bytes
    std::vector<Message> messages_;  // the distinct first messages: the program's own texts
    std::size_t size_ = 0;
    std::size_t cellBytes_ = 0;
    std::string scratch_; // a row's cells, packed before they are stored
};

// The columns of a list that are no entry of the calculator, as the reader's header rule finds them:
// those a case carries (a tag, a location), by name and header position, and whether any is a Savings
// Over Time column.
struct ListColumns {
    std::vector<std::pair<std::string, std::size_t>> carried;
    bool lifeCycle = false;
};
ListColumns listColumns(const DutyListReader& reader);

// Which rows the list shows, by their status.
enum class StatusFilter { All, Costed, PcOnly, Refused };
bool shows(StatusFilter filter, RunStatus status);

// The rows of list a filter shows, in the file's order, from row from on.
std::vector<std::uint32_t> shownRows(const PlantList& list, StatusFilter filter, std::size_t from = 0);
// The totals of those rows, added in the file's order as pumpvale-batch adds them.
std::vector<CurrencyTotals> totalsOf(const PlantList& list, StatusFilter filter);
// The rows costed in full among shown, largest savings first: at most count.
std::vector<std::uint32_t> largestSavings(const PlantList& list, const std::vector<std::uint32_t>& shown,
                                          std::size_t count);

// How a reading ended.
struct PlantReading {
    std::size_t rows = 0;           // read and costed
    bool stopped = false;           // handOn asked to stop
    bool tooLarge = false;          // the list reached kMostPlantRows or kMostPlantBytes
    std::optional<FileError> error; // a fault past which nothing could be read
};

// A plant list takes at most this much; past it, pumpvale-batch costs a list of any length.
inline constexpr std::size_t kMostPlantRows = 5'000'000;
inline constexpr std::size_t kMostPlantBytes = std::size_t(1) << 30; // its cells

// Reads and costs every further row of reader (started), handing them on in chunks of up to
// chunkRows; handOn returns false to stop the reading. The last chunk is handed on before the return.
PlantReading readPlantList(DutyListReader& reader, const std::function<bool(PlantList&&)>& handOn,
                           std::size_t chunkRows = 4096);

} // namespace pumpvale::cases
