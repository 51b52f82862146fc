// pumpvale-batch as a shell runs it: exit statuses, the output read back with the CSV reader, every
// figure exact, and an output file replaced only by a whole run.
#include "cases/csv_reader.h"
#include "cases/duty_list.h"
#include "cases/plant_table.h"
#include "cases/window_run.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace pumpvale::batch {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct Outcome {
    int status = -1;
    std::string out, err;
};

class BatchProgram : public ::testing::Test {
protected:
    BatchProgram()
        : folder_(fs::temp_directory_path() / ("pumpvale-batch-test-" + std::to_string(getpid()))) {
        fs::create_directories(folder_);
    }
    ~BatchProgram() override { fs::remove_all(folder_); }

    fs::path file(const std::string& name) const { return folder_ / name; }

    Outcome run(const std::string& arguments, const std::string& input = {}) const {
        write(file("stdin"), input);
        const std::string command = std::string("'") + PUMPVALE_BATCH + "' " + arguments + " < '" +
                                    file("stdin").string() + "' > '" + file("stdout").string() + "' 2> '" +
                                    file("stderr").string() + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, contents(file("stdout")), contents(file("stderr"))};
    }

private:
    fs::path folder_;
};

// The output as a table: one map from header name to cell per row.
std::vector<std::map<std::string, std::string>> table(const std::string& csv) {
    std::istringstream in(csv);
    cases::CsvReader reader(*in.rdbuf());
    cases::CsvRecord record;
    std::vector<std::string> header;
    std::vector<std::map<std::string, std::string>> rows;
    while (reader.read(record)) {
        EXPECT_EQ(record.problem, cases::RecordProblem::None);
        if (header.empty()) {
            header = record.cells;
            continue;
        }
        EXPECT_EQ(record.cells.size(), header.size());
        auto& row = rows.emplace_back();
        for (std::size_t k = 0; k < header.size() && k < record.cells.size(); ++k)
            row[header[k]] = record.cells[k];
    }
    return rows;
}

double number(const std::string& cell) {
    double value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    EXPECT_TRUE(error == std::errc() && end == cell.data() + cell.size()) << cell;
    return value;
}

const std::string kHeader = "units,pc_stages,pressure,flow,air_pressure,weeks,days,hours,currency,inlet\n";

// Every row of the example as the core costs it, figure for figure and bit for bit.
TEST_F(BatchProgram, ExampleListIsCostedAsTheWindowCostsIt) {
    const Outcome result = run(PUMPVALE_EXAMPLE);
    EXPECT_EQ(result.status, 1); // one row is refused
    EXPECT_NE(result.err.find("plant-survey.csv:12: Row 12, column pressure (cell E12)"), std::string::npos)
        << result.err;
    const auto rows = table(result.out);

    std::ifstream example(PUMPVALE_EXAMPLE, std::ios::binary);
    cases::DutyListReader reader(example);
    ASSERT_FALSE(reader.start());
    std::map<std::string, int> statuses;
    std::size_t i = 0;
    for (cases::DutyRow row; reader.next(row); ++i) {
        ASSERT_LT(i, rows.size());
        const auto& out = rows[i];
        EXPECT_EQ(out.at("tag"), row.cells[0]);
        EXPECT_EQ(out.at("location"), row.cells[1]);
        ++statuses[out.at("status")];
        if (!row.point) {
            EXPECT_EQ(out.at("status"), "refused");
            EXPECT_EQ(out.at("messages"), "ERROR: " + row.refusal);
            continue;
        }
        const cases::WindowRun expected = cases::runAsTheWindow(*row.point);
        if (expected.status == cases::RunStatus::Costed) {
            EXPECT_EQ(number(out.at("aodd_annual_cost")), expected.costs->aoddAnnualCost);
            EXPECT_EQ(number(out.at("total_savings")), expected.costs->totalSavings);
        } else {
            EXPECT_EQ(out.at("aodd_annual_cost") + out.at("total_savings"), "");
        }
        if (expected.costs) {
            EXPECT_EQ(number(out.at("pc_annual_cost")), expected.costs->pcAnnualCost);
        }
        if (expected.demand) {
            EXPECT_EQ(number(out.at("air_consumption_scfm")), expected.demand->airConsumptionScfm);
        }
        EXPECT_EQ(out.at("messages").empty(), expected.messages.empty());
    }
    EXPECT_EQ(i, rows.size());
    // The example shows every status.
    EXPECT_GT(statuses["costed"], 0);
    EXPECT_GT(statuses["pc_only"], 0);
    EXPECT_GT(statuses["refused"], 0);
}

struct ExitCase {
    const char* name;
    std::string arguments;
    std::string input;
    int status;
    std::string err; // a part of what standard error says
};
void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const ExitCase kExitCases[] = {
    {"EveryRowCosted",   "",                 kHeader + "English,1,60,10,90,52,7,24,US Dollars,1\nSI,1,4,40,6,52,7,24,Euro,1 1/2\n", 0, ""},
    {"PcOnlyCounts",     "-",                kHeader + "English,1,60,250,90,52,7,24,US Dollars,\n", 0, ""},
    {"RuleRefusesARow",  "",                 kHeader + "English,1,60,10,90,60,7,24,US Dollars,1\n", 1, ""},
    {"NoSuchFile",       "no-such-list.csv", "", 2, "cannot read no-such-list.csv: No such file or directory"},
    {"NoHeader",         "",                 "", 2, "standard input: the file is empty"},
    {"ColumnMissing",    "",                 "units,pressure\nEnglish,60\n", 2, "standard input:1: the header row lacks"},
    {"QuoteNeverCloses", "",                 kHeader + "English,1,60,10,90,52,7,24,\"US Dollars,1\n", 2, "standard input:2: a quote opens"},
    {"UnknownOption",    "--colour",         "", 2, "--colour"},
};
// clang-format on

class BatchExit : public BatchProgram, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(BatchExit, StatusAndMessage) {
    const Outcome result = run(GetParam().arguments, GetParam().input);
    EXPECT_EQ(result.status, GetParam().status) << result.err;
    EXPECT_NE(result.err.find(GetParam().err), std::string::npos) << result.err;
}
INSTANTIATE_TEST_SUITE_P(Runs, BatchExit, ::testing::ValuesIn(kExitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BatchProgram, EveryInletAddsFourColumnsForEachSize) {
    const Outcome result = run("--all-inlets", kHeader + "English,1,60,10,90,52,7,24,US Dollars,1\n");
    const auto rows = table(result.out);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].size(), 10u + 7u + 24u);
    EXPECT_EQ(rows[0].at("inlet_1_verdict"), "serves");
    EXPECT_EQ(rows[0].at("inlet_1_aodd_annual_cost"), rows[0].at("aodd_annual_cost"));
    EXPECT_EQ(rows[0].at("inlet_1/4_verdict"), "cannot serve");
    EXPECT_EQ(rows[0].at("inlet_1/4_aodd_annual_cost"), "");
}

// The output file is replaced only by a run that read its input; a failure names the file.
TEST_F(BatchProgram, OutputFileIsReplacedOnlyWhole) {
    const fs::path out = file("costed.csv");
    write(out, "kept\n");
    EXPECT_EQ(run("-o '" + out.string() + "'", "units\n").status, 2);
    EXPECT_EQ(contents(out), "kept\n");

    const std::string list = kHeader + "English,1,60,10,90,52,7,24,US Dollars,1\n";
    EXPECT_EQ(run("-o '" + out.string() + "'", list).status, 0);
    EXPECT_EQ(contents(out), run("", list).out);
    EXPECT_EQ(std::distance(fs::directory_iterator(out.parent_path()), fs::directory_iterator()), 4)
        << "no temporary file is left beside the output";

    const Outcome failed = run("-o '" + file("no-folder/costed.csv").string() + "'", list);
    EXPECT_EQ(failed.status, 2);
    EXPECT_NE(failed.err.find("cannot write " + file("no-folder/costed.csv").string() + ": No such file"),
              std::string::npos)
        << failed.err;
}

// --totals: the plant list's totals, as its window adds them, after the rows on standard error or in a
// file of their own; the rows are written as without it.
TEST_F(BatchProgram, TotalsFollowTheRowsAsThePlantListAddsThem) {
    std::ifstream example(PUMPVALE_EXAMPLE, std::ios::binary);
    cases::DutyListReader reader(example);
    ASSERT_FALSE(reader.start());
    cases::PlantList list;
    cases::readPlantList(reader, [&](cases::PlantList&& chunk) {
        list.append(std::move(chunk));
        return true;
    });
    const std::string totals = cases::totalsCsv(cases::totalsOf(list, cases::StatusFilter::All));
    ASSERT_EQ(totals.substr(0, totals.find(',')), "currency");

    const Outcome plain = run(PUMPVALE_EXAMPLE);
    const Outcome onStderr = run(std::string("--totals ") + PUMPVALE_EXAMPLE);
    EXPECT_EQ(onStderr.status, plain.status);
    EXPECT_EQ(onStderr.out, plain.out);
    EXPECT_EQ(onStderr.err, plain.err + totals);

    const fs::path file = this->file("totals.csv");
    const Outcome inFile = run("--totals-file '" + file.string() + "' " + PUMPVALE_EXAMPLE);
    EXPECT_EQ(inFile.err, plain.err);
    EXPECT_EQ(contents(file), totals);
    const Outcome failed =
        run("--totals-file '" + this->file("no-folder/t.csv").string() + "' " + PUMPVALE_EXAMPLE);
    EXPECT_EQ(failed.status, 2);
    EXPECT_NE(failed.err.find("cannot write"), std::string::npos) << failed.err;
}

TEST_F(BatchProgram, HelpAndVersion) {
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--all-inlets"), std::string::npos);
    const Outcome version = run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "pumpvale-batch " PUMPVALE_VERSION "\n");
}

} // namespace
} // namespace pumpvale::batch
