// A real small file system for the tests of writing: a tmpfs of 128 KiB mounted on a new folder, which
// can be filled to its last byte or made read-only. Only the superuser can mount one (CI runs as root);
// otherwise skipReason() says why and the test skips.
#pragma once

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace pumpvale::testing {

class SmallDisk {
public:
    SmallDisk() {
        std::string folder = (std::filesystem::temp_directory_path() / "pumpvale-small-disk-XXXXXX").string();
        if (mkdtemp(folder.data()) == nullptr) {
            skipReason_ = "no folder to mount on: " + std::string(std::strerror(errno));
            return;
        }
        folder_ = folder;
        if (geteuid() != 0)
            skipReason_ = "mounting a small tmpfs needs the superuser";
        else if (mount("tmpfs", folder_.c_str(), "tmpfs", 0, kOptions) != 0)
            skipReason_ = "a tmpfs cannot be mounted here: " + std::string(std::strerror(errno));
        else
            mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_)
            umount2(folder_.c_str(), MNT_DETACH);
        if (!folder_.empty())
            rmdir(folder_.c_str());
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Empty when the disk is there.
    const std::string& skipReason() const { return skipReason_; }
    std::string path(const std::string& name) const { return folder_ + "/" + name; }

    // Writes zeros into a file of its own until no byte more fits.
    void fill() const {
        const int fd = open(path("filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const std::vector<char> zeros(4096, 0);
        for (int block = 0; fd >= 0 && block < 1000; ++block)
            if (write(fd, zeros.data(), zeros.size()) <= 0)
                break;
        for (int byte = 0; fd >= 0 && byte < 4096; ++byte)
            if (write(fd, zeros.data(), 1) <= 0)
                break;
        if (fd >= 0)
            close(fd);
    }
    bool makeReadOnly() const {
        return mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, kOptions) == 0;
    }

private:
    static constexpr const char* kOptions = "size=128k";
    std::string folder_;
    std::string skipReason_;
    bool mounted_ = false;
};

} // namespace pumpvale::testing
