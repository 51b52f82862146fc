#include "core/report_layout.h"

#include "core/csv_cells.h"
#include "core/life_cycle_report.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace pumpvale {
namespace {

const std::vector<LayoutColumn> kWorkingColumns{
    {"Quantity", ""}, {"Value", ""}, {"Unit", ""}, {"How it is found", ""}};

class Layouter {
public:
    explicit Layouter(const Separators& separators) : separators_(separators) {}

    // Words made with a period (a constant in a formula, a range in a reason) in the page's separator.
    std::string words(const std::string& text) const {
        return withDecimalSeparator(text, separators_.decimal);
    }

    // Words keep their quantity only when asked (a working row's entry): the CSV carries them.
    LayoutCell cell(const ReportValue& value, std::string quantity, std::string unit,
                    bool named = false) const {
        // A dash stands for a figure that does not exist, and stands where the figures do.
        if (value.kind == ReportValue::Kind::Text) {
            const bool dash = value.text == "-";
            return {words(value.text),
                    dash,
                    std::nullopt,
                    named && !dash ? std::move(quantity) : std::string(),
                    {}};
        }
        // A figure that is not finite is shown as a dash and left out of the figures.
        const std::optional<double> number =
            std::isfinite(value.number) ? std::optional<double>(value.number) : std::nullopt;
        return {formatValue(value, separators_), true, number, number ? std::move(quantity) : std::string(),
                std::move(unit)};
    }

    LayoutTable working(const ReportSection& section) const {
        LayoutTable table{section.key, section.title, kWorkingColumns, {}, {}};
        for (const ReportRow& row : section.rows) {
            table.rowKeys.push_back(row.key);
            table.rows.push_back({LayoutCell{row.name, false, std::nullopt, {}, {}},
                                  cell(row.value, row.name, row.unit, true),
                                  LayoutCell{row.unit, false, std::nullopt, {}, {}},
                                  LayoutCell{words(row.formula), false, std::nullopt, {}, {}}});
        }
        return table;
    }

    // A row's figures are named by the row's first cell and their column: "1 inch: Air use".
    LayoutTable own(const ReportTable& source) const {
        LayoutTable table{source.key, source.title, {}, {}, {}};
        for (const ReportColumn& column : source.columns)
            table.columns.push_back({column.name, column.unit});
        for (const auto& values : source.rows) {
            std::vector<LayoutCell> cells;
            const std::string first =
                values.empty() ? std::string() : formatValue(values.front(), separators_);
            for (std::size_t i = 0; i < values.size(); ++i) {
                const ReportColumn column = i < source.columns.size() ? source.columns[i] : ReportColumn{};
                cells.push_back(cell(values[i], first + ": " + column.name, column.unit));
            }
            table.rowKeys.emplace_back();
            table.rows.push_back(std::move(cells));
        }
        return table;
    }

private:
    const Separators& separators_;
};

std::string dutyPointOf(const CalculationReport& report, const Separators& separators) {
    std::string out;
    for (const char* key : {"fluid-pressure-entered", "fluid-pressure", "flow-entered", "flow"}) {
        const ReportRow* row = report.find(key);
        // In S.I. units, the entries as typed; the stored English figures follow in the working.
        if (row == nullptr || (std::string_view(key).find("-entered") == std::string_view::npos &&
                               report.find(std::string(key) + "-entered") != nullptr))
            continue;
        out += (out.empty() ? "" : ", ") + formatValue(row->value, separators) + " " + row->unit;
    }
    return out;
}

// The working rows the summary repeats, in its order; those the report lacks are left out.
constexpr std::string_view kSummaryKeys[] = {"inlet-size",
                                             "aodd-annual-cost",
                                             "pc-annual-cost",
                                             "total-savings",
                                             life_cycle_keys::kSimplePayback,
                                             life_cycle_keys::kCo2Avoided,
                                             life_cycle_keys::kPcCo2};

// Which pump costs less in electricity, or why only the PC pump was costed.
std::string verdictOf(const CalculationReport& report, const Separators& separators) {
    const ReportRow* pc = report.find("pc-annual-cost");
    if (pc == nullptr)
        return {};
    if (report.pcCostOnly) {
        const ReportRow* why = report.find("pc-only-reason");
        return "Only the durvane PC pump was costed" +
               (why != nullptr ? ". " + withDecimalSeparator(why->value.text, separators.decimal)
                               : std::string("."));
    }
    const ReportRow* savings = report.find("total-savings");
    if (savings == nullptr || !std::isfinite(savings->value.number))
        return {};
    const double saved = savings->value.number;
    if (saved == 0)
        return "The durvane PC pump and the AODD pump cost the same in electricity a year.";
    const std::string amount = formatMoney(std::fabs(saved), separators) + " " + savings->unit;
    return saved > 0
               ? "The durvane PC pump costs " + amount + " a year less in electricity than the AODD pump."
               : "The AODD pump costs " + amount + " a year less in electricity than the durvane PC pump.";
}

LayoutTable summaryOf(const ReportLayout& layout, const CalculationReport& report) {
    LayoutTable summary{"summary", "Summary", {}, {}, {}};
    if (report.find("pc-annual-cost") == nullptr)
        return summary;
    summary.columns.assign(kWorkingColumns.begin(), kWorkingColumns.begin() + 3);
    for (const std::string_view key : kSummaryKeys) {
        // The PC pump's CO2 stands in for the CO2 avoided only where nothing is compared.
        if (key == life_cycle_keys::kPcCo2 && !report.pcCostOnly)
            continue;
        if (const std::vector<LayoutCell>* cells = layout.row(key); cells != nullptr && cells->size() >= 3) {
            summary.rowKeys.emplace_back(key);
            summary.rows.emplace_back(cells->begin(), cells->begin() + 3);
        }
    }
    return summary;
}

std::string csvRow(const std::string& section, const LayoutCell& c) {
    return csvCell(section) + "," + csvCell(c.quantity) + "," +
           (c.value ? exactNumber(*c.value) : csvCell(c.text)) + "," + csvCell(c.unit) + "\r\n";
}

} // namespace

std::string LayoutColumn::header(std::string_view between) const {
    return unit.empty() ? name : name + std::string(between) + "(" + unit + ")";
}

const LayoutTable* ReportLayout::table(std::string_view key) const {
    for (const LayoutTable& t : tables)
        if (t.key == key)
            return &t;
    return nullptr;
}

const std::vector<LayoutCell>* ReportLayout::row(std::string_view key) const {
    for (const LayoutTable& t : tables)
        for (std::size_t i = 0; i < t.rowKeys.size() && i < t.rows.size(); ++i)
            if (t.rowKeys[i] == key)
                return &t.rows[i];
    return nullptr;
}

ReportLayout layoutReport(const CalculationReport& report, const Separators& separators) {
    const Layouter layouter(separators);
    ReportLayout layout;
    layout.title = report.title;
    layout.identity = report.identity;
    layout.dutyPoint = dutyPointOf(report, separators);
    for (const ReportSection& section : report.sections) {
        if (!section.rows.empty() || section.table.empty())
            layout.tables.push_back(layouter.working(section));
        if (!section.table.empty())
            layout.tables.push_back(layouter.own(section.table));
    }
    layout.summary = summaryOf(layout, report);
    layout.verdict = verdictOf(report, separators);
    layout.notesHeading = "Assumptions";
    for (const std::string& assumption : report.assumptions)
        layout.notes.push_back(layouter.words(assumption));
    return layout;
}

LayoutTable layoutTable(const ReportTable& table, const Separators& separators) {
    return Layouter(separators).own(table);
}

bool isSentenceRow(const LayoutTable& table, std::size_t row) {
    if (row >= table.rows.size() || row >= table.rowKeys.size() || table.rowKeys[row].empty())
        return false;
    const auto& cells = table.rows[row];
    constexpr std::size_t kWords = 5; // "The 3-inch pump needs more air..."; never "1 1/2 inch"
    return cells.size() == kWorkingColumns.size() && !cells[1].number && cells[2].text.empty() &&
           cells[3].text.empty() &&
           std::size_t(std::count(cells[1].text.begin(), cells[1].text.end(), ' ')) + 1 >= kWords;
}

std::string identityText(const IdentityLine& line) {
    return line.name.empty() ? line.text : line.name + ": " + line.text;
}

std::string reportCsv(const ReportLayout& layout) {
    std::string out = "Section,Quantity,Value,Unit\r\n";
    for (const IdentityLine& line : layout.identity)
        out += "Case," + csvCell(line.name) + "," + csvCell(line.text) + ",\r\n";
    if (!layout.verdict.empty())
        out += "Summary,Verdict," + csvCell(layout.verdict) + ",\r\n";
    std::vector<const LayoutTable*> tables{&layout.summary};
    for (const LayoutTable& table : layout.tables)
        tables.push_back(&table);
    for (const LayoutTable* table : tables)
        for (const auto& row : table->rows)
            for (const LayoutCell& c : row)
                if (c.value || !c.quantity.empty())
                    out += csvRow(table->heading, c);
    return out;
}

} // namespace pumpvale
