// Fuzzes the duty list reader through pumpvale-batch's whole streaming path: any bytes give either a
// whole-file fault with its text, or a costed list that reads back as rectangular, well-formed CSV with
// one status for each row, and a refusal that names its row.
#include "aodd/comparison.h"
#include "batch/run.h"
#include "cases/csv_reader.h"
#include "fuzz/check.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace pumpvale::fuzz {
namespace {

void checkOutput(const std::string& out, const batch::BatchSummary& summary, bool allInlets) {
    std::istringstream in(out);
    cases::CsvReader reader(*in.rdbuf());
    cases::CsvRecord record;
    check(reader.read(record), "the costed list has a header row", out);
    const std::size_t width = record.cellCount;
    const std::size_t statusAt = width - batch::kResultColumns.size() -
                                 (allInlets ? kInletSizes.size() * batch::kInletColumns.size() : 0);
    // The reader keeps the first kMaxCells cells; the results follow the input's columns.
    const bool kept = width <= cases::kMaxCells;
    std::size_t rows = 0, refused = 0;
    while (reader.read(record)) {
        ++rows;
        check(record.cellCount == width, "every row of the costed list has the header's cells", out);
        if (!kept)
            continue;
        // The replacement characters of a cell refused for its encoding, and the result columns, may take
        // a row past the reader's bounds; nothing else may be wrong with it.
        check(record.problem == cases::RecordProblem::None ||
                  record.problem == cases::RecordProblem::CellTooLong ||
                  record.problem == cases::RecordProblem::RecordTooLong,
              "the costed list is well-formed CSV in UTF-8", out);
        const std::string& status = record.cells[statusAt];
        check(status == "costed" || status == "pc_only" || status == "refused", "each row has a status",
              status);
        if (status == "refused") {
            ++refused;
            check(!record.cells[statusAt + 1].empty(), "a refused row says why", out);
        }
    }
    check(!reader.unclosedQuoteLine(), "the costed list closes its quotes", out);
    check(rows == summary.costed + summary.refused, "one output row for each row read");
    check(!kept || refused == summary.refused, "the refused rows are counted");
}

} // namespace
} // namespace pumpvale::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pumpvale;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out, errors;
    const bool allInlets = size % 2 == 1; // every inlet size, for half the inputs
    const batch::BatchSummary summary = batch::runBatch(in, out, errors, "fuzz", {allInlets});
    if (out.str().empty()) {
        fuzz::check(summary.fileError && !summary.fileError->text.empty(), "a file not read says why");
        fuzz::check(batch::exitStatus(summary) == 2, "a file not read exits with 2");
        return 0;
    }
    fuzz::checkOutput(out.str(), summary, allInlets);
    if (summary.fileError)
        fuzz::check(summary.fileError->line > 0, "a fault past the header names its line");
    return 0;
}
