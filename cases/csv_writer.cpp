#include "cases/csv_writer.h"

#include "core/csv_cells.h"
#include "core/number_format.h"

#include <array>
#include <cmath>

namespace pumpvale::cases {
namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// An entry as a cell that a duty list reads back as the same entry: the text itself when it is a number
// filling the cell ("1e999" and "100" stay, refused as they are on the screen); otherwise the number
// the window reads in it ("60 psi" is 60, "abc" 0). An empty entry stays empty, but where an empty
// cell stands for a preset (the price, the compressor entries) it is the 0 the window reads in it.
std::string entryCell(std::string_view entry, bool emptyMeansPreset = false) {
    const std::string_view text = trimmed(entry);
    if (text.empty())
        return emptyMeansPreset ? "0" : "";
    if (numberLength(text) == text.size())
        return std::string(text);
    const double value = parseLeadingNumber(entry);
    if (std::isinf(value))
        return value > 0 ? "1e999" : "-1e999";
    return exactNumber(value);
}

std::string_view unitsCell(UnitSystem units) {
    return units == UnitSystem::English ? "English" : units == UnitSystem::SI ? "SI" : "";
}

std::string_view stagesCell(PumpStages stages) {
    return stages == PumpStages::One ? "1" : stages == PumpStages::Two ? "2" : "";
}

} // namespace

std::string oneRowDutyList(const DutyPoint& p, const CarriedCells& carried) {
    const std::array<std::string, kColumns.size()> cells{
        std::string(unitsCell(p.units)),
        std::string(stagesCell(p.stages)),
        entryCell(p.pressure),
        entryCell(p.flow),
        entryCell(p.airPressure),
        entryCell(p.weeks),
        entryCell(p.days),
        entryCell(p.hours),
        p.currency,
        entryCell(p.price, true),
        p.inlet ? std::string(inletCellText(*p.inlet)) : std::string(),
        entryCell(p.compressorStages, true),
        entryCell(p.compressorEfficiency, true),
    };
    std::string header, row;
    for (std::size_t k = 0; k < kColumns.size(); ++k) {
        if (k > 0) {
            header += ',';
            row += ',';
        }
        header += kColumns[k].name;
        appendCsvCell(row, cells[k]);
    }
    for (const auto& [name, cell] : carried) {
        header += ',';
        appendCsvCell(header, name);
        row += ',';
        appendCsvCell(row, cell);
    }
    return header + '\n' + row + '\n';
}

std::string savedCase(const Case& c) {
    CarriedCells columns;
    LifeCycleEntries lifeCycle = c.lifeCycle;
    for (const LifeCycleColumn& column : kLifeCycleColumns)
        columns.emplace_back(column.name, lifeCycleText(lifeCycle, column.field));
    columns.insert(columns.end(), c.carried.begin(), c.carried.end());
    return oneRowDutyList(c.entries, columns);
}

} // namespace pumpvale::cases
