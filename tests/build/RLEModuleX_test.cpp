// The run-length codec: record format, the give-up rule, padding, and the container.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "build/RLEModuleX.h"
#include "support/Raised.h"

namespace quen {
namespace {

int ErrorOf(auto&& call) { return test::RaisedBy(call).number; }

TEST(RlePack, EightEqualBytesAreOneThreeByteRunRecord) {
    Bytes b(8, 0x41);
    EXPECT_EQ(RlePack(b), 3);
    EXPECT_EQ(b, (Bytes{0x00, 0x08, 0x41}));
    EXPECT_EQ(RlePackContainer(Bytes(8, 0x41)), (Bytes{8, 0, 0, 0, 0x00, 0x08, 0x41}));
}

TEST(RlePack, GivesUpWhenTheStreamWouldNotBeShorter) {
    Bytes b{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(RlePack(b), -1);
    EXPECT_EQ(b, (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));  // left as it was
    Bytes empty;
    EXPECT_EQ(RlePack(empty), -1);
    // A run record needs the next free position below length - 3: four equal bytes give up,
    // five pack to three bytes.
    Bytes four(4, 9), five(5, 9);
    EXPECT_EQ(RlePack(four), -1);
    EXPECT_EQ(RlePack(five), 3);
}

TEST(RlePack, LiteralsRunsAndTheCountLimit) {
    Bytes mixed{1, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 5};
    ASSERT_EQ(RlePack(mixed), 2 + 2 + 3 + 2 + 2);
    EXPECT_EQ(mixed, (Bytes{0x80, 0x02, 1, 2, 0x00, 0x0A, 3, 0x80, 0x02, 4, 5}));
    Bytes longRun(40000, 0);
    ASSERT_EQ(RlePack(longRun), 6);
    EXPECT_EQ(longRun, (Bytes{0x7F, 0xFF, 0, 0x1C, 0x41, 0}));  // 32767 + 7233
}

TEST(RleUnpack, StreamPaddedWithZerosGivesTheInputBack) {
    const Bytes input{7, 7, 7, 7, 7, 7, 7, 7, 1, 2, 3, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    Bytes b = input;
    const std::int64_t packed = RlePack(b);
    ASSERT_GT(packed, 0);
    for (std::size_t pad = 0; pad < 4; ++pad) {
        Bytes padded = b;
        padded.resize(input.size() + pad, 0);  // includes odd paddings: a cut-off zero header
        EXPECT_EQ(RleUnpack(padded, static_cast<std::int64_t>(input.size())), 22);
        EXPECT_EQ(padded, input);
    }
}

TEST(RleUnpack, ProducesExactlyTheDeclaredLength) {
    Bytes shortStream{0x00, 0x03, 0x55};
    EXPECT_EQ(RleUnpack(shortStream, 5), 3);
    EXPECT_EQ(shortStream, (Bytes{0x55, 0x55, 0x55, 0, 0}));
    Bytes longStream{0x00, 0x03, 0x55, 0x80, 0x02, 1, 2};
    EXPECT_EQ(RleUnpack(longStream, 4), 5);
    EXPECT_EQ(longStream, (Bytes{0x55, 0x55, 0x55, 1}));
}

TEST(RleUnpack, RefusesHugeLengthsAndRecordsPastTheEnd) {
    Bytes b{0x00, 0x01, 0x01};
    EXPECT_EQ(ErrorOf([&] { RleUnpack(b, kRleMaxUnpacked + 1); }), kErrOverflow);
    EXPECT_EQ(ErrorOf([&] { RleUnpack(b, -1); }), kErrOverflow);
    Bytes literalCut{0x80, 0x05, 1, 2};
    EXPECT_EQ(ErrorOf([&] { RleUnpack(literalCut, 5); }), kErrInputPastEnd);
    Bytes runCut{0x00, 0x05};
    EXPECT_EQ(ErrorOf([&] { RleUnpack(runCut, 5); }), kErrInputPastEnd);
    Bytes halfHeader{0x00, 0x01, 0x01, 0x80};
    EXPECT_EQ(ErrorOf([&] { RleUnpack(halfHeader, 1); }), kErrInputPastEnd);
    Bytes exact = Bytes(kRleMaxUnpacked > 0 ? 0 : 1);
    EXPECT_EQ(RleUnpack(exact, 0), 0);
}

TEST(RleContainer, DataThatDoesNotShrinkIsStoredAsLiteralRecords) {
    const Bytes input{1, 2, 3, 4, 5, 6, 7, 8};
    const Bytes c = RlePackContainer(input);
    EXPECT_EQ(c, (Bytes{8, 0, 0, 0, 0x80, 0x08, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(RleUnpackContainer(c), input);  // other round trips: rleunpack_fuzz
}

// The other damaged containers: the QuenDiff rle-unpack cases.
TEST(RleContainer, ShortHeaderIsRefused) {
    EXPECT_EQ(ErrorOf([] { RleUnpackContainer(Bytes{1, 0, 0}); }), kErrInputPastEnd);
}

}  // namespace
}  // namespace quen
