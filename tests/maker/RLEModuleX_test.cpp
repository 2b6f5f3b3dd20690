// The run-length codec: record format, the give-up rule, padding, and the container.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "maker/RLEModuleX.h"
#include "support/Raised.h"

namespace quen {
namespace {

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
