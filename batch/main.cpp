// pumpvale-batch: costs a duty list from the command line, as the main window would cost each row.
#include "batch/run.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kUnreadable = 2;

std::string reason() {
    return std::strerror(errno);
}

int fail(const std::string& what) {
    std::cerr << "pumpvale-batch: " << what << '\n';
    return kUnreadable;
}

// Writes to a new file beside the output and renames it over the output only once all is written, so
// that a failure leaves an existing file as it was.
class SavedFile {
public:
    explicit SavedFile(std::string path) : path_(std::move(path)), temporary_(path_ + ".XXXXXX") {
        const int fd = mkstemp(temporary_.data());
        if (fd < 0) {
            error_ = reason();
            return;
        }
        // As a new file gets: everything the umask allows, or the mode of the file it replaces.
        const mode_t mask = umask(0);
        umask(mask);
        struct stat existing {};
        const mode_t mode = stat(path_.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0666 & ~mask;
        fchmod(fd, mode);
        close(fd);
        stream_.open(temporary_, std::ios::binary | std::ios::trunc);
        if (!stream_)
            error_ = reason();
    }
    ~SavedFile() {
        if (!committed_ && error_.empty())
            std::remove(temporary_.c_str());
    }
    SavedFile(const SavedFile&) = delete;
    SavedFile& operator=(const SavedFile&) = delete;

    std::ostream& stream() { return stream_; }
    const std::string& error() const { return error_; }

    bool commit() {
        stream_.close();
        if (stream_.fail())
            error_ = reason().empty() ? "the write failed" : reason();
        else if (std::rename(temporary_.c_str(), path_.c_str()) != 0)
            error_ = reason();
        else
            committed_ = true;
        if (!committed_)
            std::remove(temporary_.c_str());
        return committed_;
    }

private:
    std::string path_;
    std::string temporary_;
    std::ofstream stream_;
    std::string error_;
    bool committed_ = false;
};

// The totals after the rows: on standard error, or into the file named, whole or not at all.
int writeTotals(const pumpvale::batch::BatchSummary& summary, const std::string& path, int status) {
    const std::string text = pumpvale::cases::totalsCsv(summary.totals.byCurrency());
    if (path.empty()) {
        std::cerr << text;
        return status;
    }
    SavedFile saved(path);
    if (saved.error().empty())
        saved.stream() << text;
    if (!saved.error().empty() || !saved.commit())
        return fail("cannot write " + path + ": " + saved.error());
    return status;
}

} // namespace

static int run(int argc, char** argv) {
    CLI::App app{"Costs each duty point of a duty list (CSV) as the Pumpvale window would, and writes the "
                 "costed list as CSV.\nExit status: 0 when every row was costed, 1 when some row was "
                 "refused, 2 when the input cannot be read.\nSee pumpvale-batch(1) for the columns.",
                 "pumpvale-batch"};
    std::string input = "-", output;
    bool allInlets = false;
    bool totals = false;
    std::string totalsFile;
    app.add_option("FILE", input, "The duty list to read; standard input when absent or -");
    app.add_option("-o,--output", output, "Write the costed list to OUT instead of standard output")
        ->option_text("OUT");
    app.add_flag("--all-inlets", allInlets, "Add each inlet size's verdict, AODD cost and savings");
    app.add_flag("--totals", totals, "After the rows, write the totals per currency on standard error");
    app.add_option("--totals-file", totalsFile, "Write the totals per currency to TOTALS instead")
        ->option_text("TOTALS");
    app.set_version_flag("--version", std::string("pumpvale-batch ") + PUMPVALE_VERSION);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? 0 : kUnreadable;
    }
    std::ios::sync_with_stdio(false);

    const bool fromStdin = input == "-";
    const std::string inputName = fromStdin ? "standard input" : input;
    std::ifstream file;
    if (!fromStdin) {
        std::error_code ignored;
        if (std::filesystem::is_directory(input, ignored))
            return fail("cannot read " + input + ": it is a folder");
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

    SavedFile saved(output);
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
