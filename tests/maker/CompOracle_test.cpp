// The production encoder gives byte for byte the straightforward encoder's output on
// random, mutated, periodic and PE inputs (difference_fuzz decodes what the encoder writes).
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "maker/CompModule.h"
#include "maker/DifferenceOracle.h"
#include "maker/PeBuilder.h"
#include "maker/TestBytes.h"

namespace quen {
namespace {

using testbytes::CodeLike;
using testbytes::Mutate;
using testbytes::Random;

// Checks one pair; returns false (after reporting) on the first difference.
bool Agrees(const Bytes& oldFile, const Bytes& newFile, const CompTuning& t, const std::string& what) {
    const Bytes actual = CompareBytes(oldFile, newFile, t);
    EXPECT_EQ(actual, oracle::CompareBytes(oldFile, newFile, t)) << what << " S=" << t.defaultSample << " M=" << t.moveSize;
    return !::testing::Test::HasFailure();
}

const CompTuning kTunings[] = {{1, 1}, {2, 3}, {3, 1}, {8, 4}, {16, 2}, {32, 4}, {64, 4}, {64, 1}, {100, 7}};

// Mutated code-like files and periodic data (many equal windows: the index must still
// answer exactly).
TEST(EncoderAgainstOracle, GeneratedPairs) {
    std::mt19937 rng(1);
    std::vector<std::tuple<std::string, Bytes, Bytes>> pairs;
    for (int round = 0; round < 12; ++round) {
        const Bytes oldFile = CodeLike(rng, 6000 + rng() % 20000);
        pairs.emplace_back("code " + std::to_string(round), oldFile, Mutate(rng, oldFile, 1 + round * 3));
    }
    // A periodic stretch that ends inside the old file, and new bytes that copy its last
    // few bytes and what follows: a skip over repeats must stop where the repetition ends.
    for (int round = 0; round < 300; ++round) {
        const std::size_t period = 1 + rng() % 40, length = 500 + rng() % 3000, before = rng() % 300;
        const Bytes unit = Random(rng, period);
        Bytes oldFile = Random(rng, before + length + 400), newFile(length + 600);
        for (std::size_t i = 0; i < length; ++i) oldFile[before + i] = unit[i % period];
        const std::size_t every = 20 + rng() % 60;
        for (std::size_t i = 0; i < newFile.size(); ++i) newFile[i] = unit[i % period] ^ (i % every ? 0 : 0x5A);
        const std::size_t from = before + length - rng() % (2 * period + 8);
        std::copy(oldFile.begin() + from, oldFile.begin() + from + 300, newFile.begin() + rng() % 300);
        pairs.emplace_back("periodic end", oldFile, newFile);
    }
    for (const auto& [label, oldFile, newFile] : pairs) {
        for (const CompTuning& t : kTunings) {
            if (!Agrees(oldFile, newFile, t, label)) return;
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
            if (!Agrees(oldFile, newFile, t, "pe round " + std::to_string(round))) return;
        }
    }
}

}  // namespace
}  // namespace quen
