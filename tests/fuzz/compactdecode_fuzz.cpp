// Fuzzes the compact decoder on arbitrary bytes: it never reads or writes outside its
// buffers, and what it accepts has the declared new length and CRC-32. Byte 0 gives the
// old file's length (4 x its low 7 bits, room for a small PE file). Inputs with bit 7 of
// byte 0 set get a header made consistent with the old file (magic, version, known flags,
// stream lengths that add up), so the streams and the prediction are reached; the CRC-32
// is then taken as stored, so an accepted result is compared against it. The same old
// and data bytes, taken as an old and a new file, go through the compact encoder, whose
// output must decode to exactly that new file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "maker/ApplyDifference.h"
#include "maker/CompModule.h"
#include "maker/CompactFormat.h"
#include "maker/Crc32.h"
#include "maker/SourceChecksum.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quen;
    if (size < 2) return 0;
    const std::size_t oldLength = std::min<std::size_t>((data[0] & 0x7F) * 4u, size - 1);
    const Bytes oldFile(data + 1, data + 1 + oldLength);
    Bytes diff(data + 1 + oldLength, data + size);
    if ((data[0] & 0x80) && diff.size() >= kCompactHeaderSize) {
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
    const ApplyResult r = ApplyDifference(oldFile, diff);
    if (r.Ok()) {
        const std::optional<CompactHeader> h = ReadCompactHeader(diff);
        if (IsCompactData(diff) && (!h || r.newFile.size() != h->newLength || Crc32(r.newFile) != h->newCrc)) {
            std::abort();
        }
    }
    if (!r.Ok() && !r.newFile.empty()) std::abort();
    ApplyFaultText(r.fault);

    const Bytes encoded = CompareBytes(oldFile, diff, {64, 4, CompMode::Compact});
    const ApplyResult back = ApplyDifference(oldFile, encoded);
    if (!back.Ok() || back.newFile != diff) std::abort();
    return 0;
}
