#include "batch/run.h"

#include "cases/window_run.h"
#include "core/csv_cells.h"
#include "core/number_format.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace pumpvale::batch {
namespace {

void appendNumber(std::string& line, double value) {
    line += ',';
    appendExactNumber(line, value);
}

void appendEmpty(std::string& line, std::size_t cells) {
    line.append(cells, ',');
}

std::string lowerTrimmed(std::string_view name) {
    const auto first = name.find_first_not_of(" \t");
    const auto last = name.find_last_not_of(" \t");
    std::string out(first == std::string_view::npos ? std::string_view{}
                                                    : name.substr(first, last - first + 1));
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; });
    return out;
}

std::vector<std::string> resultColumnNames(const BatchOptions& options) {
    std::vector<std::string> names(kResultColumns.begin(), kResultColumns.end());
    if (options.allInlets)
        for (const InletSize size : kInletSizes) {
            std::string sizeName(cases::inletCellText(size));
            std::replace(sizeName.begin(), sizeName.end(), ' ', '_');
            for (const std::string_view column : kInletColumns)
                names.push_back("inlet_" + sizeName + "_" + std::string(column));
        }
    return names;
}

// The input's columns keep their names but one named as a result column (compared as the reader compares
// names: in any case, blanks around aside), which gets "input_" before it, again while that is taken too.
std::string headerLine(const std::vector<std::string>& header, const BatchOptions& options) {
    const std::vector<std::string> results = resultColumnNames(options);
    std::vector<std::string> taken;
    for (const auto* names : {&results, &header})
        for (const std::string& name : *names)
            taken.push_back(lowerTrimmed(name));
    const auto isTaken = [&taken](const std::string& name) {
        return std::find(taken.begin(), taken.end(), lowerTrimmed(name)) != taken.end();
    };
    std::string line;
    for (const std::string& name : header) {
        std::string written = name;
        if (std::find(results.begin(), results.end(), lowerTrimmed(name)) != results.end()) {
            // Each step gives a name no column had; there are only so many columns.
            for (std::size_t step = 0; step <= taken.size() && isTaken(written); ++step)
                written.insert(0, "input_");
            taken.push_back(lowerTrimmed(written));
        }
        appendCsvCell(line, written);
        line += ',';
    }
    for (const std::string& name : results)
        line += name + ',';
    line.back() = '\n';
    return line;
}

// Each box as its one line, joined by " | ", then their ids likewise in a cell of their own.
void appendMessages(std::string& line, const Messages& messages) {
    std::string texts, ids;
    for (const Message& message : messages) {
        if (!texts.empty()) {
            texts += " | ";
            ids += " | ";
        }
        texts += messageLine(message);
        ids += messageIdName(message.id);
    }
    appendCsvCell(line, texts);
    line += ',';
    appendCsvCell(line, ids);
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
        line += verdictId(size.verdict);
        line += ',';
        appendCsvCell(line, briefReasonOf(size));
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
                appendCsvCell(line,
                              cases::isValidUtf8(row.cells[k]) && row.cells[k].find('\0') == std::string::npos
                                  ? row.cells[k]
                                  : cases::asValidUtf8(row.cells[k]));
            line += ',';
        }
        if (!row.point) {
            ++summary.refused;
            named({row.line, row.refusal});
            line += "refused,";
            appendMessages(line, {{MessageId::RowNotRead, row.refusal, msg::kError}});
            appendEmpty(line, kResultColumns.size() - 3);
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
        if (!out.write(line.data(), static_cast<std::streamsize>(line.size())))
            break; // the output cannot take more: the caller says why
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
