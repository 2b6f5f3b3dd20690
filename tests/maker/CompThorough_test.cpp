// The thorough encoder: the moved blocks only it finds, and exact copies from its suffix
// index (a misordered index shows in the identical files' one copy, a wrong match length
// in every round trip; applydifference_fuzz and the QuenDiff round trip decode its output).
#include <gtest/gtest.h>

#include <random>

#include "maker/ApplyDifference.h"
#include "maker/CompModule.h"
#include "maker/TestBytes.h"

namespace quen {
namespace {

constexpr CompTuning kThorough{64, 4, CompMode::Thorough};

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
