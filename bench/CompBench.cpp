// Benchmark of the difference encoder on real file pairs: times the production encoder
// and the straightforward oracle in the same run and prints one markdown table row.
#include <zlib.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>

#include "build/ApplyDifference.h"
#include "build/CompModule.h"
#include "build/DifferenceOracle.h"

namespace {

// Processor time of this process: on a shared machine wall time measures the neighbours.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

// The process's peak resident memory in bytes (Linux VmHWM).
long long PeakBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6)) * 1024;
    }
    return -1;
}

unsigned long ZlibSize(const quen::Bytes& data) {
    uLongf size = compressBound(data.size());
    quen::Bytes out(size);
    if (compress2(out.data(), &size, data.data(), data.size(), 9) != Z_OK) return 0;
    return size;
}

struct Options {
    std::string name, oldPath, newPath;
    quen::CompTuning tuning;
    bool oracle = true;
    long oracleLimit = 600;  // processor seconds
};

struct OracleRun {
    double seconds = 0;
    bool stopped = false;  // hit the processor time limit: seconds is a lower bound
    bool differs = false;
};

// Runs the oracle in a child process under a processor time limit (it can take many
// minutes where nothing matches) and compares its output with the production one.
OracleRun RunOracle(quen::ByteView oldFile, quen::ByteView newFile, const quen::CompTuning& tuning,
                    const quen::Bytes& expected, long limit) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        const rlimit cpu{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit + 5)};
        setrlimit(RLIMIT_CPU, &cpu);
        const quen::Bytes diff = quen::oracle::CompareBytes(oldFile, newFile, tuning);
        _exit(diff == expected ? 0 : 3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    OracleRun run;
    run.seconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.stopped = WIFSIGNALED(status);
    run.differs = WIFEXITED(status) && WEXITSTATUS(status) != 0;
    return run;
}

bool Parse(int argc, char** argv, Options& o) {
    if (argc < 4) return false;
    o.name = argv[1];
    o.oldPath = argv[2];
    o.newPath = argv[3];
    for (int i = 4; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--sample") && i + 1 < argc) {
            o.tuning.defaultSample = std::stoll(argv[++i]);
        } else if (!std::strcmp(argv[i], "--move") && i + 1 < argc) {
            o.tuning.moveSize = std::stoll(argv[++i]);
        } else if (!std::strcmp(argv[i], "--oracle-limit") && i + 1 < argc) {
            o.oracleLimit = std::stol(argv[++i]);
        } else if (!std::strcmp(argv[i], "--no-oracle")) {
            o.oracle = false;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!Parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: comp_bench NAME OLD NEW [--sample S] [--move M] [--oracle-limit SECONDS] [--no-oracle]\n");
        return 2;
    }
    try {
        const long long baseline = PeakBytes();
        const std::string oldText = quen::ReadFileForCompare(o.oldPath);
        const std::string newText = quen::ReadFileForCompare(o.newPath);
        const quen::ByteView oldFile = quen::ViewOf(oldText), newFile = quen::ViewOf(newText);
        double start = CpuSeconds();
        const quen::Bytes diff = quen::CompareBytes(oldFile, newFile, o.tuning);
        const double fast = CpuSeconds() - start;
        const long long peak = PeakBytes();
        start = CpuSeconds();
        const quen::ApplyResult rebuilt = quen::ApplyDifference(oldFile, diff);
        const double apply = CpuSeconds() - start;
        if (!rebuilt.Ok() || !std::equal(rebuilt.newFile.begin(), rebuilt.newFile.end(), newFile.begin(), newFile.end())) {
            std::fprintf(stderr, "%s: the difference data does not rebuild the new file\n", o.name.c_str());
            return 1;
        }
        const OracleRun slow = o.oracle ? RunOracle(oldFile, newFile, o.tuning, diff, o.oracleLimit) : OracleRun{};
        if (slow.differs) {
            std::fprintf(stderr, "%s: production output differs from the oracle\n", o.name.c_str());
            return 1;
        }
        const double both = static_cast<double>(oldFile.size() + newFile.size());
        const char* bound = slow.stopped ? ">" : "";
        std::printf("| %s | %zu | %zu | %s%.2f | %.3f | %s%.0f | %.1f MB (%.2fx) | %.2fx | %.0f MB/s | %zu | %lu |",
                    o.name.c_str(), oldFile.size(), newFile.size(), bound, slow.seconds, fast, bound,
                    fast > 0 ? slow.seconds / fast : 0.0, peak / 1048576.0, peak / both, (peak - baseline) / both,
                    apply > 0 ? newFile.size() / apply / 1048576.0 : 0.0, diff.size(), ZlibSize(diff));
        std::fflush(stdout);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", o.name.c_str(), e.what());
        return 1;
    }
}
