// Length-limited codes: complete, within the limit, a code for every used symbol (how short
// they are for frequent symbols shows in the compression benchmark; the canonical codes
// are read back by cabextract in CabRoundTrip_test).
#include <gtest/gtest.h>

#include <random>

#include "maker/cab/CabHuffman.h"

namespace quen::cab {
namespace {

// Kraft sum scaled by 2^16: exactly 65536 for a complete code.
std::uint64_t Kraft(const std::vector<std::uint8_t>& lengths) {
    std::uint64_t sum = 0;
    for (const std::uint8_t l : lengths) if (l) sum += std::uint64_t{1} << (16 - l);
    return sum;
}

TEST(CabHuffman, CompleteAndLimited) {
    std::mt19937 rng(7);
    std::vector<std::vector<std::uint32_t>> tables = {{}, {0, 0, 5}, {9}, {1, 1}, std::vector<std::uint32_t>(20, 0)};
    std::vector<std::uint32_t> fib(40);  // Fibonacci weights force codes past any limit
    fib[0] = fib[1] = 1;
    for (std::size_t i = 2; i < fib.size(); ++i) fib[i] = fib[i - 1] + fib[i - 2];
    tables.push_back(fib);
    for (int t = 0; t < 40; ++t) {
        std::vector<std::uint32_t> f(1 + rng() % 700);
        for (auto& x : f) x = rng() % 4 == 0 ? 0 : 1 + (rng() % (1u << (rng() % 20)));
        tables.push_back(f);
    }
    for (const int limit : {16, 15, 7}) {
        for (const auto& f : tables) {
            if (f.size() > (1u << limit) || f.size() < 2) continue;
            const auto len = CodeLengths(f, limit);
            EXPECT_EQ(Kraft(len), 65536u);
            int used = 0;
            for (std::size_t i = 0; i < f.size(); ++i) {
                EXPECT_LE(len[i], limit);
                if (f[i] > 0) { EXPECT_GT(len[i], 0) << i; }
                used += len[i] > 0;
            }
            EXPECT_GE(used, 2);
        }
    }
}

}  // namespace
}  // namespace quen::cab
