// QuenDiff's commands on real files: round trips, refused inputs that write nothing,
// and usage errors, each with its exit status and message.
#include <gtest/gtest.h>

#include <sstream>

#include "build/CompCommandLine.h"
#include "support/TempDir.h"

namespace quen {
namespace {

using test::PathExists;
using test::ReadFileBytes;
using test::WriteFileBytes;

struct CliRun {
    int status;
    std::string out, err;
};

CliRun QuenDiff(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunQuenDiff(args, out, err);
    return {status, out.str(), err.str()};
}

std::string Noise(std::size_t n, unsigned seed) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 2654435761u + seed) >> 13);
    return s;
}

class QuenDiffCommands : public ::testing::Test {
protected:
    void SetUp() override {
        oldText = Noise(20000, 1);
        newText = oldText.substr(0, 9000) + "inserted text" + oldText.substr(9500);
        WriteFileBytes(dir.Path("old.bin"), oldText);
        WriteFileBytes(dir.Path("new.bin"), newText);
    }
    test::TempDir dir;
    std::string oldText, newText;
};

TEST_F(QuenDiffCommands, EncodeThenApplyRebuildsTheNewFileInEachMode) {
    const struct {
        std::vector<std::string> mode;
        const char* said;
    } modes[] = {{{}, "sample 64, move 4"}, {{"--mode", "quick"}, "sample 64"}, {{"--mode", "thorough"}, "thorough"}};
    for (const auto& m : modes) {
        std::vector<std::string> args{"encode", dir.Path("old.bin"), dir.Path("new.bin"), dir.Path("d.dif")};
        args.insert(args.end(), m.mode.begin(), m.mode.end());
        const CliRun enc = QuenDiff(args);
        ASSERT_EQ(enc.status, 0) << enc.err;
        EXPECT_NE(enc.out.find(m.said), std::string::npos) << enc.out;
        EXPECT_LT(ReadFileBytes(dir.Path("d.dif")).size(), 2000u) << m.said;
        const CliRun app = QuenDiff({"apply", dir.Path("old.bin"), dir.Path("d.dif"), dir.Path("out.bin")});
        ASSERT_EQ(app.status, 0) << app.err;
        EXPECT_EQ(ReadFileBytes(dir.Path("out.bin")), newText) << m.said;
    }
}

TEST_F(QuenDiffCommands, SampleAndMoveOptionsAreUsedAndRaisedToOne) {
    ASSERT_EQ(QuenDiff({"encode", dir.Path("old.bin"), dir.Path("new.bin"), dir.Path("a.dif"), "--sample", "8",
                        "--move", "1"}).status, 0);
    ASSERT_EQ(QuenDiff({"encode", dir.Path("old.bin"), dir.Path("new.bin"), dir.Path("b.dif"), "--move", "0",
                        "--sample", "-3"}).status, 0);
    ASSERT_EQ(QuenDiff({"encode", dir.Path("old.bin"), dir.Path("new.bin"), dir.Path("c.dif"), "--sample", "1",
                        "--move", "1"}).status, 0);
    EXPECT_NE(ReadFileBytes(dir.Path("a.dif")), ReadFileBytes(dir.Path("c.dif")));
    EXPECT_EQ(ReadFileBytes(dir.Path("b.dif")), ReadFileBytes(dir.Path("c.dif")));
}

TEST_F(QuenDiffCommands, ApplyToADifferentOldFileWritesNothing) {
    ASSERT_EQ(QuenDiff({"encode", dir.Path("old.bin"), dir.Path("new.bin"), dir.Path("d.dif")}).status, 0);
    std::string changed = oldText;
    changed[100] ^= 1;
    WriteFileBytes(dir.Path("changed.bin"), changed);
    WriteFileBytes(dir.Path("keep.bin"), "previous content");
    const CliRun r = QuenDiff({"apply", dir.Path("changed.bin"), dir.Path("d.dif"), dir.Path("keep.bin")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("checksum"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFileBytes(dir.Path("keep.bin")), "previous content");
    const CliRun missing = QuenDiff({"apply", dir.Path("changed.bin"), dir.Path("d.dif"), dir.Path("none.bin")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(PathExists(dir.Path("none.bin")));
}

TEST_F(QuenDiffCommands, DamagedDifferenceDataIsRefused) {
    ASSERT_EQ(QuenDiff({"encode", dir.Path("old.bin"), dir.Path("new.bin"), dir.Path("d.dif")}).status, 0);
    std::string d = ReadFileBytes(dir.Path("d.dif"));
    d.resize(d.size() - 1);
    WriteFileBytes(dir.Path("cut.dif"), d);
    const CliRun r = QuenDiff({"apply", dir.Path("old.bin"), dir.Path("cut.dif"), dir.Path("out.bin")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("not as long as its header says"), std::string::npos) << r.err;
    EXPECT_FALSE(PathExists(dir.Path("out.bin")));
}

// Changes that every check of the data itself lets through; the new file's CRC-32 catches them.
TEST_F(QuenDiffCommands, DataThatRebuildsAnotherFileIsRefusedByTheChecksum) {
    ASSERT_EQ(QuenDiff({"encode", dir.Path("old.bin"), dir.Path("new.bin"), dir.Path("d.dif")}).status, 0);
    const std::string good = ReadFileBytes(dir.Path("d.dif"));
    ASSERT_EQ(good[16], 2);  // the first record copies from position 1
    ASSERT_EQ(good.substr(17, 4), std::string("\x01\x00\x00\x00", 4));
    for (const std::size_t at : {good.find("inserted text"), std::size_t{17}}) {
        std::string d = good;
        d[at] = static_cast<char>(d[at] + 1);
        WriteFileBytes(dir.Path("bad.dif"), d);
        const CliRun r = QuenDiff({"apply", dir.Path("old.bin"), dir.Path("bad.dif"), dir.Path("out.bin")});
        EXPECT_EQ(r.status, 1) << at;
        EXPECT_NE(r.err.find("CRC-32"), std::string::npos) << r.err;
        EXPECT_FALSE(PathExists(dir.Path("out.bin")));
    }
}

TEST_F(QuenDiffCommands, RunLengthContainersRoundTrip) {
    WriteFileBytes(dir.Path("eight.bin"), std::string(8, 'A'));
    ASSERT_EQ(QuenDiff({"rle-pack", dir.Path("eight.bin"), dir.Path("eight.dat")}).status, 0);
    EXPECT_EQ(ReadFileBytes(dir.Path("eight.dat")), std::string("\x08\x00\x00\x00\x00\x08" "A", 7));
    ASSERT_EQ(QuenDiff({"rle-pack", dir.Path("old.bin"), dir.Path("old.dat")}).status, 0);
    ASSERT_EQ(QuenDiff({"rle-unpack", dir.Path("old.dat"), dir.Path("old.back")}).status, 0);
    EXPECT_EQ(ReadFileBytes(dir.Path("old.back")), oldText);
}

TEST_F(QuenDiffCommands, DamagedContainerIsRefused) {
    const struct {
        std::string container;
        const char* told;
    } cases[] = {
        {std::string("\x04\x00\x00\x00\x80\x09\x01", 7), "past the end"},
        {std::string("\x00\x00\x00\x41", 4), "1 GiB"},
        {std::string("\x02\x00\x00\x00\x00\x03\x41", 7), "give 3 bytes, the packed file declares 2"},
        {std::string("\x04\x00\x00\x00\x00\x03\x41", 7), "give 3 bytes, the packed file declares 4"},
    };
    for (const auto& c : cases) {
        WriteFileBytes(dir.Path("bad.dat"), c.container);
        const CliRun r = QuenDiff({"rle-unpack", dir.Path("bad.dat"), dir.Path("bad.out")});
        EXPECT_EQ(r.status, 1) << c.told;
        EXPECT_NE(r.err.find(c.told), std::string::npos) << r.err;
        EXPECT_FALSE(PathExists(dir.Path("bad.out")));
    }
}

TEST_F(QuenDiffCommands, MissingInputIsNamed) {
    const CliRun r = QuenDiff({"encode", dir.Path("nope.bin"), dir.Path("new.bin"), dir.Path("d.dif")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("nope.bin"), std::string::npos) << r.err;
    EXPECT_FALSE(PathExists(dir.Path("d.dif")));
}

TEST(QuenDiffUsage, WrongCommandLinesExitWithTwoAndShowUsage) {
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"frobnicate"},
                                                                  {"encode", "a", "b"},
                                                                  {"apply", "a", "b"},
                                                                  {"rle-pack", "a"},
                                                                  {"encode", "a", "b", "c", "--sample"},
                                                                  {"encode", "a", "b", "c", "--sample", "x"},
                                                                  {"encode", "a", "b", "c", "--bogus", "1"},
                                                                  {"encode", "a", "b", "c", "--mode", "fast"}}) {
        const CliRun r = QuenDiff(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
}

}  // namespace
}  // namespace quen
