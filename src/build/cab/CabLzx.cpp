// Our LZX encoder for cabinet folders.
#include "build/cab/CabLzx.h"

#include "startup/Errors.h"

namespace quen::cab {

// The encoder follows; until then LZX directives are refused.
std::vector<Bytes> EncodeLzx(ByteView, const LzxOptions&) {
    throw Error(kErrOverflow, "LZX is not available yet");
}

}  // namespace quen::cab
