#include "aodd/comparison_report.h"

#include <string>

namespace pumpvale {

ReportSection inletComparisonSection(const OperatingCase& duty, std::optional<InletSize> selected) {
    const bool si = duty.unitSystem == UnitSystem::SI;
    ReportSection section;
    section.title = "Inlet sizes compared at this duty point";
    section.rows.push_back(
        {"Compressor stages costed", ReportValue::figure(duty.compressorStages), "",
         "each size put through the inlet step and the cost calculation as if it were chosen"});
    section.rows.push_back(
        {"Compressor efficiency costed", ReportValue::figure(duty.compressorEfficiencyPct), "percent", ""});
    section.table.columns = {"Inlet",
                             "Verdict",
                             "Air use (SCFM)",
                             si ? "Air needed (Bar)" : "Air needed (psi)",
                             "AODD cost a year",
                             "Savings a year",
                             "Remark"};
    const ReportValue none = ReportValue::words("-");
    for (const InletComparisonRow& row : compareInletSizes(duty)) {
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
