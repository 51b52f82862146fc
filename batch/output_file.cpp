#include "batch/output_file.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace pumpvale::batch {
namespace {

// The signals that stop the program, after the new file is removed.
constexpr std::array kStops{SIGINT, SIGTERM, SIGHUP};

// The new file the signal handler removes; null while there is none.
std::atomic<const char*> liveTemporary{nullptr};
static_assert(std::atomic<const char*>::is_always_lock_free, "read from a signal handler");

extern "C" void removeTemporaryAndStop(int signal) {
    if (const char* path = liveTemporary.load())
        unlink(path);
    // Ended by the signal itself, so that a shell sees 128 + its number and a script stops as it should.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// A signal the program was started with ignored (nohup, a background job) stays ignored.
void removeTemporaryOnSignals() {
    for (const int signal : kStops) {
        struct sigaction current {};
        if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN)
            continue;
        struct sigaction handler {};
        handler.sa_handler = removeTemporaryAndStop;
        sigemptyset(&handler.sa_mask);
        sigaction(signal, &handler, nullptr);
    }
}

std::string reasonOf(int error) {
    return std::strerror(error);
}

// Writes through a buffer to a file descriptor, each write's result checked; the first failure's errno
// is kept, and every write after it fails.
class DescriptorBuffer final : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
    int error() const { return error_; }

protected:
    int_type overflow(int_type ch) override {
        if (!drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }
    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain() {
        const char* at = pbase();
        while (error_ == 0 && at < pptr()) {
            const ssize_t written = ::write(fd_, at, static_cast<std::size_t>(pptr() - at));
            if (written > 0)
                at += written;
            else if (written < 0 && errno != EINTR)
                error_ = errno;
            else if (written == 0)
                error_ = EIO;
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return error_ == 0;
    }

    int fd_;
    int error_ = 0;
    std::array<char, 1 << 16> buffer_{};
};

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

OutputFile::OutputFile(std::string path) : path_(std::move(path)), stream_(nullptr) {
    struct stat named {};
    if (stat(path_.c_str(), &named) == 0 && S_ISDIR(named.st_mode)) {
        error_ = "it is a folder";
        return;
    }
    if (stat(path_.c_str(), &named) == 0 && !S_ISREG(named.st_mode)) {
        fd_ = open(path_.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd_ < 0)
            fail(errno);
    } else {
        std::array<char, PATH_MAX> resolved{};
        struct stat link {};
        const bool linked = lstat(path_.c_str(), &link) == 0 && S_ISLNK(link.st_mode) &&
                            realpath(path_.c_str(), resolved.data()) != nullptr;
        createBeside(linked ? std::string(resolved.data()) : path_);
    }
    if (fd_ >= 0) {
        buffer_ = std::make_unique<DescriptorBuffer>(fd_);
        stream_.rdbuf(buffer_.get());
    }
}

void OutputFile::createBeside(const std::string& target) {
    target_ = target;
    removeTemporaryOnSignals();
    // A signal between making the file and telling the handler its name would leave the file behind:
    // held back until the handler knows it.
    sigset_t stops{};
    sigset_t previous{};
    sigemptyset(&stops);
    for (const int signal : kStops)
        sigaddset(&stops, signal);
    sigprocmask(SIG_BLOCK, &stops, &previous);
    std::string name = target + ".XXXXXX";
    fd_ = mkostemp(name.data(), O_CLOEXEC);
    const int created = errno;
    if (fd_ >= 0) {
        temporary_ = std::move(name);
        liveTemporary.store(temporary_.c_str());
    }
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    if (fd_ < 0) {
        // The folder takes no new file. When OUT itself cannot be written either, that is the reason to
        // give; else the folder's (but /proc's "No such file or directory" for a folder that is there).
        const int probe = open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        if (probe >= 0) {
            close(probe);
            error_ = "it cannot be replaced, as no new file can be made in " + folderOf(target) +
                     (created == ENOENT ? std::string() : " (" + reasonOf(created) + ")");
        } else {
            fail(errno == ENOENT ? created : errno);
        }
        return;
    }
    // As a new file gets: everything the umask allows, or the mode of the file it replaces.
    const mode_t mask = umask(0);
    umask(mask);
    struct stat existing {};
    fchmod(fd_, stat(target.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0666 & ~mask);
}

OutputFile::~OutputFile() {
    if (!committed_)
        discard();
}

void OutputFile::fail(int error) {
    if (error_.empty())
        error_ = reasonOf(error);
}

void OutputFile::discard() {
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) {
        unlink(temporary_.c_str());
        liveTemporary.store(nullptr);
        temporary_.clear();
    }
}

bool OutputFile::commit() {
    if (!error_.empty() || fd_ < 0)
        return false;
    auto& buffer = static_cast<DescriptorBuffer&>(*buffer_);
    if (buffer.pubsync() != 0 || !stream_)
        fail(buffer.error() != 0 ? buffer.error() : EIO);
    else if ((!temporary_.empty() && fsync(fd_) != 0) ||
             (close(std::exchange(fd_, -1)) != 0 && errno != EINTR) ||
             (!temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0))
        fail(errno); // the first step that failed: each one after it is not taken
    if (!error_.empty()) {
        discard();
        return false;
    }
    liveTemporary.store(nullptr);
    committed_ = true;
    return true;
}

} // namespace pumpvale::batch
