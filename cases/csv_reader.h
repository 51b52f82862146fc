// Records of a CSV file as RFC 4180 defines it, read one at a time from a stream.
//
// Fields are separated by the delimiter (a comma or a semicolon); a field in double quotes may hold the
// delimiter, line breaks and doubled quotes. A record ends at a line break outside quotes: LF, CRLF or
// a CR alone, mixed in one file as spreadsheets and editors leave them. Memory is bounded whatever the
// input: a cell holds at most kMaxCellBytes, a record at most kMaxCells cells and kMaxRecordBytes bytes.
// A cell past a bound is read over and kept empty, cells past kMaxCells are not kept, and the record
// says so. Past kMaxRecordBytes nothing more of the record is kept or counted: the reader looks only
// for its end, at the speed of reading, so that one huge row (gigabytes without a line break) costs no
// more than reading it.
#pragma once

#include <cstddef>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace pumpvale::cases {

// A duty point's cells are a few bytes; a tag or a remark a line or two. Past these, a file is not a
// duty list.
inline constexpr std::size_t kMaxCellBytes = 65536;
inline constexpr std::size_t kMaxCells = 1000;
inline constexpr std::size_t kMaxRecordBytes = 1048576;

// What is wrong with one record; the first problem found is kept.
enum class RecordProblem {
    None,
    StrayQuote,     // a quote inside a cell that does not start with one
    TextAfterQuote, // a quoted cell followed by more text before the delimiter
    CellTooLong,    // past kMaxCellBytes
    TooManyCells,   // past kMaxCells
    RecordTooLong,  // past kMaxRecordBytes
    NulByte,        // a NUL byte: a UTF-16 file, or not text at all
    InvalidUtf8,
};

struct CsvRecord {
    std::vector<std::string> cells; // the first kMaxCells cells (empty past a bound), refilled by each read
    std::size_t cellCount = 0;      // every cell of the record, kept or not, up to kMaxRecordBytes
    std::size_t line = 0;           // the line the record starts on, from 1
    RecordProblem problem = RecordProblem::None;
    std::size_t problemCell = 0; // 0-based

    // A line with nothing on it.
    bool blank() const { return cellCount == 1 && cells.front().empty() && problem == RecordProblem::None; }
};

class CsvReader {
public:
    // Reads from source, which must outlive the reader, with lines counted from firstLine. The reader
    // takes what the source holds in its buffer in one go: nothing else may read from source after it.
    explicit CsvReader(std::streambuf& source, char delimiter = ',', std::size_t firstLine = 1);

    // Reads the next record into record; false at the end of the input or at a quote that never closes
    // (unclosedQuoteLine() then names the line it opened on).
    bool read(CsvRecord& record);
    std::optional<std::size_t> unclosedQuoteLine() const { return unclosedQuoteLine_; }
    std::size_t line() const { return line_; }

private:
    enum class State { Start, Unquoted, Quoted, AfterQuote };

    void endCell(CsvRecord& record);
    void append(CsvRecord& record, char ch);
    void flag(CsvRecord& record, RecordProblem problem);
    int take();
    int peek();
    bool refill();
    void passOver(State& state, std::size_t& quoteLine);

    std::streambuf& source_;
    std::vector<char> buffer_; // bytes taken from source_, read from next_ to end_
    std::size_t next_ = 0;
    std::size_t end_ = 0;
    char delimiter_;
    std::size_t line_;
    std::size_t recordBytes_ = 0;
    std::string cell_;
    bool cellCut_ = false; // the cell being read is past a bound
    std::optional<std::size_t> unclosedQuoteLine_;
};

// Whether text is well-formed UTF-8: no stray continuation byte, overlong form, surrogate or code point
// past U+10FFFF.
bool isValidUtf8(std::string_view text);

// text with each byte that is not part of well-formed UTF-8, and each NUL, replaced by U+FFFD, so that
// a cell refused for its encoding can still be written out as text.
std::string asValidUtf8(std::string_view text);

// Reads the first record's bytes, its line break included, into header (which may already hold bytes
// read from the source before) and tells its delimiter: a semicolon when the header holds more
// semicolons than commas outside quotes, as a spreadsheet with a decimal comma writes, else a comma.
// None when the header runs past kMaxRecordBytes.
std::optional<char> detectDelimiter(std::streambuf& source, std::string& header);

} // namespace pumpvale::cases
