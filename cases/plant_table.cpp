#include "cases/plant_table.h"

#include "cases/csv_reader.h"
#include "cases/csv_writer.h"
#include "core/cost.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace pumpvale::cases {
namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{}
                                           : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

struct Unit {
    std::string_view pressure, flow;
};
Unit unitsOf(UnitSystem units) {
    return units == UnitSystem::SI ? Unit{"Bar", "l/min"} : Unit{"psi", "US GPM"};
}

// Payback at once is no wait at all; never comes after any number of years.
std::optional<double> paybackKey(const PlantFigures& f) {
    if (!f.payback)
        return std::nullopt;
    switch (*f.payback) {
        case PaybackOutcome::AtOnce:
            return 0.0;
        case PaybackOutcome::Never:
            return std::numeric_limits<double>::infinity();
        case PaybackOutcome::InYears:
            break;
    }
    return f.paybackYears;
}

std::string paybackText(const PlantFigures& f, const Separators* s) {
    if (!f.payback)
        return {};
    switch (*f.payback) {
        case PaybackOutcome::AtOnce:
            return s != nullptr ? "at once" : "0";
        case PaybackOutcome::Never:
            return "never";
        case PaybackOutcome::InYears:
            break;
    }
    return s != nullptr ? formatYears(f.paybackYears, *s) : exactNumber(f.paybackYears);
}

} // namespace

std::string_view statusWords(RunStatus status) {
    switch (status) {
        case RunStatus::Costed:
            return "Costed";
        case RunStatus::PcOnly:
            return "PC pump only";
        case RunStatus::Refused:
            break;
    }
    return "Refused";
}

PlantTable::PlantTable(const DutyListReader& reader) : index_(reader.columnIndex()) {
    const ListColumns own = listColumns(reader);
    hasLifeCycle_ = own.lifeCycle;
    using F = PlantField;
    columns_.push_back({F::Row, "Row", "", "row", 0, true});
    for (const auto& [name, at] : own.carried)
        columns_.push_back({F::Carried, name, "", name, at, false});
    // clang-format off
    const std::vector<PlantColumn> point{
        {F::Units,       "Units",               "",        "units",            0, false},
        {F::Point,   "Duty point",          "",        "duty_point",       0, false},
        {F::Inlet,       "Inlet",               "",        "inlet",            0, false},
        {F::Status,      "Status",              "",        "status",           0, false},
        {F::Currency,    "Currency",            "",        "currency",         0, false},
        {F::AoddCost,    "AODD annual cost",    "",        "aodd_annual_cost", 0, true},
        {F::PcCost,      "durvane annual cost", "",        "pc_annual_cost",   0, true},
        {F::Savings,     "Total savings",       "",        "total_savings",    0, true},
        {F::EnergySaved, "Energy saved a year", "kWh",     "energy_saved_kwh", 0, true},
    };
    // clang-format on
    columns_.insert(columns_.end(), point.begin(), point.end());
    if (hasLifeCycle_) {
        columns_.push_back({F::Payback, "Simple payback", "years", "payback_years", 0, true});
        columns_.push_back({F::Co2Avoided, "CO2 avoided a year", "kg CO2e", "co2_avoided_kg", 0, true});
    }
    // Last: a sentence or two, read whole in its tooltip, after the figures.
    columns_.push_back({F::Message, "First message", "", "first_message", 0, false});
}

std::size_t PlantTable::savingsColumn() const {
    const auto found = std::find_if(columns_.begin(), columns_.end(),
                                    [](const PlantColumn& c) { return c.field == PlantField::Savings; });
    return static_cast<std::size_t>(found - columns_.begin());
}

std::string_view PlantTable::textKey(const PlantList& list, std::size_t k, const PlantColumn& c) const {
    const auto cellOf = [&](Column column) {
        const auto& at = index_[static_cast<std::size_t>(column)];
        return at ? trimmed(list.cell(k, *at)) : std::string_view{};
    };
    switch (c.field) {
        case PlantField::Carried:
            return trimmed(list.cell(k, c.at));
        case PlantField::Units:
            return cellOf(Column::Units);
        case PlantField::Message:
            return list.message(k);
        case PlantField::Currency:
            return list.currency(k);
        default:
            break;
    }
    return {};
}

std::optional<double> PlantTable::numberKey(const PlantList& list, std::size_t k,
                                            const PlantColumn& c) const {
    using Figure = PlantList::Figure;
    switch (c.field) {
        case PlantField::Row:
            return static_cast<double>(list.rowNumber(k));
        case PlantField::Point:
            return entered(list, k, Column::Pressure);
        case PlantField::Inlet:
            if (const auto inlet = list.inlet(k))
                return static_cast<double>(*inlet);
            return std::nullopt;
        case PlantField::Status:
            return static_cast<double>(list.status(k));
        case PlantField::AoddCost:
            return list.figure(k, Figure::AoddCost);
        case PlantField::PcCost:
            return list.figure(k, Figure::PcCost);
        case PlantField::Savings:
            return list.figure(k, Figure::Savings);
        case PlantField::EnergySaved:
            return list.figure(k, Figure::SavedKwh);
        case PlantField::Co2Avoided:
            return list.figure(k, Figure::Co2AvoidedKg);
        case PlantField::Payback:
            return paybackKey(list.figures(k));
        default:
            break;
    }
    return std::nullopt;
}

// "60 psi, 10 US GPM" as the report heads a case; the cells as written where the row has no units.
std::string PlantTable::dutyPointText(const PlantList& list, std::size_t k) const {
    const UnitSystem units = list.units(k);
    const Unit unit = unitsOf(units);
    std::string out;
    for (const auto& [column, name] :
         {std::pair{Column::Pressure, unit.pressure}, {Column::Flow, unit.flow}}) {
        const auto& at = index_[static_cast<std::size_t>(column)];
        const std::string_view cell = at ? trimmed(list.cell(k, *at)) : std::string_view{};
        if (cell.empty())
            continue;
        if (!out.empty())
            out += units != UnitSystem::None ? ", " : "; ";
        out += cell;
        if (units != UnitSystem::None) {
            out += ' ';
            out += name;
        }
    }
    return out;
}

std::string PlantTable::text(const PlantList& list, std::size_t k, std::size_t column,
                             const Separators& s) const {
    const PlantColumn& c = columns_[column];
    const PlantFigures f = list.figures(k);
    switch (c.field) {
        case PlantField::Row:
            return std::to_string(list.rowNumber(k));
        case PlantField::Units:
            if (list.units(k) != UnitSystem::None)
                return list.units(k) == UnitSystem::SI ? "SI" : "English";
            return std::string(textKey(list, k, c));
        case PlantField::Point:
            return dutyPointText(list, k);
        case PlantField::Inlet:
            if (const auto inlet = list.inlet(k))
                return std::string(inletSizeName(*inlet));
            return {};
        case PlantField::Status:
            return std::string(statusWords(f.status));
        case PlantField::AoddCost:
        case PlantField::PcCost:
        case PlantField::Savings:
            if (const auto value = numberKey(list, k, c))
                return formatMoney(*value, s);
            return {};
        case PlantField::EnergySaved:
        case PlantField::Co2Avoided:
            if (const auto value = numberKey(list, k, c))
                return formatQuantity(*value, s);
            return {};
        case PlantField::Payback:
            return paybackText(f, &s);
        default:
            break;
    }
    return std::string(textKey(list, k, c));
}

std::string PlantTable::csvCell(const PlantList& list, std::size_t k, std::size_t column) const {
    const PlantColumn& c = columns_[column];
    switch (c.field) {
        case PlantField::Status:
            return std::string(statusId(list.status(k)));
        case PlantField::Payback:
            return paybackText(list.figures(k), nullptr);
        case PlantField::AoddCost:
        case PlantField::PcCost:
        case PlantField::Savings:
        case PlantField::EnergySaved:
        case PlantField::Co2Avoided: {
            const auto value = numberKey(list, k, c);
            return value ? exactNumber(*value) : std::string();
        }
        default:
            break;
    }
    const std::string shown = text(list, k, column, Separators{".", ""});
    return isValidUtf8(shown) && shown.find('\0') == std::string::npos ? shown : asValidUtf8(shown);
}

// A duty point's entry as the window reads it, in psi or US GPM; none for a row without units.
std::optional<double> PlantTable::entered(const PlantList& list, std::size_t k, Column column) const {
    const auto& at = index_[static_cast<std::size_t>(column)];
    if (!at || list.units(k) == UnitSystem::None)
        return std::nullopt;
    const std::string_view cell = trimmed(list.cell(k, *at));
    return column == Column::Flow ? toStoredFlow(cell, list.units(k)) : toStoredPressure(cell, list.units(k));
}

bool PlantTable::textual(const PlantColumn& c) {
    return c.field == PlantField::Carried || c.field == PlantField::Units || c.field == PlantField::Message ||
           c.field == PlantField::Currency;
}

// The figures a row sorts by: a duty point's pressure, then its flow; none sorts last.
std::optional<std::pair<double, double>> PlantTable::figureKey(const PlantList& list, std::size_t k,
                                                               const PlantColumn& c) const {
    const auto first = numberKey(list, k, c);
    if (!first || std::isnan(*first))
        return std::nullopt;
    const double second = c.field == PlantField::Point ? entered(list, k, Column::Flow).value_or(0) : 0.0;
    return std::pair(*first, std::isnan(second) ? 0.0 : second);
}

int PlantTable::compare(const PlantList& list, std::uint32_t a, std::uint32_t b, const PlantColumn& c) const {
    if (!textual(c)) {
        const auto x = figureKey(list, a, c);
        const auto y = figureKey(list, b, c);
        if (x.has_value() != y.has_value())
            return x ? -2 : 2; // a figure before none, in either direction
        return !x || *x == *y ? 0 : *x < *y ? -1 : 1;
    }
    const std::string_view x = textKey(list, a, c);
    const std::string_view y = textKey(list, b, c);
    if (x.empty() != y.empty())
        return x.empty() ? 2 : -2; // an empty cell last, in either direction
    const int order = naturalCompare(x, y);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

bool PlantTable::before(const PlantList& list, std::uint32_t a, std::uint32_t b, std::size_t column,
                        bool descending) const {
    const int order = compare(list, a, b, columns_[column]);
    if (order == 2 || order == -2)
        return order < 0;
    if (order != 0)
        return descending ? order > 0 : order < 0;
    return a < b;
}

// The order before() gives, but each row's key made once: figures compared as plain numbers, texts as
// their natural keys, so that a million rows sort in well under a second. The rows without a figure or
// with an empty cell follow, in the file's order.
void PlantTable::sort(std::vector<std::uint32_t>& order, const PlantList& list, std::size_t column,
                      bool descending) const {
    const PlantColumn& c = columns_[column];
    std::vector<std::uint32_t> none;
    const std::size_t placed = textual(c) ? sortByText(order, list, c, descending, none)
                                          : sortByFigures(order, list, c, descending, none);
    std::sort(none.begin(), none.end());
    std::copy(none.begin(), none.end(), order.begin() + static_cast<std::ptrdiff_t>(placed));
}

std::size_t PlantTable::sortByFigures(std::vector<std::uint32_t>& order, const PlantList& list,
                                      const PlantColumn& c, bool descending,
                                      std::vector<std::uint32_t>& none) const {
    std::vector<std::pair<std::pair<double, double>, std::uint32_t>> keyed;
    keyed.reserve(order.size());
    for (const std::uint32_t k : order) {
        if (const auto key = figureKey(list, k, c))
            keyed.emplace_back(descending ? std::pair(-key->first, -key->second) : *key, k);
        else
            none.push_back(k);
    }
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < keyed.size(); ++i)
        order[i] = keyed[i].second;
    return keyed.size();
}

// Each key is compared by its first sixteen bytes, held beside the row, before the whole of it.
std::size_t PlantTable::sortByText(std::vector<std::uint32_t>& order, const PlantList& list,
                                   const PlantColumn& c, bool descending,
                                   std::vector<std::uint32_t>& none) const {
    struct Keyed {
        std::uint64_t high, low; // the key's first sixteen bytes
        std::size_t at, size;    // the whole key in keys
        std::uint32_t row;
    };
    std::string keys;
    std::vector<Keyed> keyed;
    keyed.reserve(order.size());
    for (const std::uint32_t k : order) {
        const std::string_view text = textKey(list, k, c);
        if (text.empty()) {
            none.push_back(k);
            continue;
        }
        const std::size_t at = keys.size();
        appendNaturalKey(keys, text);
        std::array<unsigned char, 16> prefix{};
        std::copy_n(keys.begin() + static_cast<std::ptrdiff_t>(at),
                    std::min<std::size_t>(16, keys.size() - at), prefix.begin());
        Keyed entry{0, 0, at, keys.size() - at, k};
        for (std::size_t i = 0; i < 8; ++i) {
            entry.high = entry.high << 8 | prefix[i];
            entry.low = entry.low << 8 | prefix[8 + i];
        }
        keyed.push_back(entry);
    }
    const std::string_view all = keys;
    const auto ascending = [&](const Keyed& x, const Keyed& y) {
        if (x.high != y.high || x.low != y.low)
            return x.high != y.high ? x.high < y.high : x.low < y.low;
        return all.substr(x.at, x.size) < all.substr(y.at, y.size);
    };
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& x, const Keyed& y) {
        if (ascending(x, y))
            return !descending;
        if (ascending(y, x))
            return descending;
        return x.row < y.row;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        order[i] = keyed[i].row;
    return keyed.size();
}

} // namespace pumpvale::cases
