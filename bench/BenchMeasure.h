// Measuring helpers of the encoder benchmark: processor time, raw peak resident size
// of child processes, medians with their spread, zlib level 9 and LZX cabinet sizes.
#pragma once

#include <zlib.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "maker/CompFormat.h"
#include "maker/cab/CabWriter.h"

namespace bench {

// Processor time of this process: on a shared machine wall time measures the neighbours.
inline double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

struct Spread {
    double median = 0, min = 0, max = 0;
};

inline Spread SpreadOf(std::vector<double> v) {
    if (v.empty()) return {};
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return {median, v.front(), v.back()};
}

// One finished child: its processor seconds, its raw peak resident bytes (everything it
// held, the inherited files included), and how it ended.
struct ChildRun {
    double seconds = 0;
    long long peakBytes = 0;
    bool ok = false;
    bool stopped = false;  // ended by the processor time limit
};

inline ChildRun Reap(pid_t child) {
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    ChildRun run;
    run.seconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakBytes = static_cast<long long>(usage.ru_maxrss) * 1024;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.stopped = WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU;
    return run;
}

// Runs `work` in a child process (exit status 0 when it returns true), optionally under
// a processor time limit in seconds.
inline ChildRun InChild(const std::function<bool()>& work, long cpuLimit = 0) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        if (cpuLimit > 0) {
            const rlimit cpu{static_cast<rlim_t>(cpuLimit), static_cast<rlim_t>(cpuLimit + 5)};
            setrlimit(RLIMIT_CPU, &cpu);
        }
        _exit(work() ? 0 : 3);
    }
    return Reap(child);
}

// Runs an external program, its output thrown away.
inline ChildRun Tool(const std::vector<std::string>& argv) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(4);
        execvp(args[0], args.data());
        _exit(5);
    }
    return Reap(child);
}

inline unsigned long ZlibSize(const quen::Bytes& data) {
    uLongf size = compressBound(data.size());
    quen::Bytes out(size);
    if (compress2(out.data(), &size, data.data(), data.size(), 9) != Z_OK) return 0;
    return size;
}

// The whole cabinet holding `data` as its one file, written by QCab's cabinet writer with
// the shipped template's settings (LZX, 2 MB window, level 7): what a patch carries.
inline std::size_t LzxCabinetSize(const quen::Bytes& data) {
    quen::cab::CabEntry entry;
    entry.name = "P1";
    entry.data = data;
    return quen::cab::WriteCabinet({entry}, quen::cab::CabSettings{}).size();
}

}  // namespace bench
