// QuenDiff's commands on real files: round trips, refused inputs that write nothing,
// and usage errors, each with its exit status and message; the run-length codec itself.
#include <gtest/gtest.h>

#include <sstream>

#include "base/Errors.h"
#include "maker/CompCommandLine.h"
#include "maker/RLEModuleX.h"
#include "support/Raised.h"
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
    } modes[] = {{{}, "sample 64, move 4"}, {{"--mode", "quick"}, "sample 64"}, {{"--mode", "thorough"}, "thorough"},
                 {{"--mode", "compact"}, "compact"}};
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

// The packed form: the codec tests below.
TEST_F(QuenDiffCommands, RunLengthContainersRoundTrip) {
    ASSERT_EQ(QuenDiff({"rle-pack", dir.Path("old.bin"), dir.Path("old.dat")}).status, 0);
    ASSERT_EQ(QuenDiff({"rle-unpack", dir.Path("old.dat"), dir.Path("old.back")}).status, 0);
    EXPECT_EQ(ReadFileBytes(dir.Path("old.back")), oldText);
}

// Refused inputs exit 1 with the reason and write nothing (an existing output is kept).
// The checksum of the new file catches changes that every check of the data lets through
// (the data checks themselves: Compact_test, the codec tests below).
TEST_F(QuenDiffCommands, RefusedInputsWriteNothing) {
    ASSERT_EQ(QuenDiff({"encode", dir.Path("old.bin"), dir.Path("new.bin"), dir.Path("d.dif")}).status, 0);
    const std::string good = ReadFileBytes(dir.Path("d.dif"));
    ASSERT_EQ(good.substr(16, 5), std::string("\x02\x01\x00\x00\x00", 5));  // the first copy from position 1
    const auto changedAt = [](std::string s, std::size_t at) {
        s[at] = static_cast<char>(s[at] + 1);
        return s;
    };
    WriteFileBytes(dir.Path("keep.bin"), "previous content");
    const struct {
        const char* command;
        std::string input, data;  // written to in.bin and in.dat
        const char* output;
        const char* told;
    } cases[] = {
        {"apply", changedAt(oldText, 100), good, "keep.bin", "checksum"},
        {"apply", oldText, changedAt(good, 17), "out.bin", "CRC-32"},
        {"encode", "", "", "out.bin", "nope.bin"},
        {"rle-unpack", std::string("\x04\x00\x00\x00\x80\x09\x01", 7), "", "out.bin", "past the end"},
        {"rle-unpack", std::string("\x02\x00\x00\x00\x00\x03\x41", 7), "", "out.bin",
         "give 3 bytes, the packed file declares 2"},
    };
    for (const auto& c : cases) {
        WriteFileBytes(dir.Path("in.bin"), c.input);
        WriteFileBytes(dir.Path("in.dat"), c.data);
        const std::string command = c.command;
        const CliRun r = command == "apply"  ? QuenDiff({"apply", dir.Path("in.bin"), dir.Path("in.dat"), dir.Path(c.output)})
                         : command == "encode" ? QuenDiff({"encode", dir.Path("nope.bin"), dir.Path("new.bin"), dir.Path(c.output)})
                                               : QuenDiff({command, dir.Path("in.bin"), dir.Path(c.output)});
        EXPECT_EQ(r.status, 1) << c.told;
        EXPECT_NE(r.err.find(c.told), std::string::npos) << r.err;
        EXPECT_EQ(ReadFileBytes(dir.Path(c.output)), std::string(c.output) == "keep.bin" ? "previous content" : "");
        EXPECT_FALSE(PathExists(dir.Path("out.bin"))) << c.told;
    }
}

TEST(QuenDiffUsage, WrongCommandLinesExitWithTwoAndShowUsage) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"encode", "a", "b"}, {"apply", "a", "b"}, {"rle-pack", "a"},
             {"encode", "a", "b", "c", "--sample"}, {"encode", "a", "b", "c", "--sample", "x"},
             {"encode", "a", "b", "c", "--bogus", "1"}, {"encode", "a", "b", "c", "--mode", "fast"}}) {
        const CliRun r = QuenDiff(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
}

// The run-length codec: record format, the give-up rule, padding, and the container.
int ErrorOf(auto&& call) { return test::RaisedBy(call).number; }

// Runs of three or more equal bytes are run records (count, byte), the rest literal
// records (0x8000 | count, bytes); a run record needs the next free position below
// length - 3, and a stream that would not be shorter is given up (-1, the bytes kept).
TEST(RlePack, RecordsAndTheGiveUpRule) {
    const struct {
        Bytes in;
        std::int64_t packed;
        Bytes out;
    } cases[] = {
        {Bytes(8, 0x41), 3, {0x00, 0x08, 0x41}},
        {{1, 2, 3, 4, 5, 6, 7, 8}, -1, {1, 2, 3, 4, 5, 6, 7, 8}},
        {{}, -1, {}},
        {Bytes(4, 9), -1, Bytes(4, 9)},
        {Bytes(5, 9), 3, {0x00, 0x05, 0x09}},
        {{1, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 5}, 11, {0x80, 0x02, 1, 2, 0x00, 0x0A, 3, 0x80, 0x02, 4, 5}},
        {Bytes(40000, 0), 6, {0x7F, 0xFF, 0, 0x1C, 0x41, 0}},  // 32767 + 7233
    };
    for (const auto& c : cases) {
        Bytes b = c.in;
        EXPECT_EQ(RlePack(b), c.packed) << c.in.size();
        if (c.packed > 0) b.resize(static_cast<std::size_t>(c.packed));
        EXPECT_EQ(b, c.out) << c.in.size();
    }
    // Data that does not shrink is stored as literal records (other round trips: rleunpack_fuzz).
    EXPECT_EQ(RlePackContainer(Bytes(8, 0x41)), (Bytes{8, 0, 0, 0, 0x00, 0x08, 0x41}));
    const Bytes input{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(RlePackContainer(input), (Bytes{8, 0, 0, 0, 0x80, 0x08, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(RleUnpackContainer(RlePackContainer(input)), input);
}

TEST(RleUnpack, ExactlyTheDeclaredLengthFromAPaddedStream) {
    const Bytes input{7, 7, 7, 7, 7, 7, 7, 7, 1, 2, 3, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    Bytes b = input;
    ASSERT_GT(RlePack(b), 0);
    for (std::size_t pad = 0; pad < 4; ++pad) {
        Bytes padded = b;
        padded.resize(input.size() + pad, 0);  // includes odd paddings: a cut-off zero header
        EXPECT_EQ(RleUnpack(padded, static_cast<std::int64_t>(input.size())), 22);
        EXPECT_EQ(padded, input);
    }
    Bytes shortStream{0x00, 0x03, 0x55};
    EXPECT_EQ(RleUnpack(shortStream, 5), 3);
    EXPECT_EQ(shortStream, (Bytes{0x55, 0x55, 0x55, 0, 0}));
    Bytes longStream{0x00, 0x03, 0x55, 0x80, 0x02, 1, 2};
    EXPECT_EQ(RleUnpack(longStream, 4), 5);
    EXPECT_EQ(longStream, (Bytes{0x55, 0x55, 0x55, 1}));
}

// The other damaged containers: the QuenDiff rle-unpack cases.
TEST(RleUnpack, RefusesHugeLengthsAndRecordsPastTheEnd) {
    Bytes b{0x00, 0x01, 0x01};
    EXPECT_EQ(ErrorOf([&] { RleUnpack(b, kRleMaxUnpacked + 1); }), kErrOverflow);
    EXPECT_EQ(ErrorOf([&] { RleUnpack(b, -1); }), kErrOverflow);
    for (Bytes cut : {Bytes{0x80, 0x05, 1, 2}, Bytes{0x00, 0x05}}) EXPECT_EQ(ErrorOf([&] { RleUnpack(cut, 5); }), kErrInputPastEnd);
    Bytes halfHeader{0x00, 0x01, 0x01, 0x80};
    EXPECT_EQ(ErrorOf([&] { RleUnpack(halfHeader, 1); }), kErrInputPastEnd);
    EXPECT_EQ(ErrorOf([] { RleUnpackContainer(Bytes{1, 0, 0}); }), kErrInputPastEnd);
    Bytes empty;
    EXPECT_EQ(RleUnpack(empty, 0), 0);
}

}  // namespace
}  // namespace quen
