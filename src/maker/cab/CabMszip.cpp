// MSZIP data blocks through zlib.
#include "maker/cab/CabMszip.h"

#include <zlib.h>

#include <algorithm>

#include "maker/cab/CabFormat.h"
#include "base/Errors.h"

namespace quen::cab {
namespace {

// Owns one raw deflate stream (no zlib header: MSZIP blocks carry bare deflate data).
class Deflater {
public:
    explicit Deflater(int level) {
        if (deflateInit2(&z_, level, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
            throw Error(kErrOverflow, "zlib could not start");
        }
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;
    ~Deflater() { deflateEnd(&z_); }

    Bytes Block(ByteView dictionary, ByteView input) {
        deflateReset(&z_);
        if (!dictionary.empty()) {
            deflateSetDictionary(&z_, dictionary.data(), static_cast<uInt>(dictionary.size()));
        }
        Bytes out(2 + deflateBound(&z_, static_cast<uLong>(input.size())));
        out[0] = 'C';
        out[1] = 'K';
        z_.next_in = const_cast<Bytef*>(input.data());
        z_.avail_in = static_cast<uInt>(input.size());
        z_.next_out = out.data() + 2;
        z_.avail_out = static_cast<uInt>(out.size() - 2);
        if (deflate(&z_, Z_FINISH) != Z_STREAM_END) throw Error(kErrOverflow, "zlib could not compress a block");
        out.resize(out.size() - z_.avail_out);
        return out;
    }

private:
    z_stream z_{};
};

}  // namespace

std::vector<Bytes> EncodeMszip(ByteView data, int level) {
    Deflater deflater(std::clamp(level, 1, 7) + 2);
    std::vector<Bytes> blocks;
    for (std::size_t at = 0; at < data.size(); at += kBlockSize) {
        const std::size_t dict = std::min(at, kBlockSize);
        blocks.push_back(deflater.Block(data.subspan(at - dict, dict),
                                        data.subspan(at, std::min(kBlockSize, data.size() - at))));
    }
    return blocks;
}

}  // namespace quen::cab
