// Whole-process start-up: the program against a bare Qt window of the same size, each started
// offscreen and ended by itself once its first whole frame is painted. The two alternate in
// one run, so that whatever else the machine does falls on both alike. Reports the medians of
// the wall time from start to exit and of the peak resident memory, and their ratios.
//
// Usage: startup_bench [rounds] [program] [bare window]
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double ms;
    double rssMiB;
};

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

Run runOnce(const std::string& path) {
    const double start = now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("startup_bench: fork");
        std::exit(1);
    }
    if (pid == 0) {
        // Qt's notes about the offscreen platform are not what is measured.
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0)
        if (errno != EINTR) {
            std::perror("startup_bench: wait4");
            std::exit(1);
        }
    const double ms = now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "startup_bench: %s did not end cleanly (status %d)\n", path.c_str(),
                     status);
        std::exit(1);
    }
    return {ms, double(usage.ru_maxrss) / 1024.0}; // ru_maxrss is in KiB
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const std::string program = argc > 2 ? argv[2] : ZQ_PROGRAM;
    const std::string bare = argc > 3 ? argv[3] : ZQ_BARE_WINDOW;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("ZELQUIN_QUIT_AFTER_FIRST_FRAME", "1", 1);

    // One untimed start of each fills the page cache and the font cache.
    runOnce(program);
    runOnce(bare);
    std::vector<double> progMs, bareMs, progMem, bareMem;
    for (int i = 0; i < rounds; ++i) {
        // Who goes first changes every round.
        for (int k = 0; k < 2; ++k) {
            const bool prog = (i + k) % 2 == 0;
            const Run r = runOnce(prog ? program : bare);
            (prog ? progMs : bareMs).push_back(r.ms);
            (prog ? progMem : bareMem).push_back(r.rssMiB);
        }
    }
    const double pm = median(progMs), bm = median(bareMs);
    const double pr = median(progMem), br = median(bareMem);
    std::printf("startup_ms program=%.1f bare=%.1f ratio=%.3f rounds=%d\n", pm, bm, pm / bm,
                rounds);
    std::printf("peak_rss_mib program=%.1f bare=%.1f ratio=%.3f rounds=%d\n", pr, br, pr / br,
                rounds);
    return 0;
}
