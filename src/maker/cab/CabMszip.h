// MSZIP data blocks through zlib.
#pragma once

#include <vector>

#include "maker/CompFormat.h"

namespace quen::cab {

// One payload per 32 KB of `data`: "CK" and a complete deflate stream whose window is
// primed with the previous block, as MSZIP readers keep their history across blocks.
// `level` 1..7 maps onto zlib's levels 3..9.
std::vector<Bytes> EncodeMszip(ByteView data, int level);

}  // namespace quen::cab
