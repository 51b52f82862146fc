// pumpvale-batch: costs a duty list from the command line, as the main window would cost each row.
#include "batch/output_file.h"
#include "batch/run.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kUnreadable = 2;
constexpr const char* kProgram = "pumpvale-batch";

int fail(const std::string& what) {
    std::cerr << kProgram << ": " << what << '\n';
    return kUnreadable;
}

std::string reason() {
    return std::strerror(errno);
}

constexpr const char* kDescription =
    "Costs each duty point of a duty list (CSV) as the Pumpvale window would, and writes the costed list "
    "as CSV.";
constexpr const char* kExitStatus =
    "Exit status:\n"
    "  0    every row was costed (the PC pump alone counts)\n"
    "  1    some row was refused; the others were costed all the same\n"
    "  2    the input cannot be read as a duty list, the output cannot be written, or the command line\n"
    "       is wrong\n"
    "  130, 143, 129  ended by Ctrl+C (SIGINT), SIGTERM or SIGHUP; OUT is left as it was\n"
    "\n"
    "See pumpvale-batch(1) for the columns.";

// A command line CLI11 refuses, in one line that names the program.
int refuseCommandLine(const CLI::App& app, const CLI::ParseError& error) {
    std::string what = error.what();
    const auto extras = app.remaining();
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr && !extras.empty()) {
        const std::string& first = extras.front();
        what = first.size() > 1 && first.front() == '-' ? "unknown option " + first
                                                        : "one FILE at most, and " + first + " is a second";
    }
    return fail(what + " (" + kProgram + " --help lists the options)");
}

// The totals after the rows: on standard error, or into the file named, whole or not at all.
int writeTotals(const pumpvale::batch::BatchSummary& summary, const std::string& path, int status) {
    const std::string text = pumpvale::cases::totalsCsv(summary.totals.byCurrency());
    if (path.empty()) {
        std::cerr << text;
        return status;
    }
    pumpvale::batch::OutputFile saved(path);
    if (saved.error().empty())
        saved.stream() << text;
    if (!saved.error().empty() || !saved.commit())
        return fail("cannot write " + path + ": " + saved.error());
    return status;
}

} // namespace

static int run(int argc, char** argv) {
    CLI::App app{kDescription, kProgram};
    app.footer(kExitStatus);
    std::string input = "-", output;
    bool allInlets = false;
    bool totals = false;
    std::string totalsFile;
    app.add_option("FILE", input, "The duty list to read; standard input when absent or -")->type_name("");
    app.add_option("-o,--output", output, "Write the costed list to OUT instead of standard output")
        ->type_name("OUT");
    app.add_flag("--all-inlets", allInlets, "Add each inlet size's verdict, AODD cost and savings");
    app.add_flag("--totals", totals, "After the rows, write the totals per currency on standard error");
    app.add_option("--totals-file", totalsFile, "Write the totals per currency to TOTALS instead")
        ->type_name("TOTALS");
    app.set_version_flag("--version", std::string(kProgram) + " " + PUMPVALE_VERSION);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        return refuseCommandLine(app, error);
    }
    std::ios::sync_with_stdio(false);

    const bool fromStdin = input == "-";
    const std::string inputName = fromStdin ? "standard input" : input;
    // Large reads: a row of gigabytes is passed over as fast as the disk gives it.
    std::vector<char> readBuffer(std::size_t{1} << 20);
    std::ifstream file;
    if (!fromStdin) {
        std::error_code ignored;
        if (std::filesystem::is_directory(input, ignored))
            return fail("cannot read " + input + ": it is a folder");
        file.rdbuf()->pubsetbuf(readBuffer.data(), static_cast<std::streamsize>(readBuffer.size()));
        file.open(input, std::ios::binary);
        if (!file)
            return fail("cannot read " + input + ": " + reason());
    }
    std::istream& in = fromStdin ? std::cin : file;

    const pumpvale::batch::BatchOptions options{allInlets, totals || !totalsFile.empty()};
    const auto finish = [&](const pumpvale::batch::BatchSummary& summary) {
        const int status = pumpvale::batch::exitStatus(summary);
        return options.totals && !summary.fileError ? writeTotals(summary, totalsFile, status) : status;
    };
    if (output.empty()) {
        const auto summary = pumpvale::batch::runBatch(in, std::cout, std::cerr, inputName, options);
        std::cout.flush();
        if (!std::cout)
            return fail("cannot write the standard output");
        return finish(summary);
    }

    pumpvale::batch::OutputFile saved(output);
    if (!saved.error().empty())
        return fail("cannot write " + output + ": " + saved.error());
    const auto summary = pumpvale::batch::runBatch(in, saved.stream(), std::cerr, inputName, options);
    if (summary.fileError) // an existing output stays as it was
        return kUnreadable;
    if (!saved.commit())
        return fail("cannot write " + output + ": " + saved.error());
    return finish(summary);
}

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) { // memory or a stream, past anything a row can cause
        return fail(error.what());
    }
}
