// The run-length codec.
#include "maker/RLEModuleX.h"

#include <algorithm>

#include "base/Errors.h"

namespace quen {
namespace {

constexpr std::uint16_t kLiteralBit = 0x8000;

void PutHeader(Bytes& out, std::uint16_t header) {
    const auto [high, low] = SplitWord(header);
    out.push_back(high);
    out.push_back(low);
}

// Writes the packed records of `in`, or gives up: before a run record once the next
// free output position (1-based) has reached the input length minus 3, and once a
// literal record leaves the next free position at the input length or beyond.
class Packer {
public:
    explicit Packer(ByteView in) : in_(in) {}

    bool Run(Bytes& out) {
        std::size_t i = 0, literalStart = 0;
        while (i < in_.size()) {
            std::size_t j = i + 1;
            while (j < in_.size() && in_[j] == in_[i]) ++j;
            if (j - i >= 2) {
                if (!Literal(out, literalStart, i) || !Run(out, in_[i], j - i)) return false;
                literalStart = j;
            }
            i = j;
        }
        return Literal(out, literalStart, in_.size());
    }

private:
    std::int64_t Length() const { return static_cast<std::int64_t>(in_.size()); }
    std::int64_t NextFree(const Bytes& out) const { return static_cast<std::int64_t>(out.size()) + 1; }

    bool Literal(Bytes& out, std::size_t from, std::size_t to) {
        while (from < to) {
            const std::size_t n = std::min<std::size_t>(to - from, kRleMaxCount);
            PutHeader(out, static_cast<std::uint16_t>(kLiteralBit | n));
            out.insert(out.end(), in_.begin() + from, in_.begin() + from + n);
            if (NextFree(out) >= Length()) return false;
            from += n;
        }
        return true;
    }

    bool Run(Bytes& out, std::uint8_t value, std::size_t count) {
        while (count > 0) {
            if (NextFree(out) >= Length() - 3) return false;
            const std::size_t n = std::min<std::size_t>(count, kRleMaxCount);
            PutHeader(out, static_cast<std::uint16_t>(n));
            out.push_back(value);
            count -= n;
        }
        return true;
    }

    ByteView in_;
};

Bytes LengthPrefixed(std::size_t length, const Bytes& stream) {
    Bytes out;
    out.reserve(4 + stream.size());
    PutLE32(out, static_cast<std::uint32_t>(length));
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

}  // namespace

std::pair<std::uint8_t, std::uint8_t> SplitWord(std::uint16_t value) {
    return {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF)};
}

std::uint16_t JoinBytes(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint16_t>(high << 8 | low);
}

std::int64_t RlePack(Bytes& buffer) {
    if (buffer.empty()) return -1;
    Bytes out;
    out.reserve(buffer.size());
    if (!Packer(buffer).Run(out)) return -1;
    buffer = std::move(out);
    return static_cast<std::int64_t>(buffer.size());
}

Bytes RleLiteralStream(ByteView input) {
    Bytes out;
    out.reserve(input.size() + 2 * (input.size() / kRleMaxCount + 1));
    for (std::size_t from = 0; from < input.size(); from += kRleMaxCount) {
        const std::size_t n = std::min<std::size_t>(input.size() - from, kRleMaxCount);
        PutHeader(out, static_cast<std::uint16_t>(kLiteralBit | n));
        out.insert(out.end(), input.begin() + from, input.begin() + from + n);
    }
    return out;
}

std::int64_t RleUnpack(Bytes& buffer, std::int64_t unpackedLength) {
    if (unpackedLength < 0 || unpackedLength > kRleMaxUnpacked) {
        throw Error(kErrOverflow, "The unpacked length is over 1 GiB.");
    }
    const auto limit = static_cast<std::size_t>(unpackedLength);
    Bytes out;
    out.reserve(limit);
    std::int64_t produced = 0;
    std::size_t at = 0;
    while (at < buffer.size()) {
        const std::size_t left = buffer.size() - at;
        const std::uint16_t header = JoinBytes(buffer[at], left >= 2 ? buffer[at + 1] : 0);
        const std::size_t n = header & 0x7FFF;
        const bool literal = (header & kLiteralBit) != 0;
        const std::size_t body = literal ? n : 1;
        if (left < 2 || left - 2 < body) {
            if (header == 0) break;  // a cut-off zero header at the end is padding
            throw Error(kErrInputPastEnd, "A packed record runs past the end of the data.");
        }
        const std::size_t room = limit - out.size();
        if (literal) {
            out.insert(out.end(), buffer.begin() + at + 2, buffer.begin() + at + 2 + std::min(n, room));
        } else {
            out.insert(out.end(), std::min(n, room), buffer[at + 2]);
        }
        produced += static_cast<std::int64_t>(n);
        at += 2 + body;
    }
    out.resize(limit, 0);
    buffer = std::move(out);
    return produced;
}

Bytes RlePackContainer(ByteView input) {
    if (static_cast<std::int64_t>(input.size()) > kRleMaxUnpacked) {
        throw Error(kErrOverflow, "The data is over 1 GiB.");
    }
    Bytes packed(input.begin(), input.end());
    if (RlePack(packed) < 0) packed = RleLiteralStream(input);
    return LengthPrefixed(input.size(), packed);
}

Bytes RleUnpackContainer(ByteView container) {
    if (container.size() < 4) throw Error(kErrInputPastEnd, "The packed file is shorter than its 4-byte length.");
    Bytes stream(container.begin() + 4, container.end());
    const std::int64_t declared = GetLE32(container.data());
    const std::int64_t produced = RleUnpack(stream, declared);
    // Zero-filling or cutting would hand out a file that is not the one packed.
    if (produced != declared) {
        throw Error(kErrInputPastEnd, "The records give " + std::to_string(produced) + " bytes, the packed file declares " +
                                          std::to_string(declared) + ".");
    }
    return stream;
}

}  // namespace quen
