// Our LZX encoder for cabinet folders.
#pragma once

#include <vector>

#include "maker/CompFormat.h"

namespace quen::cab {

struct LzxOptions {
    int windowBits = 21;  // 15..21: the window is 2^windowBits bytes
    int level = 7;        // 1..7: how hard the match finder looks
    bool e8 = true;       // translate x86 CALL targets to absolute positions first
};

// One folder's data as one LZX stream, cut into one payload per 32 KB frame: every
// payload ends on a 16-bit boundary and holds exactly the bits of its frame.
std::vector<Bytes> EncodeLzx(ByteView data, const LzxOptions& options);

}  // namespace quen::cab
