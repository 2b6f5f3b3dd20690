// Byte search of a Replace Byte action through 100 MB: the engine's memchr-driven search
// against a plain byte-by-byte scan with a first-byte test, measured in the same run.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "runtime/ByteEdits.h"

namespace {

using quen::runtime::FindBytes;
using Buffer = std::vector<unsigned char>;
using Clock = std::chrono::steady_clock;

// The scan a straightforward port would do: test every position's first byte, then the rest.
size_t PlainScan(const Buffer& data, size_t lastStart, const Buffer& needle) {
    for (size_t p = 0; p <= lastStart; ++p) {
        if (data[p] != needle[0]) continue;
        size_t k = 1;
        while (k < needle.size() && data[p + k] == needle[k]) ++k;
        if (k == needle.size()) return p;
    }
    return std::string::npos;
}

template <typename F>
double Seconds(F f, int rounds) {
    double best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        const auto t0 = Clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

void Report(const char* name, const Buffer& data, const Buffer& needle) {
    const size_t lastStart = data.size() - needle.size();
    size_t a = 0, b = 0;
    int ticks = 0;
    const double engine = Seconds([&] { a = FindBytes(data.data(), data.size(), 0, lastStart, needle, [&] { ++ticks; }); }, 5);
    const double plain = Seconds([&] { b = PlainScan(data, lastStart, needle); }, 3);
    if (a != b) std::printf("MISMATCH %zu %zu\n", a, b);
    const double mb = static_cast<double>(data.size()) / 1e6;
    std::printf("%-34s engine %8.1f ms (%7.0f MB/s)  plain %8.1f ms (%6.0f MB/s)  speed-up x%.1f  events every %.2f ms\n",
                name, engine * 1e3, mb / engine, plain * 1e3, mb / plain, plain / engine,
                ticks ? engine * 1e3 / (ticks / 5.0) : 0.0);
}

}  // namespace

int main() {
    const size_t size = 100u << 20;
    std::mt19937_64 rng(42);
    Buffer random(size);
    for (auto& c : random) c = static_cast<unsigned char>(rng());
    const Buffer needle = {0x4D, 0x5A, 0x90, 0x00, 0x03, 0x07};  // absent: the whole file is searched
    Report("100 MB random, pattern absent", random, needle);

    // Executable-like data: mostly zeros, and a pattern that starts with a zero byte.
    Buffer zeros(size, 0);
    for (size_t i = 0; i < size; i += 97) zeros[i] = static_cast<unsigned char>(rng());
    Report("100 MB mostly zero, 00-led pattern", zeros, Buffer{0x00, 0xEE, 0xEE, 0xEE});

    Buffer text(size);
    const char* words = "the quick brown fox jumps over the lazy dog ";
    for (size_t i = 0; i < size; ++i) text[i] = static_cast<unsigned char>(words[i % 44]);
    Report("100 MB text, frequent first byte", text, Buffer{'t', 'h', 'e', '!'});
    return 0;
}
