// Random and mutated byte buffers for the encoder's property tests.
#pragma once

#include <cstdint>
#include <random>

#include "maker/CompFormat.h"

namespace quen::testbytes {

// Bytes drawn from a small alphabet give many short equal runs, the encoder's hard case.
inline Bytes Random(std::mt19937& rng, std::size_t size, int alphabet = 256) {
    std::uniform_int_distribution<int> d(0, alphabet - 1);
    Bytes b(size);
    for (auto& x : b) x = static_cast<std::uint8_t>(d(rng));
    return b;
}

// Code-like bytes: a few byte values dominate, with runs of zeros and repeated snippets.
inline Bytes CodeLike(std::mt19937& rng, std::size_t size) {
    static const std::uint8_t common[] = {0x00, 0xFF, 0x8B, 0x48, 0x89, 0xE8, 0xCC, 0x0F, 0x45, 0x24};
    Bytes b;
    std::uniform_int_distribution<int> pick(0, 99);
    while (b.size() < size) {
        const int r = pick(rng);
        if (r < 5) {
            b.insert(b.end(), static_cast<std::size_t>(pick(rng)), 0);
        } else if (r < 10 && b.size() > 64) {
            const std::size_t from = rng() % (b.size() - 40);
            const Bytes snip(b.begin() + from, b.begin() + from + 8 + rng() % 32);
            b.insert(b.end(), snip.begin(), snip.end());
        } else if (r < 60) {
            b.push_back(common[rng() % sizeof common]);
        } else {
            b.push_back(static_cast<std::uint8_t>(rng()));
        }
    }
    b.resize(size);
    return b;
}

// A new version of `old`: replaced, inserted, deleted and moved blocks.
inline Bytes Mutate(std::mt19937& rng, const Bytes& old, int edits) {
    Bytes b = old;
    for (int e = 0; e < edits; ++e) {
        const std::size_t at = b.empty() ? 0 : rng() % b.size();
        const std::size_t len = 1 + rng() % 200;
        switch (rng() % 4) {
            case 0:
                for (std::size_t i = at; i < b.size() && i < at + len; ++i) b[i] = static_cast<std::uint8_t>(rng());
                break;
            case 1: {
                const Bytes ins = Random(rng, len);
                b.insert(b.begin() + at, ins.begin(), ins.end());
                break;
            }
            case 2:
                b.erase(b.begin() + at, b.begin() + std::min(b.size(), at + len));
                break;
            default: {
                const std::size_t end = std::min(b.size(), at + len);
                const Bytes block(b.begin() + at, b.begin() + end);
                b.erase(b.begin() + at, b.begin() + end);
                const std::size_t to = b.empty() ? 0 : rng() % b.size();
                b.insert(b.begin() + to, block.begin(), block.end());
            }
        }
    }
    return b;
}

}  // namespace quen::testbytes
