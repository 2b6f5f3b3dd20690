// The thorough encoder: its suffix index against brute force and the moved blocks only it
// finds (applydifference_fuzz and the QuenDiff round trip decode its output elsewhere).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "maker/ApplyDifference.h"
#include "maker/CompModule.h"
#include "maker/SuffixArray.h"
#include "maker/TestBytes.h"

namespace quen {
namespace {

constexpr CompTuning kThorough{64, 4, CompMode::Thorough};

// Small alphabets and periodic texts give the deep recursions and long equal prefixes
// that induced sorting gets wrong first.
TEST(SuffixIndex, MatchesBruteForce) {
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        const std::size_t n = round < 20 ? static_cast<std::size_t>(round) : 1 + rng() % 400;
        Bytes text = testbytes::Random(rng, n, 1 + round % 5);
        if (round % 7 == 0) {
            for (std::size_t i = 3; i < n; ++i) text[i] = text[i % 3];
        }
        const std::vector<std::uint32_t> sa = BuildSuffixArray(text);
        std::vector<std::uint32_t> want(n);
        for (std::uint32_t i = 0; i < n; ++i) want[i] = i;
        std::sort(want.begin(), want.end(), [&](std::uint32_t a, std::uint32_t b) {
            return std::lexicographical_compare(text.begin() + a, text.end(), text.begin() + b, text.end());
        });
        ASSERT_EQ(sa, want) << "round " << round;

        const SuffixIndex index(text);
        const Bytes pattern = testbytes::Random(rng, rng() % 12, 1 + round % 5);
        std::uint32_t longest = 0;
        for (std::size_t a = 0; a < n; ++a) {
            std::uint32_t k = 0;
            while (k < pattern.size() && a + k < n && text[a + k] == pattern[k]) ++k;
            longest = std::max(longest, k);
        }
        const SuffixMatch m = index.Longest(pattern);
        ASSERT_EQ(m.length, longest) << "round " << round;
        ASSERT_TRUE(std::equal(pattern.begin(), pattern.begin() + m.length, text.begin() + m.offset));
    }
}

void ExpectRebuilds(const Bytes& oldFile, const Bytes& newFile, const std::string& label) {
    const Bytes diff = CompareBytes(oldFile, newFile, kThorough);
    const ApplyResult r = ApplyDifference(oldFile, diff);
    ASSERT_TRUE(r.Ok()) << label << ": " << ApplyFaultText(r.fault);
    ASSERT_TRUE(r.newFile == newFile) << label;
}

TEST(ThoroughMode, FindsMovedBlocksTheQuickScanStoresAsLiterals) {
    std::mt19937 rng(3);
    const Bytes a = testbytes::Random(rng, 20000), b = testbytes::Random(rng, 20000);
    Bytes oldFile = a, newFile = b;
    oldFile.insert(oldFile.end(), b.begin(), b.end());
    newFile.insert(newFile.end(), a.begin(), a.end());
    const Bytes thorough = CompareBytes(oldFile, newFile, kThorough);
    EXPECT_EQ(thorough.size(), kDiffHeaderSize + 2 * kCopyRecordSize);
    EXPECT_GT(CompareBytes(oldFile, newFile, {}).size(), 20000u);
    ExpectRebuilds(oldFile, newFile, "swapped halves");
}

// Edited code-like files: many matches start inside longer ones, and the result is smaller
// than the quick scan's.
TEST(ThoroughMode, EditedFilesRebuildSmallerThanTheQuickScan) {
    std::mt19937 rng(5);
    for (int round = 0; round < 4; ++round) {
        const Bytes oldFile = testbytes::CodeLike(rng, 30000), newFile = testbytes::Mutate(rng, oldFile, 10 + 10 * round);
        ExpectRebuilds(oldFile, newFile, "edited " + std::to_string(round));
        EXPECT_LT(CompareBytes(oldFile, newFile, kThorough).size(), CompareBytes(oldFile, newFile, {}).size());
    }
}

TEST(ThoroughMode, IdenticalFilesGiveOneCopyAndAnEmptyNewFileTheHeader) {
    for (const std::size_t size : {1u, 5u, 100u, 70000u}) {
        Bytes file(size);
        for (std::size_t i = 0; i < size; ++i) file[i] = static_cast<std::uint8_t>(i % 7);
        const Bytes same = CompareBytes(file, file, kThorough);
        ASSERT_EQ(same.size(), kDiffHeaderSize + kCopyRecordSize) << size;
        EXPECT_EQ(same[kDiffHeaderSize], kRecordCopy);
        EXPECT_EQ(GetLE32(same.data() + kDiffHeaderSize + 1), 1u);
        EXPECT_EQ(GetLE32(same.data() + kDiffHeaderSize + 5), size);
        EXPECT_EQ(CompareBytes(file, {}, kThorough).size(), kDiffHeaderSize) << size;
    }
}

}  // namespace
}  // namespace quen
