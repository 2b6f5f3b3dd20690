// Fuzzes the section table reader (any bytes are read without touching memory outside
// them) and the difference decoders on arbitrary bytes: they never read or write outside
// their buffers, and what they accept has the declared new length (compact data: and
// CRC-32). Byte 0: the old file's length (bits 0-4; times 16 for compact data), the encoder (bits 5-6: quick with
// tuning values, even out-of-range ones, from the last byte; thorough; compact), and a
// header made consistent with the old file (bit 7), so the records and streams themselves
// are reached. The same old and data bytes, taken as an old and a new file, go through the
// encoder, whose output must decode to exactly that new file.
#include "fuzz/FuzzInput.h"
#include "maker/ApplyDifference.h"
#include "maker/CompModule.h"
#include "maker/CompSections.h"
#include "maker/CompactFormat.h"
#include "maker/Crc32.h"
#include "maker/SourceChecksum.h"

using namespace quen;
using fuzz::Require;

namespace {

void RepairClassic(const Bytes& oldFile, Bytes& diff) {
    if (diff.size() < kDiffHeaderSize) return;
    SetLE32(diff, 0, static_cast<std::uint32_t>(diff.size()));
    SetLE32(diff, 4, SourceChecksum(oldFile));
    SetLE32(diff, 8, static_cast<std::uint32_t>(oldFile.size()));
}

// Magic, version, known flags (so the prediction is reached), the old file's length and
// checksum, stream lengths that add up; the CRC-32 is taken as stored.
void RepairCompact(const Bytes& oldFile, Bytes& diff) {
    if (diff.size() < kCompactHeaderSize) return;
    std::copy(kCompactMagic, kCompactMagic + 4, diff.begin());
    diff[4] = kCompactVersion;
    diff[5] &= kCompactKnownFlags;
    SetLE32(diff, 6, static_cast<std::uint32_t>(oldFile.size()));
    SetLE32(diff, 10, SourceChecksum(oldFile));
    std::size_t left = diff.size() - kCompactHeaderSize;
    for (int i = 0; i < kCompactStreams; ++i) {
        const std::size_t length = i + 1 == kCompactStreams ? left : std::min<std::size_t>(left, diff[22 + 4 * i]);
        SetLE32(diff, 22 + 4 * i, static_cast<std::uint32_t>(length));
        left -= length;
    }
}

// What was accepted has the length (and CRC-32) its header declares.
bool AsDeclared(const Bytes& diff, const Bytes& newFile) {
    if (IsCompactData(diff)) {
        const std::optional<CompactHeader> h = ReadCompactHeader(diff);
        return h && newFile.size() == h->newLength && Crc32(newFile) == h->newCrc;
    }
    DifferenceHeader h;
    return ReadDifferenceHeader(diff, h) && newFile.size() == h.newLength;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto regions = ReadSections(ByteView(data, size))) {
        Require(!regions->empty() && regions->front().name == kFileHeadRegion);
        RegionsTileFile(*regions, static_cast<std::int64_t>(size));
    }
    if (size < 2) return 0;
    const int encoder = (data[0] >> 5) & 3;
    const bool compact = encoder >= 2;
    // Compact data gets room for a small PE file, so the reference prediction has code to read.
    const std::size_t oldLength = std::min<std::size_t>((data[0] & 0x1F) * (compact ? 16u : 1u), size - 1);
    const Bytes oldFile(data + 1, data + 1 + oldLength);
    Bytes diff(data + 1 + oldLength, data + size);
    if (data[0] & 0x80) (compact ? RepairCompact : RepairClassic)(oldFile, diff);
    const ApplyResult r = ApplyDifference(oldFile, diff);
    Require(r.Ok() ? AsDeclared(diff, r.newFile) : r.newFile.empty());
    ApplyFaultText(r.fault);

    const std::uint8_t t = data[size - 1];
    const CompTuning tuning = encoder == 0   ? CompTuning{t % 40 - 2, t / 40 - 1, CompMode::Quick}
                              : compact      ? CompTuning{64, 4, CompMode::Compact}
                                             : CompTuning{64, 4, CompMode::Thorough};
    const Bytes encoded = CompareBytes(oldFile, diff, tuning);
    const ApplyResult back = ApplyDifference(oldFile, encoded);
    Require(back.Ok() && back.newFile == diff);
    return 0;
}
