// Writes one Microsoft Cabinet from files held in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "maker/CompFormat.h"
#include "maker/cab/CabFormat.h"

namespace quen::cab {

struct CabEntry {
    std::string name;             // stored name, in the system code page
    Bytes data;
    std::uint16_t dosDate = 0x21;  // 1980-01-01
    std::uint16_t dosTime = 0;
};

struct CabSettings {
    CompressionMethod method = kLzx;
    int lzxWindowBits = kLzxWindowMax;  // kLzxWindowMin..kLzxWindowMax
    int level = 7;                     // 1 (fastest) .. 7 (smallest)
    bool lzxE8 = true;                 // translate x86 call targets before LZX
    // A new folder starts before a file that would take the folder past this size; a
    // larger file gets a folder of its own.
    std::uint32_t folderThreshold = kMaxFolderBytes;
};

// The whole cabinet. Throws quen::Error for a file or a cabinet over the format's limits.
Bytes WriteCabinet(const std::vector<CabEntry>& files, const CabSettings& settings);

// The data blocks of one folder, compressed with the settings' method: one payload per
// kBlockSize bytes of `data`, the last one shorter.
std::vector<Bytes> EncodeFolder(ByteView data, const CabSettings& settings);

}  // namespace quen::cab
