#include "cases/csv_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace pumpvale::cases {
namespace {

using Traits = std::char_traits<char>;

// What the reader takes from its source at a time.
constexpr std::size_t kChunkBytes = 65536;

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
    : source_(source), buffer_(kChunkBytes), delimiter_(delimiter), line_(firstLine) {
}

// Takes what the source has read ahead in one go (at least one byte, at most a chunk), so that the
// bytes are then looked at in place rather than one call at a time.
bool CsvReader::refill() {
    next_ = end_ = 0;
    if (source_.sgetc() == Traits::eof())
        return false;
    const std::streamsize ahead = std::max<std::streamsize>(source_.in_avail(), 1);
    const auto want = std::min(ahead, static_cast<std::streamsize>(buffer_.size()));
    end_ = static_cast<std::size_t>(std::max<std::streamsize>(source_.sgetn(buffer_.data(), want), 0));
    return end_ > 0;
}

int CsvReader::peek() {
    if (next_ == end_ && !refill())
        return Traits::eof();
    return Traits::to_int_type(buffer_[next_]);
}

int CsvReader::take() {
    const int c = peek();
    if (c != Traits::eof())
        ++next_;
    return c;
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

namespace {

// The first of the bytes a, b and c in [at, end), or end; eight bytes at a time, as memchr looks for one.
const char* findAny(const char* at, const char* end, char a, char b, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101U;
    constexpr std::uint64_t kHighs = 0x8080808080808080U;
    const auto holds = [](std::uint64_t word, char byte) {
        const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(byte));
        return ((x - kOnes) & ~x & kHighs) != 0;
    };
    for (; end - at >= 8; at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, at, sizeof word);
        if (holds(word, a) || holds(word, b) || holds(word, c))
            break;
    }
    while (at != end && *at != a && *at != b && *at != c)
        ++at;
    return at;
}

} // namespace

// In a record already refused and cut nothing is kept: only where it ends still matters. The bytes are
// passed over in place, up to a line break that may end the record (or a CR that ends the chunk, whose
// LF may follow in the next), following quotes so that a line break in a quoted cell is no end.
void CsvReader::passOver(State& state, std::size_t& quoteLine) {
    while (next_ < end_ || refill()) {
        const char* const first = buffer_.data();
        const char* at = first + next_;
        const char* const end = first + end_;
        for (; at != end; ++at) {
            // Within a cell only a quote, a line break and (outside quotes) the delimiter change anything.
            if (state == State::Quoted || state == State::Unquoted) {
                at = findAny(at, end, state == State::Quoted ? '"' : delimiter_, '\n', '\r');
                if (at == end)
                    break;
            }
            const char ch = *at;
            if (state == State::Quoted) {
                if (ch == '"')
                    state = State::AfterQuote;
                else if (ch == '\n' || (ch == '\r' && at + 1 != end && at[1] != '\n'))
                    ++line_;
                else if (ch == '\r' && at + 1 == end)
                    break; // whether it ends a line depends on the next chunk's first byte
            } else if (ch == '\n' || ch == '\r') {
                break;
            } else if (ch == delimiter_) {
                state = State::Start;
            } else if (ch == '"' && state == State::Start) {
                state = State::Quoted;
                quoteLine = line_;
            } else if (ch == '"' && state == State::AfterQuote) {
                state = State::Quoted; // a doubled quote
            } else {
                state = State::Unquoted;
            }
        }
        next_ = static_cast<std::size_t>(at - first);
        if (at != end)
            return;
    }
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

    State state = State::Start;
    std::size_t quoteLine = line_;
    int c = take();
    if (c == Traits::eof())
        return false;
    for (;; c = take()) {
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
            if (ch == '\n' || (ch == '\r' && peek() != '\n'))
                ++line_;
            append(record, ch);
        } else if (ch == delimiter_) {
            endCell(record);
            state = State::Start;
        } else if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && peek() == '\n')
                ++next_;
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
        if (recordBytes_ > kMaxRecordBytes)
            passOver(state, quoteLine);
    }
}

} // namespace pumpvale::cases
