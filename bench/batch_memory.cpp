// The peak resident memory of the real pumpvale-batch for a thousand generated rows and for a million,
// fed through a pipe and written to /dev/null: the batch streams, so the two must stay within 1.2 times.
// Usage: batch_memory PROGRAM. Prints both figures and their ratio; exits 1 when the ratio is past 1.2.
#include "bench/duty_rows.h"

#include <array>
#include <cstdio>
#include <fcntl.h>
#include <istream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double kMostRatio = 1.2;

// The child's peak resident memory in KiB, or -1 when it could not be run.
long peakMemoryKib(const char* program, std::size_t rows) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[0], STDIN_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[0]);
    pumpvale::bench::GeneratedDutyList list(rows);
    std::istream in(&list);
    std::array<char, 65536> buffer{};
    bool written = true;
    while (written && in) {
        in.read(buffer.data(), buffer.size());
        for (std::streamsize done = 0; written && done < in.gcount();) {
            const ssize_t n =
                write(pipeEnds[1], buffer.data() + done, static_cast<std::size_t>(in.gcount() - done));
            written = n > 0;
            done += n;
        }
    }
    close(pipeEnds[1]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1 ||
        !written)
        return -1;
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: batch_memory PROGRAM\n");
        return 2;
    }
    const long thousand = peakMemoryKib(argv[1], 1000);
    const long million = peakMemoryKib(argv[1], 1000000);
    if (thousand <= 0 || million <= 0) {
        std::fprintf(stderr, "batch_memory: %s did not run through\n", argv[1]);
        return 2;
    }
    const double ratio = static_cast<double>(million) / static_cast<double>(thousand);
    std::printf("peak memory: 1,000 rows %ld KiB, 1,000,000 rows %ld KiB, ratio %.3f (at most %.1f)\n",
                thousand, million, ratio, kMostRatio);
    return ratio <= kMostRatio ? 0 : 1;
}
