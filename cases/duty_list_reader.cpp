#include "cases/duty_list.h"

#include <algorithm>
#include <sstream>

namespace pumpvale::cases {
namespace {

using Traits = std::char_traits<char>;

constexpr std::string_view kSaveAsUtf8 = "Save the file as CSV UTF-8.";

std::string lowerTrimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    std::string out(text);
    for (char& ch : out)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return out;
}

bool onlyLineBreaks(std::string_view text) {
    return text.find_first_not_of("\r\n") == std::string_view::npos;
}

// What is wrong with a record, in words, and what to do.
std::string problemText(RecordProblem problem) {
    switch (problem) {
        case RecordProblem::StrayQuote:
        case RecordProblem::TextAfterQuote:
            return "a quote stands inside the cell. Enclose the whole cell in quotes and write each quote in "
                   "it "
                   "twice.";
        case RecordProblem::CellTooLong:
            return "the cell is longer than " + std::to_string(kMaxCellBytes) + " bytes.";
        case RecordProblem::TooManyCells:
            return "the row has more than " + std::to_string(kMaxCells) + " cells.";
        case RecordProblem::RecordTooLong:
            return "the row is longer than " + std::to_string(kMaxRecordBytes) + " bytes.";
        case RecordProblem::NulByte:
            return "the cell holds a NUL byte, as UTF-16 text does. " + std::string(kSaveAsUtf8);
        case RecordProblem::InvalidUtf8:
            return "the cell is not UTF-8 text. " + std::string(kSaveAsUtf8);
        case RecordProblem::None:
            break;
    }
    return {};
}

FileError fileError(std::size_t line, std::string text) {
    return {line, std::move(text)};
}

} // namespace

DutyListReader::DutyListReader(std::istream& in) : in_(in) {
}

std::optional<FileError> DutyListReader::start() {
    std::streambuf* source = in_.rdbuf();
    if (!in_ || source == nullptr)
        return fileError(0, "the file cannot be read.");

    // A byte order mark: UTF-8's is dropped, UTF-16's refuses the file.
    std::string header;
    const int first = source->sgetc();
    if (first == 0xFF || first == 0xFE) {
        source->sbumpc();
        if (source->sgetc() == (first == 0xFF ? 0xFE : 0xFF))
            return fileError(1, "the file is UTF-16 text. " + std::string(kSaveAsUtf8));
        header.push_back(Traits::to_char_type(first));
    } else if (first == 0xEF) {
        source->sbumpc();
        header = "\xEF";
        if (source->sgetc() == 0xBB) {
            source->sbumpc();
            header = "\xEF\xBB";
            if (source->sgetc() == 0xBF) {
                source->sbumpc();
                header.clear();
            }
        }
    }

    std::size_t line = 1;
    std::optional<char> delimiter;
    for (;;) { // blank lines before the header are passed over
        delimiter = detectDelimiter(*source, header);
        if (!delimiter)
            return fileError(line, "the header row is longer than " + std::to_string(kMaxRecordBytes) +
                                       " bytes: this is not a duty list.");
        if (header.empty())
            return fileError(0,
                             "the file is empty: a duty list begins with a header row naming its columns.");
        if (!onlyLineBreaks(header))
            break;
        ++line;
        header.clear();
    }
    delimiter_ = *delimiter;

    std::stringbuf headerBytes(header);
    CsvReader headerReader(headerBytes, delimiter_, line);
    CsvRecord record;
    if (!headerReader.read(record))
        return fileError(line, "a quote in the header row opens and never closes.");
    if (record.problem != RecordProblem::None)
        return fileError(line, "in the header row, " + problemText(record.problem));

    header_ = record.cells;
    for (std::size_t at = 0; at < header_.size(); ++at) {
        const std::string name = lowerTrimmed(header_[at]);
        for (std::size_t k = 0; k < kColumns.size(); ++k) {
            if (kColumns[k].name != name)
                continue;
            if (index_[k])
                return fileError(line, "the column " + name + " appears twice in the header, as columns " +
                                           columnLetters(*index_[k]) + " and " + columnLetters(at) + ".");
            index_[k] = at;
        }
    }
    std::string missing;
    std::size_t found = 0;
    for (std::size_t k = 0; k < kColumns.size(); ++k) {
        if (kColumns[k].required && !index_[k])
            missing += (missing.empty() ? "" : ", ") + std::string(kColumns[k].name);
        found += index_[k] ? 1 : 0;
    }
    if (found == 0)
        return fileError(line, "the first row names none of a duty list's columns, which are units, "
                               "pc_stages, pressure, flow, air_pressure, weeks, days, hours, currency and "
                               "inlet, and optionally price, compressor_stages and compressor_efficiency.");
    if (!missing.empty())
        return fileError(line, "the header row lacks the column(s) " + missing +
                                   ". A duty list names its columns in its first row.");
    csv_.emplace(*source, delimiter_, headerReader.line());
    return std::nullopt;
}

bool DutyListReader::next(DutyRow& row) {
    if (!csv_ || error_)
        return false;
    for (;;) {
        if (!csv_->read(record_)) {
            if (const auto line = csv_->unclosedQuoteLine())
                error_ =
                    fileError(*line, "a quote opens here and never closes, so the rest of the file cannot "
                                     "be read. Close the quote, or write each quote inside a quoted cell "
                                     "twice.");
            return false;
        }
        ++row_; // a blank line is a row of the spreadsheet too
        if (!record_.blank())
            break;
    }
    row.row = row_;
    row.line = record_.line;
    std::swap(row.cells, record_.cells); // the next read clears what the row held before
    row.point.reset();
    row.refusal.clear();
    const std::string rowText = std::to_string(row_);
    if (record_.problem != RecordProblem::None) {
        const std::size_t at = record_.problemCell;
        const std::string name =
            at < header_.size() ? "column " + shownInMessage(header_[at]) + " " : std::string();
        row.refusal = "Row " + rowText + ", " + name + "(cell " + columnLetters(at) + rowText +
                      "): " + problemText(record_.problem);
    } else if (record_.cellCount != header_.size()) {
        row.refusal = "Row " + rowText + " has " + std::to_string(record_.cellCount) +
                      " cells and the header row " + std::to_string(header_.size()) +
                      ". Give each row one cell for each column; an empty cell is nothing between two "
                      "delimiters.";
    } else {
        RowReading reading = readDutyPoint(row.cells, index_, row_);
        row.point = std::move(reading.point);
        row.refusal = std::move(reading.refusal);
    }
    return true;
}

} // namespace pumpvale::cases

namespace pumpvale::cases {

Case DutyListReader::caseOf(const DutyRow& row) const {
    Case c;
    if (row.point)
        c.entries = *row.point;
    for (std::size_t at = 0; at < header_.size() && at < row.cells.size(); ++at) {
        const std::string name = lowerTrimmed(header_[at]);
        const auto named = [&](const auto& column) { return column.name == name; };
        if (std::any_of(kColumns.begin(), kColumns.end(), named))
            continue;
        const auto lifeCycle = std::find_if(kLifeCycleColumns.begin(), kLifeCycleColumns.end(), named);
        if (lifeCycle != kLifeCycleColumns.end())
            lifeCycleText(c.lifeCycle, lifeCycle->field) = row.cells[at];
        else
            c.carried.emplace_back(header_[at], row.cells[at]);
    }
    return c;
}

} // namespace pumpvale::cases
