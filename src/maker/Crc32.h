// CRC-32 (the IEEE 802.3 polynomial of zip and PNG) over a byte buffer.
#pragma once

#include <cstdint>

#include "maker/CompFormat.h"

namespace quen {

// Reflected polynomial 0xEDB88320, initial value and final XOR 0xFFFFFFFF:
// "123456789" gives 0xCBF43926.
std::uint32_t Crc32(ByteView data);

}  // namespace quen
