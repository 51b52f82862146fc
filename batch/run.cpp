#include "batch/run.h"

#include "cases/csv_writer.h"
#include "cases/window_run.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>
#include <string>

namespace pumpvale::batch {
namespace {

using cases::appendCell;

// As cases::exactNumber writes it, straight into the line.
void appendNumber(std::string& line, double value) {
    line += ',';
    if (!std::isfinite(value))
        return;
    std::array<char, 32> buffer{};
    line.append(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
}

void appendEmpty(std::string& line, std::size_t cells) {
    line.append(cells, ',');
}

std::string headerLine(const std::vector<std::string>& header, const BatchOptions& options) {
    std::string line;
    for (const std::string& name : header) {
        appendCell(line, name);
        line += ',';
    }
    for (const std::string_view name : kResultColumns) {
        line += name;
        line += ',';
    }
    if (options.allInlets)
        for (const InletSize size : kInletSizes) {
            std::string sizeName(cases::inletCellText(size));
            std::replace(sizeName.begin(), sizeName.end(), ' ', '_');
            for (const std::string_view column : kInletColumns)
                line += "inlet_" + sizeName + "_" + std::string(column) + ",";
        }
    line.back() = '\n';
    return line;
}

// "TITLE: text" for each box, joined by " | ".
void appendMessages(std::string& line, const Messages& messages) {
    std::string joined;
    for (const Message& message : messages) {
        if (!joined.empty())
            joined += " | ";
        joined += message.title.empty() ? kApplicationTitle : message.title;
        joined += ": ";
        joined += message.text;
    }
    appendCell(line, joined);
}

void appendResults(std::string& line, const cases::WindowRun& run) {
    line += cases::statusId(run.status);
    line += ',';
    appendMessages(line, run.messages);
    if (run.costs && run.status == cases::RunStatus::Costed)
        appendNumber(line, run.costs->aoddAnnualCost);
    else
        appendEmpty(line, 1);
    if (run.costs)
        appendNumber(line, run.costs->pcAnnualCost);
    else
        appendEmpty(line, 1);
    if (run.costs && run.status == cases::RunStatus::Costed)
        appendNumber(line, run.costs->totalSavings);
    else
        appendEmpty(line, 1);
    if (run.demand) {
        appendNumber(line, run.demand->airConsumptionScfm);
        appendNumber(line, pressureInUnits(run.demand->requiredAirPsi, run.record.unitSystem));
    } else {
        appendEmpty(line, 2);
    }
}

void appendInlets(std::string& line, const std::optional<InletComparison>& inlets) {
    if (!inlets) {
        appendEmpty(line, kInletSizes.size() * kInletColumns.size());
        return;
    }
    for (const InletComparisonRow& size : *inlets) {
        line += ',';
        line += verdictName(size.verdict);
        line += ',';
        appendCell(line, briefReasonOf(size));
        if (size.costs) {
            appendNumber(line, size.costs->aoddAnnualCost);
            appendNumber(line, size.costs->totalSavings);
        } else {
            appendEmpty(line, 2);
        }
    }
}

} // namespace

BatchSummary runBatch(std::istream& in, std::ostream& out, std::ostream& errors, std::string_view inputName,
                      const BatchOptions& options) {
    BatchSummary summary;
    cases::DutyListReader reader(in);
    const auto named = [&](const cases::FileError& error) {
        errors << inputName;
        if (error.line > 0)
            errors << ':' << error.line;
        errors << ": " << error.text << '\n';
    };
    if (auto error = reader.start()) {
        named(*error);
        summary.fileError = std::move(error);
        return summary;
    }
    const std::size_t width = reader.header().size();
    out << headerLine(reader.header(), options);

    cases::DutyRow row;
    std::string line;
    while (reader.next(row)) {
        line.clear();
        for (std::size_t k = 0; k < width; ++k) {
            if (k < row.cells.size()) // a cell refused for its encoding is written as text all the same
                appendCell(line,
                           cases::isValidUtf8(row.cells[k]) && row.cells[k].find('\0') == std::string::npos
                               ? row.cells[k]
                               : cases::asValidUtf8(row.cells[k]));
            line += ',';
        }
        if (!row.point) {
            ++summary.refused;
            named({row.line, row.refusal});
            line += "refused,";
            appendCell(line, "ERROR: " + row.refusal);
            appendEmpty(line, kResultColumns.size() - 2);
            if (options.allInlets)
                appendEmpty(line, kInletSizes.size() * kInletColumns.size());
            if (options.totals)
                summary.totals.add(cases::refusedRow());
        } else {
            const cases::WindowRun run = cases::runAsTheWindow(*row.point, options.allInlets);
            ++(run.status == cases::RunStatus::Refused ? summary.refused : summary.costed);
            if (options.totals)
                summary.totals.add(cases::plantFigures(run, reader.caseOf(row)));
            appendResults(line, run);
            if (options.allInlets)
                appendInlets(line, run.inlets);
        }
        line += '\n';
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    if (reader.error()) {
        named(*reader.error());
        summary.fileError = reader.error();
    }
    return summary;
}

int exitStatus(const BatchSummary& summary) {
    return summary.fileError ? 2 : summary.refused > 0 ? 1 : 0;
}

} // namespace pumpvale::batch
