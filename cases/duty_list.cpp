#include "cases/duty_list.h"

#include "checks/currency.h"
#include "core/number_format.h"

#include <algorithm>

namespace pumpvale::cases {
namespace {

using Index = std::array<std::optional<std::size_t>, kColumns.size()>;

// clang-format off
struct InletCell { InletSize size; std::string_view text; std::string_view decimal; };
inline constexpr std::array<InletCell, 6> kInletCells{{
    {InletSize::Quarter,    "1/4",   "0.25"},
    {InletSize::Half,       "1/2",   "0.5"},
    {InletSize::One,        "1",     "1.0"},
    {InletSize::OneAndHalf, "1 1/2", "1.5"},
    {InletSize::Two,        "2",     "2.0"},
    {InletSize::Three,      "3",     "3.0"},
}};
// clang-format on

char lower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

// Blanks around a cell are not part of it.
std::string_view trimmed(std::string_view text) {
    const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string quoted(std::string_view text) {
    // Appended, not "\"" + ...: g++ 12 at -O3 warns of an overlap that cannot happen (-Wrestrict).
    std::string out(1, '"');
    out += shownInMessage(text);
    out += '"';
    return out;
}

// What to write instead of a cell that is not a number. A comma is not guessed at: "1,000" may be a
// thousand or one, so the rule is told instead.
std::string numberAdvice(std::string_view text) {
    if (text.find(',') != std::string_view::npos) {
        std::string withoutCommas(text);
        std::erase(withoutCommas, ',');
        if (numberLength(withoutCommas) == withoutCommas.size())
            return "A number in a duty list has a period as its decimal point and no thousands separator: "
                   "four and a half is 4.5, a thousand 1000.";
    }
    if (const std::size_t length = numberLength(text); length > 0 && length <= kShownCharacters)
        return "Write " + std::string(text.substr(0, length)) +
               " alone: a number fills its cell, and the row's units give its unit.";
    if (numberLength(text) > 0)
        return "Write the number alone: a number fills its cell, and the row's units give its unit.";
    return "Write a number with a period as the decimal point, such as 4.5.";
}

class RowRules {
public:
    RowRules(const std::vector<std::string>& cells, const Index& index, std::size_t row)
        : cells_(cells), index_(index), row_(row) {}

    // The cell of a column, blanks around it dropped; empty when the file has no such column.
    std::string_view cell(Column column) const {
        const auto& at = index_[static_cast<std::size_t>(column)];
        return at && *at < cells_.size() ? trimmed(cells_[*at]) : std::string_view{};
    }

    void refuse(Column column, std::string_view problem, std::string_view advice) {
        if (!refusal.empty())
            return;
        const std::size_t at = *index_[static_cast<std::size_t>(column)];
        const std::string rowText = std::to_string(row_);
        refusal = "Row " + rowText + ", column " +
                  std::string(kColumns[static_cast<std::size_t>(column)].name) + " (cell " +
                  columnLetters(at) + rowText + "): " + std::string(problem) + " " + std::string(advice);
    }

    std::string number(Column column) {
        const std::string_view text = cell(column);
        if (!text.empty() && numberLength(text) != text.size())
            refuse(column, quoted(text) + " is not a number.", numberAdvice(text));
        return std::string(text);
    }

    std::string refusal;

private:
    const std::vector<std::string>& cells_;
    const Index& index_;
    std::size_t row_;
};

std::string currencyNames() {
    std::string names;
    for (const Currency& currency : kCurrencies)
        names += (names.empty() ? "" : ", ") + std::string(currency.name);
    return names;
}

void readChoices(RowRules& rules, DutyPoint& point) {
    const std::string_view units = rules.cell(Column::Units);
    if (const auto system = unitSystemOfCell(units))
        point.units = *system;
    else // the window shows no entry before a unit system is chosen
        rules.refuse(Column::Units,
                     units.empty() ? "The cell is empty." : quoted(units) + " is not a unit system.",
                     "Write English or SI.");

    const std::string_view stages = rules.cell(Column::PcStages);
    if (stages == "1")
        point.stages = PumpStages::One;
    else if (stages == "2")
        point.stages = PumpStages::Two;
    else if (!stages.empty())
        rules.refuse(Column::PcStages, quoted(stages) + " is not a number of PC pump stages.",
                     "Write 1 or 2.");

    const std::string_view currency = rules.cell(Column::Currency);
    const auto found = std::find_if(kCurrencies.begin(), kCurrencies.end(),
                                    [&](const Currency& c) { return sameIgnoringCase(c.name, currency); });
    if (found != kCurrencies.end())
        point.currency = found->name;
    else if (!currency.empty())
        rules.refuse(Column::Currency,
                     quoted(currency) + " is not in the currency list:", currencyNames() + ".");

    const std::string_view inlet = rules.cell(Column::Inlet);
    for (const InletCell& size : kInletCells)
        if (inlet == size.text)
            point.inlet = size.size;
    if (!point.inlet && !inlet.empty()) {
        std::string advice = "Write one of 1/4, 1/2, 1, 1 1/2, 2 or 3 (inches).";
        for (const InletCell& size : kInletCells)
            if (inlet == size.decimal || (size.decimal.starts_with('0') && inlet == size.decimal.substr(1)))
                advice = "Write " + std::string(size.text) + ": inlet sizes are written as on the screen.";
        rules.refuse(Column::Inlet, quoted(inlet) + " is not an inlet size.", advice);
    }
}

} // namespace

std::optional<UnitSystem> unitSystemOfCell(std::string_view cell) {
    cell = trimmed(cell);
    if (sameIgnoringCase(cell, "English"))
        return UnitSystem::English;
    if (sameIgnoringCase(cell, "SI") || sameIgnoringCase(cell, "S.I."))
        return UnitSystem::SI;
    return std::nullopt;
}

std::string shownInMessage(std::string_view text) {
    std::size_t shown = std::min(text.size(), kShownCharacters);
    while (shown < text.size() && shown > 0 && (static_cast<unsigned char>(text[shown]) & 0xC0) == 0x80)
        --shown; // not within a character
    std::string out(text.substr(0, shown));
    if (shown < text.size())
        out += "\u2026"; // an ellipsis
    return out;
}

std::string_view inletCellText(InletSize size) {
    return kInletCells[static_cast<std::size_t>(size)].text;
}

std::string columnLetters(std::size_t zeroBased) {
    std::string letters;
    for (std::size_t n = zeroBased + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

RowReading readDutyPoint(const std::vector<std::string>& cells, const Index& index, std::size_t row) {
    RowRules rules(cells, index, row);
    DutyPoint point;
    readChoices(rules, point);
    point.pressure = rules.number(Column::Pressure);
    point.flow = rules.number(Column::Flow);
    point.airPressure = rules.number(Column::AirPressure);
    point.weeks = rules.number(Column::Weeks);
    point.days = rules.number(Column::Days);
    point.hours = rules.number(Column::Hours);
    point.price = rules.number(Column::Price);
    if (point.price.empty()) // as choosing the currency fills the entry in
        point.price = defaultPriceFor(point.currency).value_or("");
    if (std::string stages = rules.number(Column::CompressorStages); !stages.empty())
        point.compressorStages = std::move(stages);
    if (std::string efficiency = rules.number(Column::CompressorEfficiency); !efficiency.empty())
        point.compressorEfficiency = std::move(efficiency);
    if (!rules.refusal.empty())
        return {std::nullopt, std::move(rules.refusal)};
    return {std::move(point), {}};
}

} // namespace pumpvale::cases

namespace pumpvale::cases {

std::string& lifeCycleText(LifeCycleEntries& e, LifeCycleField field) {
    switch (field) {
        case LifeCycleField::PcPrice:
            return e.pcPrice;
        case LifeCycleField::AoddPrice:
            return e.aoddPrice;
        case LifeCycleField::PcMaintenance:
            return e.pcMaintenance;
        case LifeCycleField::AoddMaintenance:
            return e.aoddMaintenance;
        case LifeCycleField::Years:
            return e.years;
        case LifeCycleField::DiscountRate:
            return e.discountRatePct;
        case LifeCycleField::EnergyEscalation:
            return e.escalationPct;
        case LifeCycleField::EmissionFactor:
            break;
    }
    return e.emissionFactor;
}

} // namespace pumpvale::cases
