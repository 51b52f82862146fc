#include "cases/csv_reader.h"

#include <utility>

namespace pumpvale::cases {
namespace {

using Traits = std::char_traits<char>;

bool isAscii(std::string_view text) {
    for (const char ch : text)
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    return true;
}

// The length of the well-formed character at the start of text; 0 when there is none.
std::size_t characterLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || text.size() < length)
        return 0;
    const auto second = length > 1 ? static_cast<unsigned char>(text[1]) : 0x80;
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

} // namespace

bool isValidUtf8(std::string_view text) {
    if (isAscii(text))
        return true;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = characterLength(text.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string asValidUtf8(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = text[i] == '\0' ? 0 : characterLength(text.substr(i));
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out += text.substr(i, length);
            i += length;
        }
    }
    return out;
}

std::optional<char> detectDelimiter(std::streambuf& source, std::string& header) {
    bool quoted = false;
    std::size_t commas = 0, semicolons = 0;
    const auto see = [&](char ch) {
        if (ch == '"')
            quoted = !quoted; // a doubled quote toggles twice
        else if (!quoted && ch == ',')
            ++commas;
        else if (!quoted && ch == ';')
            ++semicolons;
    };
    for (const char ch : header)
        see(ch);
    for (int c = source.sbumpc(); c != Traits::eof(); c = source.sbumpc()) {
        if (header.size() >= kMaxRecordBytes)
            return std::nullopt;
        const char ch = Traits::to_char_type(c);
        header.push_back(ch);
        see(ch);
        if (quoted)
            continue;
        if (ch == '\n')
            break;
        if (ch == '\r') {
            if (source.sgetc() == '\n')
                header.push_back(Traits::to_char_type(source.sbumpc()));
            break;
        }
    }
    return semicolons > commas ? ';' : ',';
}

CsvReader::CsvReader(std::streambuf& source, char delimiter, std::size_t firstLine)
    : source_(source), delimiter_(delimiter), line_(firstLine) {
}

void CsvReader::flag(CsvRecord& record, RecordProblem problem) {
    if (record.problem != RecordProblem::None)
        return;
    record.problem = problem;
    record.problemCell = record.cellCount;
}

void CsvReader::append(CsvRecord& record, char ch) {
    if (ch == '\0')
        flag(record, RecordProblem::NulByte);
    // A cell past a bound is kept as nothing rather than cut: a part of it would pass for the whole.
    if (++recordBytes_ > kMaxRecordBytes) {
        flag(record, RecordProblem::RecordTooLong);
        cellCut_ = true;
    } else if (cell_.size() >= kMaxCellBytes) {
        flag(record, RecordProblem::CellTooLong);
        cellCut_ = true;
    }
    if (cellCut_) {
        cell_.clear();
        return;
    }
    if (record.cellCount < kMaxCells)
        cell_.push_back(ch);
}

void CsvReader::endCell(CsvRecord& record) {
    if (record.cellCount < kMaxCells) {
        if (!isValidUtf8(cell_))
            flag(record, RecordProblem::InvalidUtf8);
        record.cells.push_back(std::move(cell_));
    } else {
        flag(record, RecordProblem::TooManyCells);
    }
    ++record.cellCount;
    cell_.clear(); // valid but unspecified once moved from
    cellCut_ = recordBytes_ > kMaxRecordBytes;
}

bool CsvReader::read(CsvRecord& record) {
    record.cells.clear();
    record.cellCount = 0;
    record.problem = RecordProblem::None;
    record.problemCell = 0;
    record.line = line_;
    recordBytes_ = 0;
    cell_.clear();
    cellCut_ = false;

    enum class State { Start, Unquoted, Quoted, AfterQuote } state = State::Start;
    std::size_t quoteLine = line_;
    int c = source_.sbumpc();
    if (c == Traits::eof())
        return false;
    for (;; c = source_.sbumpc()) {
        if (c == Traits::eof()) {
            if (state == State::Quoted) {
                unclosedQuoteLine_ = quoteLine;
                return false;
            }
            endCell(record); // the last record needs no line break
            return true;
        }
        const char ch = Traits::to_char_type(c);
        if (state == State::Quoted) {
            if (ch == '"') {
                state = State::AfterQuote;
                continue;
            }
            // A CR before an LF is one line break.
            if (ch == '\n' || (ch == '\r' && source_.sgetc() != '\n'))
                ++line_;
            append(record, ch);
            continue;
        }
        if (ch == delimiter_) {
            endCell(record);
            state = State::Start;
        } else if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && source_.sgetc() == '\n')
                source_.sbumpc();
            ++line_;
            endCell(record);
            return true;
        } else if (ch == '"' && state == State::AfterQuote) {
            append(record, '"'); // a doubled quote
            state = State::Quoted;
        } else if (ch == '"' && state == State::Start) {
            state = State::Quoted;
            quoteLine = line_;
        } else {
            if (ch == '"')
                flag(record, RecordProblem::StrayQuote);
            else if (state == State::AfterQuote)
                flag(record, RecordProblem::TextAfterQuote);
            append(record, ch);
            state = State::Unquoted;
        }
    }
}

} // namespace pumpvale::cases
