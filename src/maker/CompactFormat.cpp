// Reading and writing the compact format's header, varints and streams.
#include "maker/CompactFormat.h"

#include <algorithm>

#include "maker/CompactPredict.h"
#include "maker/Crc32.h"
#include "maker/SourceChecksum.h"

namespace quen {

bool IsCompactData(ByteView data) {
    return data.size() >= 4 && std::equal(data.begin(), data.begin() + 4, kCompactMagic);
}

std::optional<CompactHeader> ReadCompactHeader(ByteView data) {
    if (data.size() < kCompactHeaderSize || !IsCompactData(data)) return std::nullopt;
    const std::uint8_t* p = data.data();
    CompactHeader h;
    h.version = p[4];
    h.flags = p[5];
    h.oldLength = GetLE32(p + 6);
    h.oldChecksum = GetLE32(p + 10);
    h.newLength = GetLE32(p + 14);
    h.newCrc = GetLE32(p + 18);
    for (int i = 0; i < kCompactStreams; ++i) h.streams[i] = GetLE32(p + 22 + 4 * i);
    return h;
}

void WriteCompactHeader(Bytes& out, const CompactHeader& h) {
    out.insert(out.end(), kCompactMagic, kCompactMagic + 4);
    out.push_back(h.version);
    out.push_back(h.flags);
    for (std::uint32_t v : {h.oldLength, h.oldChecksum, h.newLength, h.newCrc}) PutLE32(out, v);
    for (std::uint32_t v : h.streams) PutLE32(out, v);
}

void PutVarint(Bytes& out, std::uint64_t v) {
    while (v >= 0x80) {
        out.push_back(static_cast<std::uint8_t>(v | 0x80));
        v >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(v));
}

bool VarintReader::NextLong(std::uint64_t& v) {
    v = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        if (at_ == s_.size()) return false;
        const std::uint8_t b = s_[at_++];
        if (shift == 63 && b > 1) return false;
        v |= static_cast<std::uint64_t>(b & 0x7F) << shift;
        if (!(b & 0x80)) return true;
    }
    return false;
}

Bytes WriteCompact(ByteView oldFile, ByteView newFile, const CompactCommands& commands, std::uint8_t flags) {
    const CopyMap map = (flags & kCompactPredictRel32) ? CopyMapOf(commands) : CopyMap{};
    const OldCode code = (flags & kCompactPredictRel32) ? FindOldCode(oldFile) : OldCode{};
    const ImageMoves moves = MovesOf(code, newFile);
    const ReferencePredictor predictor(oldFile, code, moves, map);
    Bytes predicted;
    Bytes streams[kCompactStreams];
    Bytes& cmd = streams[0];
    Bytes& gaps = streams[1];
    Bytes& values = streams[2];
    Bytes& literals = streams[3];
    if (flags & kCompactPredictRel32) PutMoves(streams[4], moves);
    std::size_t n = 0;
    std::int64_t oldEnd = 0;
    std::uint64_t zeros = 0;  // zero differences since the last non-zero one
    for (const CompactCommand& c : commands) {
        PutVarint(cmd, c.literal);
        PutVarint(cmd, c.copy);
        PutVarint(cmd, ZigZag(std::int64_t{c.oldStart} - oldEnd));
        literals.insert(literals.end(), newFile.begin() + n, newFile.begin() + n + c.literal);
        n += c.literal;
        predicted.assign(oldFile.begin() + c.oldStart, oldFile.begin() + c.oldStart + c.copy);
        if (flags & kCompactPredictRel32) predictor.Predict(c.oldStart, std::int64_t(n), predicted.data(), c.copy);
        for (std::uint32_t i = 0; i < c.copy; ++i) {
            const auto d = static_cast<std::uint8_t>(newFile[n + i] - predicted[i]);
            if (d == 0) {
                ++zeros;
                continue;
            }
            PutVarint(gaps, zeros);
            values.push_back(d);
            zeros = 0;
        }
        n += c.copy;
        oldEnd = std::int64_t{c.oldStart} + c.copy;
    }
    CompactHeader h;
    h.flags = flags;
    h.oldLength = static_cast<std::uint32_t>(oldFile.size());
    h.oldChecksum = SourceChecksum(oldFile);
    h.newLength = static_cast<std::uint32_t>(newFile.size());
    h.newCrc = Crc32(newFile);
    std::size_t total = kCompactHeaderSize;
    for (int i = 0; i < kCompactStreams; ++i) {
        h.streams[i] = static_cast<std::uint32_t>(streams[i].size());
        total += streams[i].size();
    }
    Bytes out;
    out.reserve(total);
    WriteCompactHeader(out, h);
    for (const Bytes& s : streams) out.insert(out.end(), s.begin(), s.end());
    return out;
}

}  // namespace quen

namespace quen {

Bytes WriteCompactBest(ByteView oldFile, ByteView newFile, const CompactCommands& commands) {
    Bytes plain = WriteCompact(oldFile, newFile, commands, 0);
    Bytes predicted = WriteCompact(oldFile, newFile, commands, kCompactPredictRel32);
    const auto differences = [](const Bytes& d) {
        const CompactHeader h = *ReadCompactHeader(d);
        return std::uint64_t{h.streams[1]} + h.streams[2];
    };
    return differences(predicted) < differences(plain) ? predicted : plain;
}

}  // namespace quen
