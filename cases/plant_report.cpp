#include "cases/plant_report.h"

#include "cases/csv_writer.h"
#include "core/cost.h"
#include "core/csv_cells.h"

#include <algorithm>

namespace pumpvale::cases {
namespace {

constexpr std::size_t kLargest = 10;

LayoutCell words(std::string text) {
    return {std::move(text), false, std::nullopt, {}, {}};
}

LayoutCell figure(std::string text) {
    return {std::move(text), true, std::nullopt, {}, {}};
}

std::string grouped(std::size_t count, const Separators& s) {
    return formatQuantity(static_cast<double>(count), s);
}

std::string rowsText(std::size_t count, const Separators& s) {
    return grouped(count, s) + (count == 1 ? " row" : " rows");
}

// The list's columns but the units, which the duty point gives, and each pump's annual cost, which the
// savings sum up; the first message follows the status in its cell. The widest table whose messages
// still read on a page.
LayoutTable rowsTable(const PlantTable& table, const PlantList& list, const std::vector<std::uint32_t>& rows,
                      std::size_t count, const Separators& s) {
    LayoutTable t;
    std::vector<std::size_t> printed;
    std::optional<std::size_t> message;
    for (std::size_t column = 0; column < table.columns().size(); ++column) {
        const PlantField field = table.columns()[column].field;
        if (field == PlantField::Message)
            message = column;
        if (field == PlantField::Units || field == PlantField::Message || field == PlantField::AoddCost ||
            field == PlantField::PcCost)
            continue;
        printed.push_back(column);
        t.columns.push_back({table.columns()[column].heading, table.columns()[column].unit});
    }
    for (std::size_t i = 0; i < count && i < rows.size(); ++i) {
        std::vector<LayoutCell> cells;
        for (const std::size_t column : printed) {
            std::string text = table.text(list, rows[i], column, s);
            if (table.columns()[column].field == PlantField::Status && message)
                if (const std::string why = table.text(list, rows[i], *message, s); !why.empty())
                    text += ": " + why;
            cells.push_back({std::move(text), table.columns()[column].number, std::nullopt, {}, {}});
        }
        t.rows.push_back(std::move(cells));
    }
    return t;
}

} // namespace

LayoutTable plantTotalsTable(const std::vector<CurrencyTotals>& totals, bool withCo2, const Separators& s) {
    LayoutTable t;
    t.key = "plant-totals";
    t.heading = "Totals per currency";
    t.columns = {{"Currency", ""}, {"Total savings a year", ""}, {"Energy saved a year", "kWh"}};
    if (withCo2)
        t.columns.push_back({"CO2 avoided a year", "kg CO2e"});
    for (const char* count : {"Costed", "PC pump only", "Refused"})
        t.columns.push_back({count, "rows"});
    for (const CurrencyTotals& c : totals) {
        std::vector<LayoutCell> row{words(c.currency.empty() ? "No currency" : std::string(c.currency))};
        const bool any = c.costed > 0;
        row.push_back(figure(any ? formatMoney(c.savings, s) : ""));
        row.push_back(figure(any ? formatQuantity(c.savedKwh, s) : ""));
        if (withCo2)
            row.push_back(figure(c.co2Rows == 0 ? ""
                                                : formatQuantity(c.co2AvoidedKg, s) + " (" +
                                                      rowsText(c.co2Rows, s) + ")"));
        for (const std::size_t count : {c.costed, c.pcOnly, c.refused})
            row.push_back(figure(grouped(count, s)));
        t.rows.push_back(std::move(row));
    }
    return t;
}

ReportLayout plantReportLayout(const PlantTable& table, const PlantList& list,
                               const std::vector<std::uint32_t>& shown,
                               const std::vector<CurrencyTotals>& totals, const PlantReportSource& source,
                               const Separators& s) {
    ReportLayout layout;
    layout.title = "Pumpvale: plant savings, " + source.fileName;
    layout.tables.push_back(plantTotalsTable(totals, table.hasLifeCycle(), s));

    const std::vector<std::uint32_t> largest = largestSavings(list, shown, kLargest);
    LayoutTable top = rowsTable(table, list, largest, kLargest, s);
    top.key = "plant-largest";
    top.heading = largest.size() < kLargest ? "The largest savings" : "The ten largest savings";
    layout.tables.push_back(std::move(top));

    LayoutTable all = rowsTable(table, list, shown, kMostPrintedRows, s);
    all.key = "plant-rows";
    all.heading = source.shownRows + " (" + rowsText(shown.size(), s) + ")";
    if (shown.size() > kMostPrintedRows)
        all.heading +=
            ": the first " + grouped(kMostPrintedRows, s) + " as sorted; the CSV export holds every row";
    layout.tables.push_back(std::move(all));

    layout.notesHeading = "How the list is costed";
    layout.notes = {
        "Each row is costed as the calculator costs it once the row is typed in: the same steps, messages "
        "and figures as pumpvale-batch gives.",
        "Amounts are a year, in each row's currency. Totals are kept per currency, never added across "
        "currencies, over the rows shown.",
        "Energy saved is the energy a year of the compressor feeding the AODD pump less the PC pump's, over "
        "the rows costed in full.",
        "Each pump's annual costs, AODD and durvane, are in the plant list and its CSV export.",
    };
    if (table.hasLifeCycle())
        layout.notes.emplace_back(
            "CO2 avoided counts the rows that give an emission factor; payback, the rows "
            "that give the installed prices.");
    if (!source.complete)
        layout.notes.emplace_back(
            "The reading of the file stopped before its end: the totals are those of the "
            "rows read.");
    for (std::string& note : layout.notes)
        note = withDecimalSeparator(std::move(note), s.decimal);
    return layout;
}

std::string plantCsv(const PlantTable& table, const PlantList& list,
                     const std::vector<std::uint32_t>& shown) {
    std::string out;
    for (const PlantColumn& c : table.columns()) {
        appendCsvCell(out, c.csvName);
        out += ',';
    }
    if (!out.empty())
        out.back() = '\n';
    for (const std::uint32_t k : shown) {
        for (std::size_t column = 0; column < table.columns().size(); ++column) {
            appendCsvCell(out, table.csvCell(list, k, column));
            out += ',';
        }
        out.back() = '\n';
    }
    return out;
}

} // namespace pumpvale::cases
