// pumpvale-batch as a shell runs it: exit statuses, the output read back with the CSV reader, every
// figure exact, and an output file replaced only by a whole run.
#include "cases/csv_reader.h"
#include "cases/duty_list.h"
#include "cases/plant_table.h"
#include "cases/window_run.h"
#include "tests/small_disk.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
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
    // The names in a folder, the output's leftovers among them.
    static std::vector<std::string> namesIn(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

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

// Each message as f writes it, joined by " | ".
template <class F> std::string joined(const Messages& messages, F f) {
    std::string out;
    for (const Message& m : messages)
        out += (out.empty() ? "" : " | ") + f(m);
    return out;
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
            EXPECT_EQ(out.at("message_ids"), "row_not_read");
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
        EXPECT_EQ(out.at("messages"), joined(expected.messages, messageLine));
        EXPECT_EQ(out.at("message_ids"), joined(expected.messages, [](const Message& m) {
                      return std::string(messageIdName(m.id));
                  }));
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
    {"UnknownOption",    "--colour",         "", 2, "pumpvale-batch: unknown option --colour"},
    {"TwoFiles",         "a.csv b.csv",      "", 2, "pumpvale-batch: one FILE at most"},
    {"InputIsAFolder",   "/",                "", 2, "cannot read /: it is a folder"},
    {"EndlessZeros",     "/dev/zero",        "", 2, "/dev/zero:1: the header row is longer than"},
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
    EXPECT_EQ(rows[0].size(), 10u + 8u + 24u);
    EXPECT_EQ(rows[0].at("inlet_1_verdict"), verdictId(InletVerdict::Serves));
    EXPECT_EQ(rows[0].at("inlet_1_aodd_annual_cost"), rows[0].at("aodd_annual_cost"));
    EXPECT_EQ(rows[0].at("inlet_1/4_verdict"), verdictId(InletVerdict::OutsideItsData));
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
    EXPECT_EQ(help.out.find("TEXT"), std::string::npos) << "the parser's own words for a type";
    for (const char* status : {"  0 ", "  1 ", "  2 ", "the output cannot be written", "130"})
        EXPECT_NE(help.out.find(status), std::string::npos) << status;
    const Outcome version = run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "pumpvale-batch " PUMPVALE_VERSION "\n");
}

// An input column named as a result column is carried as input_NAME: every output column has its own name.
TEST_F(BatchProgram, AnInputColumnNamedAsAResultIsRenamed) {
    const Outcome result =
        run("--all-inlets", "Status,input_status," + kHeader.substr(0, kHeader.size() - 1) +
                                ",inlet_1_verdict\nspare,x,English,1,60,10,90,52,7,24,US Dollars,1,y\n");
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string header = result.out.substr(0, result.out.find('\n'));
    EXPECT_EQ(header.rfind("input_input_Status,input_status,units,", 0), 0u) << header;
    const auto rows = table(result.out);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("input_input_Status"), "spare");
    EXPECT_EQ(rows[0].at("input_inlet_1_verdict"), "y");
    EXPECT_EQ(rows[0].at("status"), "costed");
    EXPECT_EQ(rows[0].at("inlet_1_verdict"), "serves");
}

const std::string kList = kHeader + "English,1,60,10,90,52,7,24,US Dollars,1\n";

enum class Where { FullDisk, ReadOnlyDisk, VanishedFolder, AFolder, KernelFile };
struct OutputCase {
    const char* name;
    Where where;
    std::string reason; // what standard error says after "cannot write OUT: "
};
void PrintTo(const OutputCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const OutputCase kOutputCases[] = {
    {"FullDisk",       Where::FullDisk,       "No space left on device"},
    {"ReadOnlyDisk",   Where::ReadOnlyDisk,   "Read-only file system"},
    {"VanishedFolder", Where::VanishedFolder, "No such file or directory"},
    {"AFolder",        Where::AFolder,        "it is a folder"},
    {"KernelFile",     Where::KernelFile,     geteuid() == 0 ? "it cannot be replaced, as no new file can be made in /proc"
                                                             : "Permission denied"},
};
// clang-format on

class BatchOutput : public BatchProgram, public ::testing::WithParamInterface<OutputCase> {};

// Wherever OUT cannot be written, the old file stays byte for byte, no new file is left beside it, and
// the message names OUT and gives the system's reason.
TEST_P(BatchOutput, AFailedWriteLeavesTheOldFileAndSaysWhy) {
    const OutputCase& c = GetParam();
    testing::SmallDisk disk;
    const bool onDisk = c.where == Where::FullDisk || c.where == Where::ReadOnlyDisk;
    if (onDisk && !disk.skipReason().empty())
        GTEST_SKIP() << disk.skipReason();
    const std::string old = "kept, " + std::string(3000, 'k') + "\n";
    fs::path out = c.where == Where::VanishedFolder ? file("gone/costed.csv")
                   : c.where == Where::AFolder      ? file("")
                   : c.where == Where::KernelFile   ? fs::path("/proc/version")
                                                    : fs::path(disk.path("costed.csv"));
    if (onDisk)
        write(out, old);
    if (c.where == Where::FullDisk)
        disk.fill();
    if (c.where == Where::ReadOnlyDisk) {
        ASSERT_TRUE(disk.makeReadOnly());
    }
    const auto before = onDisk ? namesIn(out.parent_path()) : std::vector<std::string>{};

    const Outcome result = run("-o '" + out.string() + "'", kList);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("pumpvale-batch: cannot write " + out.string() + ": " + c.reason),
              std::string::npos)
        << result.err;
    if (onDisk) {
        EXPECT_EQ(contents(out), old);
        EXPECT_EQ(namesIn(out.parent_path()), before);
    }
}
INSTANTIATE_TEST_SUITE_P(Outputs, BatchOutput, ::testing::ValuesIn(kOutputCases),
                         [](const auto& info) { return std::string(info.param.name); });

class BatchSignal : public BatchProgram, public ::testing::WithParamInterface<int> {};

// Stopped while it waits for its input, the batch removes the new file and ends by the signal, which a
// shell shows as 128 + its number (130 for Ctrl+C, 143 for SIGTERM, 129 for SIGHUP).
TEST_P(BatchSignal, RemovesTheNewFileAndEndsByTheSignal) {
    const fs::path out = file("costed.csv");
    write(out, "kept\n");
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_addclose(&actions, input[1]);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&defaults, signal);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    std::string program = PUMPVALE_BATCH, option = "-o", path = out.string();
    char* arguments[] = {program.data(), option.data(), path.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, PUMPVALE_BATCH, &actions, &attributes, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ASSERT_EQ(spawned, 0);
    close(input[0]);
    for (int wait = 0; wait < 500 && namesIn(out.parent_path()).size() < 2; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(namesIn(out.parent_path()).size(), 2u) << "the new file beside OUT";
    kill(pid, GetParam());
    int status = 0;
    waitpid(pid, &status, 0);
    close(input[1]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == GetParam()) << status;
    EXPECT_EQ(contents(out), "kept\n");
    EXPECT_EQ(namesIn(out.parent_path()), std::vector<std::string>{"costed.csv"});
}
INSTANTIATE_TEST_SUITE_P(
    Signals, BatchSignal, ::testing::Values(SIGINT, SIGTERM, SIGHUP), [](const auto& info) {
        return std::string(info.param == SIGINT ? "SIGINT" : info.param == SIGTERM ? "SIGTERM" : "SIGHUP");
    });

// A row of hundreds of megabytes without a line break (a sparse file: no disk used) is refused and
// passed over as fast as it is read.
TEST_F(BatchProgram, AHugeRowIsPassedOverAtTheSpeedOfReading) {
    const fs::path huge = file("huge.csv");
    write(huge, kList);
    fs::resize_file(huge, fs::file_size(huge) + (std::uintmax_t{256} << 20));
    const auto start = std::chrono::steady_clock::now();
    const Outcome result = run("'" + huge.string() + "'");
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("huge.csv:3: Row 3, column units (cell A3): the cell holds a NUL byte"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(table(result.out).size(), 2u);
    EXPECT_LT(seconds, 5.0);
}

} // namespace
} // namespace pumpvale::batch
