// pumpvale-batch's -o OUT: the costed list written whole or not at all.
//
// The list goes to a new file beside OUT (OUT.XXXXXX), each write checked; once the run is complete the
// file is synced to disk and renamed over OUT. A failure at any step (no space, a quota, a folder that
// went away, a read-only file system) leaves an existing OUT as it was and removes the new file; so do
// SIGINT, SIGTERM and SIGHUP, after which the program ends by the signal as it would have without the
// file (SIGKILL leaves it, as nothing can be done then). A symbolic link is followed: the file it names
// is replaced. An OUT that exists and is not a regular file (/dev/null, a named pipe) is written in
// place, as a shell's redirection writes it.
#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace pumpvale::batch {

class OutputFile {
public:
    explicit OutputFile(std::string path);
    ~OutputFile(); // the new file is removed unless committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Why OUT cannot be written, in the system's words; empty while all is well.
    const std::string& error() const { return error_; }
    std::ostream& stream() { return stream_; }

    // Writes what is left, syncs and puts the new file in OUT's place; false, with error() set, when any
    // step fails.
    bool commit();

private:
    void createBeside(const std::string& target);
    void fail(int error);
    void discard();

    std::string path_;      // OUT as named
    std::string temporary_; // the new file beside it; empty when OUT is written in place
    std::string target_;    // what the new file replaces: OUT, or the file a link names
    int fd_ = -1;
    std::unique_ptr<std::streambuf> buffer_;
    std::ostream stream_;
    std::string error_;
    bool committed_ = false;
};

} // namespace pumpvale::batch
