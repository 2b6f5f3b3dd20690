// Cabinet benchmark: one package (the files named on the command line) packed by the
// cabinet writer with MSZIP and with LZX, beside zlib -9 over the same bytes; prints one
// markdown row fragment (the script adds xz -9). Times are processor seconds.
#include <zlib.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "maker/cab/CabWriter.h"

namespace {

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double MBps(std::size_t bytes, double seconds) { return static_cast<double>(bytes) / 1e6 / std::max(seconds, 1e-6); }

}  // namespace

int main(int argc, char** argv) {
    using namespace quen::cab;
    if (argc < 3) {
        std::fprintf(stderr, "usage: cab_bench NAME FILE...\n");
        return 2;
    }
    std::vector<CabEntry> files;
    quen::Bytes all;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        CabEntry& e = files.emplace_back();
        e.name = "P" + std::to_string(i - 1);
        e.data.assign(std::istreambuf_iterator<char>(in), {});
        all.insert(all.end(), e.data.begin(), e.data.end());
    }
    CabSettings mszip, lzx;
    mszip.method = kMszip;
    lzx.method = kLzx;
    double t = CpuSeconds();
    const std::size_t mszipBytes = WriteCabinet(files, mszip).size();
    const double mszipS = CpuSeconds() - t;
    t = CpuSeconds();
    const std::size_t lzxBytes = WriteCabinet(files, lzx).size();
    const double lzxS = CpuSeconds() - t;
    t = CpuSeconds();
    uLongf zBytes = compressBound(static_cast<uLong>(all.size()));
    quen::Bytes z(zBytes);
    compress2(z.data(), &zBytes, all.data(), static_cast<uLong>(all.size()), 9);
    const double zS = CpuSeconds() - t;
    std::printf("| %s | %zu | %zu | %zu | %.3f | %.2f | %.2f | %.2f |", argv[1], all.size(), mszipBytes, lzxBytes,
                static_cast<double>(lzxBytes) / static_cast<double>(mszipBytes), MBps(all.size(), lzxS),
                MBps(all.size(), mszipS), MBps(all.size(), zS));
    return 0;
}
