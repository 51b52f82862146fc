#include "cases/csv_writer.h"

#include "core/csv_cells.h"
#include "core/number_format.h"

#include <array>

namespace pumpvale::cases {
namespace {

bool blankText(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string entryNumber(std::string_view entry) {
    return blankText(entry) ? std::string() : exactNumber(parseLeadingNumber(entry));
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
        entryNumber(p.pressure),
        entryNumber(p.flow),
        entryNumber(p.airPressure),
        entryNumber(p.weeks),
        entryNumber(p.days),
        entryNumber(p.hours),
        p.currency,
        entryNumber(p.price),
        p.inlet ? std::string(inletCellText(*p.inlet)) : std::string(),
        entryNumber(p.compressorStages),
        entryNumber(p.compressorEfficiency),
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

} // namespace pumpvale::cases
