#include "cases/file_reading.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pumpvale::cases {
namespace {

constexpr std::size_t kChunkBytes = 65536;
// A read interrupted by a signal is tried again, so many times at most.
constexpr int kMaxInterruptions = 100;

FileRefusal kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return FileRefusal::None;
    if (S_ISDIR(mode))
        return FileRefusal::Folder;
    if (S_ISFIFO(mode))
        return FileRefusal::NamedPipe;
    if (S_ISSOCK(mode))
        return FileRefusal::Socket;
    return FileRefusal::Device;
}

FileContents refused(FileRefusal refusal, int error = 0) {
    FileContents out;
    out.refusal = refusal;
    out.error = error;
    return out;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

FileContents readWholeFile(const std::string& path, std::size_t maxBytes, PastTheBound past) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return refused(FileRefusal::CannotOpen, errno);
    if (const FileRefusal kind = kindOf(info.st_mode); kind != FileRefusal::None)
        return refused(kind);
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes && past == PastTheBound::Refuse)
        return refused(FileRefusal::TooLarge);

    const Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0)
        return refused(FileRefusal::CannotOpen, errno);
    if (fstat(file.get(), &info) != 0)
        return refused(FileRefusal::CannotRead, errno);
    if (const FileRefusal kind = kindOf(info.st_mode); kind != FileRefusal::None)
        return refused(kind);

    FileContents out;
    out.bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), maxBytes) + 1);
    // Each pass reads at least one byte or ends: the passes are bounded by the bytes allowed.
    const std::size_t passes = maxBytes / kChunkBytes + 2 + kMaxInterruptions;
    int interruptions = 0;
    for (std::size_t pass = 0; pass < passes; ++pass) {
        const std::size_t had = out.bytes.size();
        out.bytes.resize(had + kChunkBytes);
        const ssize_t got = read(file.get(), out.bytes.data() + had, kChunkBytes);
        out.bytes.resize(had + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (got < 0 && errno == EINTR && ++interruptions < kMaxInterruptions)
            continue;
        if (got < 0)
            return refused(FileRefusal::CannotRead, errno);
        if (out.bytes.size() > maxBytes && past == PastTheBound::Refuse)
            return refused(FileRefusal::TooLarge);
        if (out.bytes.size() > maxBytes) {
            out.bytes.resize(maxBytes);
            out.whole = false;
            return out;
        }
        if (got == 0)
            return out;
    }
    if (past == PastTheBound::Refuse)
        return refused(FileRefusal::TooLarge);
    out.whole = false;
    return out;
}

} // namespace pumpvale::cases
