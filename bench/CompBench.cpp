// Benchmark of the difference encoder on one file pair: the quick mode against the
// straightforward oracle, the thorough and compact modes against xdelta3, bsdiff and zstd
// (sizes after the cabinet's LZX, as a patch carries them), all in the same run. Prints one
// row for each of four tables, prefixed "quick|", "sizes|", "thorough|" and "compact|"
// (bench/run.sh gathers them).
#include <sys/stat.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "BenchMeasure.h"
#include "maker/ApplyDifference.h"
#include "maker/CompModule.h"
#include "maker/CompThorough.h"
#include "maker/DifferenceOracle.h"

namespace {

using bench::ChildRun;
using bench::Spread;
using bench::SpreadOf;

struct Options {
    std::string name, oldPath, newPath, work = "/tmp";
    quen::CompTuning tuning;
    int runs = 5;
    bool oracle = true, tools = true;
    long oracleLimit = 600;  // processor seconds
};

bool Parse(int argc, char** argv, Options& o) {
    if (argc < 4) return false;
    o.name = argv[1];
    o.oldPath = argv[2];
    o.newPath = argv[3];
    for (int i = 4; i < argc; ++i) {
        const bool more = i + 1 < argc;
        if (!std::strcmp(argv[i], "--sample") && more) {
            o.tuning.defaultSample = std::stoll(argv[++i]);
        } else if (!std::strcmp(argv[i], "--move") && more) {
            o.tuning.moveSize = std::stoll(argv[++i]);
        } else if (!std::strcmp(argv[i], "--oracle-limit") && more) {
            o.oracleLimit = std::stol(argv[++i]);
        } else if (!std::strcmp(argv[i], "--runs") && more) {
            o.runs = std::max(1, std::stoi(argv[++i]));
        } else if (!std::strcmp(argv[i], "--work") && more) {
            o.work = argv[++i];
        } else if (!std::strcmp(argv[i], "--no-oracle")) {
            o.oracle = false;
        } else if (!std::strcmp(argv[i], "--no-tools")) {
            o.tools = false;
        } else {
            return false;
        }
    }
    return true;
}

long long FileSize(const std::string& path) {
    struct stat st{};
    return stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

std::string Seconds(const Spread& s, bool bound = false) {
    char text[96];
    std::snprintf(text, sizeof text, "%s%.3f (%.3f-%.3f)", bound ? ">" : "", s.median, s.min, s.max);
    return text;
}

// A delta tool run `runs` times: times, raw peak, output size.
struct ToolFigures {
    Spread seconds;
    long long peakBytes = 0, size = -1;
};

// The thorough data with every copy's old position written as zero: what the data would
// cost if positions were free, so a floor for any choice among equal matches.
quen::Bytes WithoutPositions(quen::ByteView oldFile, quen::ByteView newFile) {
    quen::CompRecords records = quen::EncodeThorough(oldFile, newFile);
    for (quen::CompRecord& r : records) {
        if (r.kind == quen::CompRecord::Copy) r.position = 0;
    }
    return quen::WriteDifference(oldFile, newFile, records);
}

ToolFigures MeasureTool(const std::vector<std::string>& argv, const std::string& output, int runs) {
    std::vector<double> times;
    ToolFigures f;
    for (int r = 0; r < runs; ++r) {
        const ChildRun run = bench::Tool(argv);
        if (!run.ok) return f;
        times.push_back(run.seconds);
        f.peakBytes = std::max(f.peakBytes, run.peakBytes);
    }
    f.seconds = SpreadOf(times);
    f.size = FileSize(output);
    return f;
}

double Ratio(double a, double b) { return b > 0 ? a / b : 0.0; }

// One mode's encoding (each run in a child, for its own raw peak) and decoding.
struct ModeFigures {
    quen::Bytes data;
    Spread seconds, decodeSeconds;
    long long peakBytes = 0;
};

ModeFigures MeasureMode(quen::ByteView oldFile, quen::ByteView newFile, const quen::CompTuning& t, int runs) {
    ModeFigures f;
    std::vector<double> times, decodeTimes;
    for (int r = 0; r < runs; ++r) {
        const ChildRun run = bench::InChild([&] { return !quen::CompareBytes(oldFile, newFile, t).empty(); });
        if (!run.ok) throw std::runtime_error("an encoder run failed");
        times.push_back(run.seconds);
        f.peakBytes = std::max(f.peakBytes, run.peakBytes);
    }
    f.data = quen::CompareBytes(oldFile, newFile, t);
    for (int r = 0; r < runs; ++r) {
        const double start = bench::CpuSeconds();
        const quen::ApplyResult rebuilt = quen::ApplyDifference(oldFile, f.data);
        decodeTimes.push_back(bench::CpuSeconds() - start);
        if (!rebuilt.Ok() || !std::equal(rebuilt.newFile.begin(), rebuilt.newFile.end(), newFile.begin(), newFile.end())) {
            throw std::runtime_error("the difference data does not rebuild the new file");
        }
    }
    f.seconds = SpreadOf(times);
    f.decodeSeconds = SpreadOf(decodeTimes);
    return f;
}

int Run(const Options& o) {
    const std::string oldText = quen::ReadFileForCompare(o.oldPath);
    const std::string newText = quen::ReadFileForCompare(o.newPath);
    const quen::ByteView oldFile = quen::ViewOf(oldText), newFile = quen::ViewOf(newText);
    const double both = static_cast<double>(oldFile.size() + newFile.size());
    quen::CompTuning quick = o.tuning, thorough = o.tuning, compact = o.tuning;
    quick.mode = quen::CompMode::Quick;
    thorough.mode = quen::CompMode::Thorough;
    compact.mode = quen::CompMode::Compact;

    // Quick mode and oracle: processor time of each run, outputs compared byte for byte.
    const quen::Bytes quickDiff = quen::CompareBytes(oldFile, newFile, quick);
    std::vector<double> quickTimes, oracleTimes;
    bool oracleStopped = false;
    for (int r = 0; r < o.runs; ++r) {
        const double start = bench::CpuSeconds();
        if (quen::CompareBytes(oldFile, newFile, quick) != quickDiff) throw std::runtime_error("quick mode varies");
        quickTimes.push_back(bench::CpuSeconds() - start);
        if (!o.oracle || oracleStopped) continue;
        const ChildRun slow = bench::InChild(
            [&] { return quen::oracle::CompareBytes(oldFile, newFile, quick) == quickDiff; }, o.oracleLimit);
        if (!slow.ok && !slow.stopped) throw std::runtime_error("quick mode differs from the oracle");
        oracleStopped = slow.stopped;
        oracleTimes.push_back(slow.seconds);
    }
    const Spread quickS = SpreadOf(quickTimes), oracleS = SpreadOf(oracleTimes);

    const ModeFigures th = MeasureMode(oldFile, newFile, thorough, o.runs);
    const ModeFigures co = MeasureMode(oldFile, newFile, compact, o.runs);
    const quen::Bytes& thoroughDiff = th.data;
    const Spread& thoroughS = th.seconds;
    const long long thoroughPeak = th.peakBytes;

    ToolFigures xdelta, bsdiff, zstd;
    if (o.tools) {
        const std::string out = o.work + "/" + o.name;
        xdelta = MeasureTool({"xdelta3", "-9", "-e", "-f", "-s", o.oldPath, o.newPath, out + ".vcdiff"},
                             out + ".vcdiff", o.runs);
        bsdiff = MeasureTool({"bsdiff", o.oldPath, o.newPath, out + ".bsdiff"}, out + ".bsdiff", o.runs);
        zstd = MeasureTool({"zstd", "-q", "-f", "-19", "--single-thread", "--patch-from=" + o.oldPath, o.newPath,
                            "-o", out + ".zst"},
                           out + ".zst", o.runs);
    }

    const unsigned long thoroughZ = bench::ZlibSize(thoroughDiff);
    const double thoroughLzx = static_cast<double>(bench::LzxCabinetSize(thoroughDiff));
    const double floorLzx = static_cast<double>(bench::LzxCabinetSize(WithoutPositions(oldFile, newFile)));
    const char* bound = oracleStopped ? ">" : "";
    std::printf("quick| %s | %zu | %zu | %s | %s | %s%.0f |\n", o.name.c_str(), oldFile.size(), newFile.size(),
                o.oracle ? Seconds(oracleS, oracleStopped).c_str() : "-", Seconds(quickS).c_str(), bound,
                Ratio(oracleS.median, quickS.median));
    std::printf("sizes| %s | %zu | %zu | %lu | %zu | %.0f | %lu | %lld | %lld | %lld | %.2f | %.2f | %.2f | %.0f | %.2f |\n",
                o.name.c_str(), quickDiff.size(), bench::LzxCabinetSize(quickDiff), bench::ZlibSize(quickDiff),
                thoroughDiff.size(), thoroughLzx, thoroughZ, xdelta.size, bsdiff.size, zstd.size,
                Ratio(thoroughLzx, xdelta.size), Ratio(thoroughLzx, zstd.size), Ratio(thoroughLzx, bsdiff.size), floorLzx,
                Ratio(floorLzx, xdelta.size));
    std::printf("thorough| %s | %s | %s | %.2f | %s | %s | %.1f MB (%.2fx) | %.1f MB (%.2fx) | %.1f MB (%.2fx) | %.0f MB/s |\n",
                o.name.c_str(), Seconds(thoroughS).c_str(), Seconds(bsdiff.seconds).c_str(),
                Ratio(thoroughS.median, bsdiff.seconds.median), Seconds(xdelta.seconds).c_str(),
                Seconds(zstd.seconds).c_str(), thoroughPeak / 1048576.0, thoroughPeak / both,
                bsdiff.peakBytes / 1048576.0, bsdiff.peakBytes / both, zstd.peakBytes / 1048576.0, zstd.peakBytes / both,
                Ratio(static_cast<double>(newFile.size()), th.decodeSeconds.median) / 1048576.0);
    const double compactLzx = static_cast<double>(bench::LzxCabinetSize(co.data));
    std::printf("compact| %s | %zu | %.0f | %.0f | %lld | %lld | %lld | %.2f | %.2f | %.2f | %.2f | %s | %.2f | %.1f MB (%.2fx) | %.0f MB/s |\n",
                o.name.c_str(), co.data.size(), compactLzx, thoroughLzx, xdelta.size, bsdiff.size, zstd.size,
                Ratio(compactLzx, thoroughLzx), Ratio(compactLzx, xdelta.size), Ratio(compactLzx, zstd.size),
                Ratio(compactLzx, bsdiff.size), Seconds(co.seconds).c_str(), Ratio(co.seconds.median, bsdiff.seconds.median),
                co.peakBytes / 1048576.0, co.peakBytes / both,
                Ratio(static_cast<double>(newFile.size()), co.decodeSeconds.median) / 1048576.0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!Parse(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: comp_bench NAME OLD NEW [--runs N] [--sample S] [--move M] [--oracle-limit SECONDS]\n"
                     "                  [--no-oracle] [--no-tools] [--work DIR]\n");
        return 2;
    }
    try {
        return Run(o);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", o.name.c_str(), e.what());
        return 1;
    }
}
