#include "cases/plant_list.h"

#include "checks/currency.h"

#include <algorithm>
#include <array>
#include <limits>

namespace pumpvale::cases {
namespace {

constexpr double kNoFigure = std::numeric_limits<double>::quiet_NaN();

double stored(const std::optional<double>& value) {
    return value ? *value : kNoFigure;
}

// Where each of a row's small choices sits in its packed field, and its value for none.
struct KindBits {
    unsigned shift, bits, none;
};
constexpr std::array<KindBits, 5> kKindBits{{{0, 2, 0}, {2, 2, 0}, {4, 3, 7}, {7, 3, 7}, {10, 4, 15}}};

void appendText(std::string& out, std::string_view text) {
    for (std::size_t n = text.size();; n >>= 7) {
        out += static_cast<char>((n & 0x7F) | (n > 0x7F ? 0x80 : 0));
        if (n <= 0x7F)
            break;
    }
    out.append(text);
}

// The length of the text at pos, moving pos past its length.
std::size_t readLength(std::string_view bytes, std::size_t& pos) {
    std::size_t length = 0;
    for (unsigned shift = 0; shift < 64 && pos < bytes.size(); shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[pos++]);
        length |= std::size_t(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0)
            break;
    }
    return length;
}

} // namespace

std::size_t PlantList::memoryBytes() const {
    std::size_t bytes = messages_.capacity() * sizeof(Message);
    for (const std::vector<Record>& block : records_)
        bytes += block.capacity() * sizeof(Record);
    for (const std::string& block : cells_)
        bytes += block.capacity();
    return bytes;
}

std::optional<double> PlantList::number(double value) {
    return value == value ? std::optional<double>(value) : std::nullopt; // NaN: none
}

unsigned PlantList::kind(std::size_t k, Kind which) const {
    const KindBits& at = kKindBits[static_cast<std::size_t>(which)];
    return (record(k).kinds >> at.shift) & ((1U << at.bits) - 1);
}

void PlantList::setKind(Record& r, Kind which, unsigned value) {
    const KindBits& at = kKindBits[static_cast<std::size_t>(which)];
    const unsigned mask = ((1U << at.bits) - 1) << at.shift;
    r.kinds = static_cast<std::uint16_t>((r.kinds & ~mask) | ((value << at.shift) & mask));
}

std::uint16_t PlantList::messageIndex(const Message& message) {
    // The window's messages are the program's own constants: a few dozen, found by their text.
    const auto found = std::find_if(messages_.begin(), messages_.end(), [&](const Message& known) {
        return known.text.data() == message.text.data() && known.title.data() == message.title.data();
    });
    if (found != messages_.end())
        return static_cast<std::uint16_t>(found - messages_.begin() + 1);
    if (messages_.size() + 1 >= kRefusal)
        return 0;
    messages_.push_back(message);
    return static_cast<std::uint16_t>(messages_.size());
}

void PlantList::push(Record r, std::string_view bytes) {
    if (cells_.empty() || (!cells_.back().empty() && cells_.back().size() + bytes.size() > kBlockBytes)) {
        if (!cells_.empty())
            cells_.back().shrink_to_fit(); // a block is full: its growth's slack is given back
        cells_.emplace_back();
    }
    r.cellsAt = (std::uint64_t(cells_.size() - 1) << 32) | cells_.back().size();
    cells_.back().append(bytes);
    cellBytes_ += bytes.size();
    if (size_ % kBlockRows == 0)
        records_.emplace_back();
    records_.back().push_back(r);
    ++size_;
}

void PlantList::append(const DutyRow& row, const PlantFigures& f, const Messages& messages) {
    const bool full = f.costs && f.status == RunStatus::Costed;
    Record r;
    r.row = row.row;
    r.aoddCost = full ? f.costs->aoddAnnualCost : kNoFigure;
    r.pcCost = f.costs ? f.costs->pcAnnualCost : kNoFigure;
    r.savings = full ? f.costs->totalSavings : kNoFigure;
    r.savedKwh = stored(f.savedKwh);
    r.co2AvoidedKg = stored(f.co2AvoidedKg);
    r.paybackYears = f.payback ? f.paybackYears : kNoFigure;
    setKind(r, Kind::Status, static_cast<unsigned>(f.status));
    setKind(r, Kind::Payback, f.payback ? static_cast<unsigned>(*f.payback) : kKindBits[3].none);
    const auto currency = std::find_if(kCurrencies.begin(), kCurrencies.end(),
                                       [&](const Currency& c) { return c.name == f.currency; });
    setKind(r, Kind::Currency,
            currency != kCurrencies.end() ? static_cast<unsigned>(currency - kCurrencies.begin())
                                          : kKindBits[4].none);
    setKind(r, Kind::Inlet, kKindBits[2].none);
    if (row.point) {
        setKind(r, Kind::Units, static_cast<unsigned>(row.point->units));
        if (row.point->inlet)
            setKind(r, Kind::Inlet, static_cast<unsigned>(*row.point->inlet));
        r.message = messages.empty() ? 0 : messageIndex(messages.front());
    } else {
        r.message = kRefusal;
    }
    r.cellCount = static_cast<std::uint16_t>(std::min<std::size_t>(row.cells.size(), kRefusal));
    scratch_.clear();
    for (std::size_t at = 0; at < r.cellCount; ++at)
        appendText(scratch_, row.cells[at]);
    if (r.message == kRefusal)
        appendText(scratch_, row.refusal);
    push(r, scratch_);
}

std::string_view PlantList::bytesOf(const Record& r) const {
    const std::string_view block = cells_[r.cellsAt >> 32];
    const std::size_t start = r.cellsAt & 0xFFFFFFFFU;
    std::size_t pos = start;
    const std::size_t texts = r.cellCount + (r.message == kRefusal ? 1U : 0U);
    for (std::size_t i = 0; i < texts; ++i)
        pos += readLength(block, pos);
    return block.substr(start, pos - start);
}

void PlantList::append(PlantList&& more) {
    if (empty()) { // the first chunk is taken whole
        *this = std::move(more);
        more = PlantList();
        return;
    }
    std::vector<std::uint16_t> renumbered(more.messages_.size() + 1, 0);
    for (std::size_t i = 0; i < more.messages_.size(); ++i)
        renumbered[i + 1] = messageIndex(more.messages_[i]);
    for (std::size_t k = 0; k < more.size(); ++k) {
        Record r = more.record(k);
        const std::string_view bytes = more.bytesOf(r);
        if (r.message != kRefusal)
            r.message = renumbered[r.message];
        push(r, bytes);
    }
    more = PlantList();
}

std::string_view PlantList::entry(const Record& r, std::size_t at) const {
    const std::string_view block = cells_[r.cellsAt >> 32];
    std::size_t pos = r.cellsAt & 0xFFFFFFFFU;
    for (std::size_t i = 0; i < at; ++i)
        pos += readLength(block, pos);
    const std::size_t length = readLength(block, pos);
    return block.substr(std::min(pos, block.size()), length);
}

std::string_view PlantList::cell(std::size_t k, std::size_t at) const {
    const Record& r = record(k);
    return at < r.cellCount ? entry(r, at) : std::string_view{};
}

std::string_view PlantList::message(std::size_t k) const {
    const Record& r = record(k);
    if (r.message == kRefusal)
        return entry(r, r.cellCount);
    return r.message == 0 ? std::string_view{} : messages_[r.message - 1].text;
}

std::string_view PlantList::currency(std::size_t k) const {
    const unsigned at = kind(k, Kind::Currency);
    return at < kCurrencies.size() ? kCurrencies[at].name : std::string_view{};
}

std::optional<InletSize> PlantList::inlet(std::size_t k) const {
    const unsigned at = kind(k, Kind::Inlet);
    return at < kInletSizes.size() ? std::optional(kInletSizes[at]) : std::nullopt;
}

std::optional<double> PlantList::figure(std::size_t k, Figure which) const {
    const Record& r = record(k);
    switch (which) {
        case Figure::AoddCost:
            return number(r.aoddCost);
        case Figure::PcCost:
            return number(r.pcCost);
        case Figure::Savings:
            return number(r.savings);
        case Figure::SavedKwh:
            return number(r.savedKwh);
        case Figure::Co2AvoidedKg:
            break;
    }
    return number(r.co2AvoidedKg);
}

PlantFigures PlantList::figures(std::size_t k) const {
    const Record& r = record(k);
    PlantFigures f;
    f.status = status(k);
    f.currency = currency(k);
    if (const auto pc = number(r.pcCost))
        f.costs = AnnualCosts{*pc, number(r.aoddCost).value_or(0), number(r.savings).value_or(0)};
    f.savedKwh = number(r.savedKwh);
    f.co2AvoidedKg = number(r.co2AvoidedKg);
    if (const unsigned payback = kind(k, Kind::Payback); payback != kKindBits[3].none) {
        f.payback = static_cast<PaybackOutcome>(payback);
        f.paybackYears = r.paybackYears;
    }
    return f;
}

DutyRow PlantList::dutyRow(std::size_t k, const DutyListReader& reader) const {
    const Record& r = record(k);
    DutyRow row;
    row.row = r.row;
    for (std::size_t at = 0; at < r.cellCount; ++at)
        row.cells.emplace_back(entry(r, at));
    if (r.message == kRefusal) {
        row.refusal = entry(r, r.cellCount);
        return row;
    }
    RowReading reading = readDutyPoint(row.cells, reader.columnIndex(), row.row);
    row.point = std::move(reading.point);
    row.refusal = std::move(reading.refusal);
    return row;
}

bool shows(StatusFilter filter, RunStatus status) {
    switch (filter) {
        case StatusFilter::Costed:
            return status == RunStatus::Costed;
        case StatusFilter::PcOnly:
            return status == RunStatus::PcOnly;
        case StatusFilter::Refused:
            return status == RunStatus::Refused;
        case StatusFilter::All:
            break;
    }
    return true;
}

std::vector<std::uint32_t> shownRows(const PlantList& list, StatusFilter filter, std::size_t from) {
    std::vector<std::uint32_t> out;
    out.reserve(filter == StatusFilter::All && from < list.size() ? list.size() - from : 0);
    for (std::size_t k = from; k < list.size(); ++k)
        if (shows(filter, list.status(k)))
            out.push_back(static_cast<std::uint32_t>(k));
    return out;
}

std::vector<CurrencyTotals> totalsOf(const PlantList& list, StatusFilter filter) {
    PlantTotals totals;
    for (std::size_t k = 0; k < list.size(); ++k)
        if (shows(filter, list.status(k)))
            totals.add(list.figures(k));
    return totals.byCurrency();
}

std::vector<std::uint32_t> largestSavings(const PlantList& list, const std::vector<std::uint32_t>& shown,
                                          std::size_t count) {
    std::vector<std::pair<double, std::uint32_t>> costed;
    for (const std::uint32_t k : shown)
        if (list.status(k) == RunStatus::Costed)
            if (const auto costs = list.figures(k).costs)
                costed.emplace_back(-costs->totalSavings, k);
    const std::size_t kept = std::min(count, costed.size());
    std::partial_sort(costed.begin(), costed.begin() + static_cast<std::ptrdiff_t>(kept), costed.end());
    std::vector<std::uint32_t> out;
    for (std::size_t i = 0; i < kept; ++i)
        out.push_back(costed[i].second);
    return out;
}

ListColumns listColumns(const DutyListReader& reader) {
    // The reader's one header rule says which columns a case carries: it is given a row whose cells
    // name their own positions.
    constexpr char kMark = '\x1f';
    DutyRow probe;
    for (std::size_t at = 0; at < reader.header().size(); ++at)
        probe.cells.push_back(kMark + std::to_string(at));
    Case marked = reader.caseOf(probe);
    ListColumns out;
    for (const auto& [name, cell] : marked.carried)
        out.carried.emplace_back(name, std::stoul(cell.substr(1)));
    for (const LifeCycleColumn& column : kLifeCycleColumns)
        out.lifeCycle = out.lifeCycle || lifeCycleText(marked.lifeCycle, column.field).starts_with(kMark);
    return out;
}

PlantReading readPlantList(DutyListReader& reader, const std::function<bool(PlantList&&)>& handOn,
                           std::size_t chunkRows) {
    PlantReading out;
    PlantList chunk;
    std::size_t bytes = 0;
    const auto hand = [&] {
        bytes += chunk.cellBytes();
        const bool more = handOn(std::move(chunk));
        chunk = PlantList();
        return more;
    };
    const bool lifeCycle = listColumns(reader).lifeCycle;
    DutyRow row;
    while (reader.next(row)) {
        if (out.rows >= kMostPlantRows || bytes + chunk.cellBytes() >= kMostPlantBytes) {
            out.tooLarge = true; // a row more than the list takes
            break;
        }
        if (row.point) {
            // The Savings Over Time entries are the only part of the case besides the point that a
            // row's figures take.
            const Case c = lifeCycle ? reader.caseOf(row) : Case{*row.point, {}, {}};
            const WindowRun run = runAsTheWindow(*row.point);
            chunk.append(row, plantFigures(run, c), run.messages);
        } else {
            chunk.append(row, refusedRow(), {});
        }
        ++out.rows;
        if (chunk.size() >= chunkRows && !hand()) {
            out.stopped = true;
            return out;
        }
    }
    out.error = reader.error();
    if (!chunk.empty() && !hand())
        out.stopped = true;
    return out;
}

} // namespace pumpvale::cases
