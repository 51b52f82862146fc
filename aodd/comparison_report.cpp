#include "aodd/comparison_report.h"

#include <string>

namespace pumpvale {

ReportSection inletComparisonSection(const OperatingCase& duty, std::optional<InletSize> selected) {
    return inletComparisonSection(duty, compareInletSizes(duty), selected);
}

ReportSection inletComparisonSection(const OperatingCase& duty, const InletComparison& rows,
                                     std::optional<InletSize> selected) {
    const bool si = duty.unitSystem == UnitSystem::SI;
    ReportSection section;
    section.key = "inlet-comparison";
    section.title = "Inlet sizes compared at this duty point";
    section.rows.push_back({"compressor-stages-costed", "Compressor stages used",
                            ReportValue::figure(duty.compressorStages), "",
                            "as entered; each inlet size below is worked out as if it were the one chosen"});
    section.rows.push_back({"compressor-efficiency-costed", "Compressor efficiency used",
                            ReportValue::figure(duty.compressorEfficiencyPct), "percent", "as entered"});
    section.table.key = kInletComparisonTableKey;
    section.table.title = "Each inlet size at this duty point";
    section.table.columns = {{"Inlet", ""},
                             {"Verdict", ""},
                             {"Air use", "SCFM"},
                             {"Air needed", si ? "Bar" : "psi"},
                             {"AODD cost a year", duty.currency},
                             {"Savings a year", duty.currency},
                             {"Remark", ""}};
    const ReportValue none = ReportValue::words("-");
    for (const InletComparisonRow& row : rows) {
        std::string inlet(inletSizeName(row.size));
        if (selected == row.size)
            inlet += " (selected)";
        std::vector<ReportValue> cells{ReportValue::words(inlet),
                                       ReportValue::words(std::string(verdictName(row.verdict))),
                                       none,
                                       none,
                                       none,
                                       none,
                                       ReportValue::words(std::string(briefReasonOf(row)))};
        if (row.demand) {
            cells[2] = ReportValue::figure(row.demand->airConsumptionScfm);
            cells[3] = ReportValue::figure(pressureInUnits(row.demand->requiredAirPsi, duty.unitSystem));
        }
        if (row.costs) {
            cells[4] = ReportValue::money(row.costs->aoddAnnualCost);
            cells[5] = ReportValue::money(row.costs->totalSavings);
        }
        section.table.rows.push_back(std::move(cells));
    }
    return section;
}

} // namespace pumpvale
