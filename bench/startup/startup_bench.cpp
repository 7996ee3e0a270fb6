// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole-process start-up: the program against a bare Qt window of the same size, each started
// on one platform (offscreen unless told) and ended by itself once its first whole frame is
// painted. The two alternate in one run, so that whatever else the machine does falls on both
// alike. Reports the medians of the wall time from start to exit, of the peak resident memory,
// and of the private memory as the first frame stands, with their ratios.
//
// Usage: startup_bench [--platform=NAME] [rounds] [program] [bare window]
//   --platform=xcb measures on the X server that DISPLAY names.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double ms;
    double rssMiB;
    double privateMiB;   // Private_Dirty: the process's own written pages, anonymous or not
    double anonymousMiB; // Anonymous: heap, stacks and other memory no file stands behind
};

// A "Name:   123 kB" field of /proc/PID/smaps_rollup, in MiB; -1 when absent.
double rollupField(const std::string& text, const std::string& name) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(name + ":", 0) == 0) return std::atof(line.c_str() + name.size() + 1) / 1024;
    return -1;
}

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

Run runOnce(const std::string& path, const std::string& memoryFile) {
    std::remove(memoryFile.c_str());
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
    std::ifstream note(memoryFile);
    std::stringstream text;
    text << note.rdbuf();
    const double priv = rollupField(text.str(), "Private_Dirty");
    const double anon = rollupField(text.str(), "Anonymous");
    if (priv < 0 || anon < 0) {
        std::fprintf(stderr, "startup_bench: %s left no memory note at its first frame\n",
                     path.c_str());
        std::exit(1);
    }
    return {ms, double(usage.ru_maxrss) / 1024.0, priv, anon}; // ru_maxrss is in KiB
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void report(const char* what, const std::vector<double>& prog, const std::vector<double>& bare,
            const char* extra) {
    const double p = median(prog), b = median(bare);
    std::printf("%s program=%.1f bare=%.1f ratio=%.3f%s\n", what, p, b, p / b, extra);
}

} // namespace

int main(int argc, char** argv) {
    std::string platform = "offscreen";
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--platform=", 0) == 0)
            platform = a.substr(11);
        else
            args.push_back(a);
    }
    const int rounds = args.size() > 0 ? std::max(1, std::atoi(args[0].c_str())) : 21;
    const std::string program = args.size() > 1 ? args[1] : ZQ_PROGRAM;
    const std::string bare = args.size() > 2 ? args[2] : ZQ_BARE_WINDOW;
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    setenv("ZELQUIN_QUIT_AFTER_FIRST_FRAME", "1", 1);
    char dir[] = "/tmp/startup_bench.XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("startup_bench: mkdtemp");
        return 1;
    }
    const std::string memoryFile = std::string(dir) + "/memory";
    setenv("ZELQUIN_FIRST_FRAME_MEMORY", memoryFile.c_str(), 1);

    // A freshly linked executable may still have dirty pages in the page cache, which the
    // kernel counts as the process's private dirty memory until they are written back.
    for (const std::string& exe : {program, bare}) {
        const int fd = open(exe.c_str(), O_RDONLY);
        if (fd >= 0) {
            fsync(fd);
            close(fd);
        }
    }
    // One untimed start of each fills the page cache and the font cache.
    runOnce(program, memoryFile);
    runOnce(bare, memoryFile);
    std::vector<double> ms[2], rss[2], priv[2], anon[2]; // [0] program, [1] bare
    for (int i = 0; i < rounds; ++i) {
        // Who goes first changes every round.
        for (int k = 0; k < 2; ++k) {
            const int who = (i + k) % 2;
            const Run r = runOnce(who == 0 ? program : bare, memoryFile);
            ms[who].push_back(r.ms);
            rss[who].push_back(r.rssMiB);
            priv[who].push_back(r.privateMiB);
            anon[who].push_back(r.anonymousMiB);
        }
    }
    std::remove(memoryFile.c_str());
    rmdir(dir);
    const std::string extra = " rounds=" + std::to_string(rounds) + " platform=" + platform;
    report("startup_ms", ms[0], ms[1], extra.c_str());
    report("peak_rss_mib", rss[0], rss[1], extra.c_str());
    report("private_mib", priv[0], priv[1], extra.c_str());
    report("anonymous_mib", anon[0], anon[1], extra.c_str());
    return 0;
}
