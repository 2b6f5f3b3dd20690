// Real executables built by the project's MinGW toolchain, in two versions: the quick
// encoder matches the oracle, the thorough one is smaller, and each new version rebuilds.
#include <gtest/gtest.h>

#include "build/ApplyDifference.h"
#include "build/CompModule.h"
#include "build/DifferenceOracle.h"

namespace quen {
namespace {

Bytes Exe(const std::string& name) {
    const std::string data = ReadFileForCompare(std::string(QUEN_TEST_DATA) + "/build/" + name);
    return Bytes(data.begin(), data.end());
}

struct Pair {
    const char* oldName;
    const char* newName;
    std::size_t regions;  // 1 when the files are compared whole
};

// small-v*.exe keep .bss without file data (raw offset 0), so they count as not PE and
// are compared whole; the -pe copies are compared section by section.
const Pair kPairs[] = {{"small-v1.exe", "small-v2.exe", 1},
                       {"small-v2.exe", "small-v1.exe", 1},
                       {"small-v1-pe.exe", "small-v2-pe.exe", 11},
                       {"small-v2-pe.exe", "small-v1-pe.exe", 11},
                       {"small-v1-pe.exe", "small-v2.exe", 1}};

TEST(EncoderOnRealExecutables, MatchesOracleAndRebuilds) {
    for (const Pair& p : kPairs) {
        const Bytes oldFile = Exe(p.oldName), newFile = Exe(p.newName);
        ASSERT_GT(oldFile.size(), 30000u);
        EXPECT_EQ(PlanRegions(oldFile, newFile, {}).size(), p.regions) << p.oldName;
        const CompTuning quick{64, 4}, thorough{64, 4, CompMode::Thorough};
        for (const CompTuning& t : {quick, CompTuning{32, 1}, CompTuning{8, 4}, thorough}) {
            const Bytes diff = CompareBytes(oldFile, newFile, t);
            if (t.mode == CompMode::Quick) {
                ASSERT_EQ(diff, oracle::CompareBytes(oldFile, newFile, t)) << p.oldName << " S=" << t.defaultSample;
            }
            const ApplyResult r = ApplyDifference(oldFile, diff);
            ASSERT_TRUE(r.Ok()) << ApplyFaultText(r.fault);
            EXPECT_TRUE(r.newFile == newFile) << p.oldName << " -> " << p.newName;
            EXPECT_LT(diff.size(), newFile.size()) << "some code is shared";
        }
        EXPECT_LT(CompareBytes(oldFile, newFile, thorough).size(), CompareBytes(oldFile, newFile, quick).size());
    }
}

}  // namespace
}  // namespace quen
