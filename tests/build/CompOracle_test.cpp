// The production encoder gives byte for byte the straightforward encoder's output, and
// the decoder rebuilds the new file from it, on random, mutated and PE inputs.
#include <gtest/gtest.h>

#include <random>

#include "build/ApplyDifference.h"
#include "build/CompModule.h"
#include "build/DifferenceOracle.h"
#include "build/PeBuilder.h"
#include "build/TestBytes.h"

namespace quen {
namespace {

using testbytes::CodeLike;
using testbytes::Mutate;
using testbytes::Random;

// Checks one pair; returns false (after reporting) on the first difference.
bool AgreesAndRebuilds(const Bytes& oldFile, const Bytes& newFile, const CompTuning& t, const std::string& what) {
    const Bytes expected = oracle::CompareBytes(oldFile, newFile, t);
    const Bytes actual = CompareBytes(oldFile, newFile, t);
    EXPECT_EQ(actual, expected) << what << " S=" << t.defaultSample << " M=" << t.moveSize;
    const ApplyResult r = ApplyDifference(oldFile, actual);
    EXPECT_TRUE(r.Ok()) << what << ": " << ApplyFaultText(r.fault);
    EXPECT_TRUE(r.newFile == newFile) << what << " rebuilt differently";
    return actual == expected && r.Ok() && r.newFile == newFile;
}

const CompTuning kTunings[] = {{1, 1}, {2, 3}, {3, 1}, {8, 4}, {16, 2}, {32, 4}, {64, 4}, {64, 1}, {100, 7}};

TEST(EncoderAgainstOracle, MutatedCodeLikeFiles) {
    std::mt19937 rng(1);
    for (int round = 0; round < 12; ++round) {
        const Bytes oldFile = CodeLike(rng, 6000 + rng() % 20000);
        const Bytes newFile = Mutate(rng, oldFile, 1 + round * 3);
        for (const CompTuning& t : kTunings) {
            if (!AgreesAndRebuilds(oldFile, newFile, t, "round " + std::to_string(round))) return;
        }
    }
}

TEST(EncoderAgainstOracle, RandomBuffersOverSmallAlphabets) {
    std::mt19937 rng(2);
    for (int alphabet : {2, 4, 16, 256}) {
        for (int round = 0; round < 3; ++round) {
            const Bytes oldFile = Random(rng, 4000 + rng() % 5000, alphabet);
            const Bytes newFile = round == 0 ? Random(rng, 5000, alphabet) : Mutate(rng, oldFile, 10);
            for (const CompTuning& t : kTunings) {
                if (!AgreesAndRebuilds(oldFile, newFile, t, "alphabet " + std::to_string(alphabet))) return;
            }
        }
    }
}

TEST(EncoderAgainstOracle, PeriodicAndZeroFilledData) {
    // Many equal windows: the index must still answer exactly.
    std::mt19937 rng(3);
    // Every 50th byte changed: runs just short of the sample size everywhere, the walk's
    // worst case, with random bytes around the periodic stretch to end its repeats.
    for (std::size_t period : {1u, 3u, 7u, 16u, 33u, 65u}) {
        Bytes oldFile(20000);
        for (std::size_t i = 0; i < oldFile.size(); ++i) oldFile[i] = static_cast<std::uint8_t>(i % period * 37);
        Bytes dense = oldFile;
        for (std::size_t i = 25; i < dense.size(); i += 50) dense[i] ^= 0x5A;
        Bytes framed = Random(rng, 14000);
        std::copy(oldFile.begin(), oldFile.begin() + 9000, framed.begin() + 3000);
        for (const auto& [from, to] : {std::pair{&oldFile, Mutate(rng, oldFile, 8)}, {&oldFile, dense}, {&framed, dense}}) {
            for (const CompTuning& t : kTunings) {
                if (!AgreesAndRebuilds(*from, to, t, "period " + std::to_string(period))) return;
            }
        }
    }
}

TEST(EncoderAgainstOracle, SmallAndDegenerateSizes) {
    std::mt19937 rng(4);
    for (std::size_t oldSize : {0u, 1u, 2u, 9u, 64u, 65u, 4095u, 4096u}) {
        for (std::size_t newSize : {0u, 1u, 8u, 9u, 33u, 100u}) {
            const Bytes oldFile = Random(rng, oldSize, 3);
            Bytes newFile = Random(rng, newSize, 3);
            for (std::size_t i = 0; i < newSize && i < oldSize; i += 2) newFile[i] = oldFile[i];
            for (const CompTuning& t : kTunings) {
                if (!AgreesAndRebuilds(oldFile, newFile, t, "sizes")) return;
            }
        }
    }
}

// PE pairs: sections changed, renamed, added and emptied.
Bytes PeOf(std::mt19937& rng, const std::vector<std::pair<std::string, Bytes>>& s, bool mutate) {
    if (!mutate) return testpe::Build(s);
    auto changed = s;
    for (auto& sec : changed) {
        if (!sec.second.empty() && rng() % 3) sec.second = Mutate(rng, sec.second, 4);
    }
    if (rng() % 2) changed.push_back({".new", Random(rng, 300)});
    if (rng() % 2) changed[rng() % changed.size()].first = ".renamed";
    return testpe::Build(changed);
}

TEST(EncoderAgainstOracle, PeFilesSectionBySection) {
    std::mt19937 rng(6);
    for (int round = 0; round < 10; ++round) {
        const std::vector<std::pair<std::string, Bytes>> sections{{".text", CodeLike(rng, 9000)},
                                                                  {".rdata", CodeLike(rng, 3000)},
                                                                  {".data", CodeLike(rng, 5000)},
                                                                  {".bssish", {}},
                                                                  {".rsrc", Random(rng, 2000, 8)},
                                                                  {".reloc", CodeLike(rng, 600)}};
        const Bytes oldFile = PeOf(rng, sections, false);
        Bytes newFile = PeOf(rng, sections, true);
        ASSERT_TRUE(ReadSections(newFile)) << round;
        if (round % 3 == 0) newFile.insert(newFile.end(), 100, 0x5A);  // data appended after the last section
        for (const CompTuning& t : {CompTuning{64, 4}, CompTuning{16, 1}, CompTuning{8, 3}}) {
            if (!AgreesAndRebuilds(oldFile, newFile, t, "pe round " + std::to_string(round))) return;
        }
    }
}

TEST(EncoderAgainstOracle, FindMatchFromEveryStart) {
    std::mt19937 rng(7);
    const Bytes oldFile = CodeLike(rng, 3000);
    const Bytes newFile = Mutate(rng, oldFile, 6);
    const auto oe = static_cast<std::int64_t>(oldFile.size());
    const auto ne = static_cast<std::int64_t>(newFile.size());
    for (const CompTuning& t : kTunings) {
        for (int i = 0; i < 300; ++i) {
            const std::int64_t q = 1 + rng() % oe, n = 1 + rng() % ne;
            const Match a = FindMatch(oldFile, q, oe, newFile, n, ne, t.defaultSample, t.moveSize);
            const Match b = oracle::FindMatch(oldFile, q, oe, newFile, n, ne, t.defaultSample, t.moveSize);
            ASSERT_EQ(a.position, b.position) << q << " " << n;
            ASSERT_EQ(a.length, b.length) << q << " " << n;
        }
    }
}

}  // namespace
}  // namespace quen
