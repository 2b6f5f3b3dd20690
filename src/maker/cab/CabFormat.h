// Microsoft Cabinet layout shared by the cabinet tool and the patch head: record sizes and
// offsets, flag and compression values, and the data block checksum.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quen::cab {

// CFHEADER: "MSCF", reserved, cbCabinet, reserved, coffFiles, reserved, versionMinor,
// versionMajor, cFolders, cFiles, flags, setID, iCabinet. No reserve area, no chaining:
// the flags are always 0.
inline constexpr std::uint8_t kSignature[4] = {'M', 'S', 'C', 'F'};
inline constexpr std::size_t kHeaderSize = 36;
inline constexpr std::size_t kHeaderCabinetSize = 8;   // u32 total length of the cabinet
inline constexpr std::size_t kHeaderFilesOffset = 16;  // u32 offset of the first CFFILE
inline constexpr std::size_t kHeaderVersion = 24;      // u8 minor, u8 major
inline constexpr std::size_t kHeaderFolderCount = 26;  // u16
inline constexpr std::size_t kHeaderFileCount = 28;    // u16
inline constexpr std::size_t kHeaderFlags = 30;        // u16
inline constexpr std::uint8_t kVersionMinor = 3;
inline constexpr std::uint8_t kVersionMajor = 1;
// Header flags a reader must understand before it can walk the records.
inline constexpr std::uint16_t kFlagPrevCabinet = 0x0001;
inline constexpr std::uint16_t kFlagNextCabinet = 0x0002;
inline constexpr std::uint16_t kFlagReservePresent = 0x0004;

// CFFOLDER: coffCabStart (u32, first CFDATA), cCFData (u16), typeCompress (u16).
inline constexpr std::size_t kFolderSize = 8;

// CFFILE: cbFile (u32), uoffFolderStart (u32), iFolder (u16), date, time, attribs (u16),
// then the name, zero-terminated.
inline constexpr std::size_t kFileFixedSize = 16;
inline constexpr std::uint16_t kAttrArchive = 0x20;
// Values of iFolder above this mark files continued across cabinets, which we never write.
inline constexpr std::uint16_t kFolderContinuedFirst = 0xFFFD;

// CFDATA: csum (u32), cbData (u16), cbUncomp (u16), then cbData bytes.
inline constexpr std::size_t kDataHeaderSize = 8;
// Every data block but the last of a folder holds exactly this many uncompressed bytes.
inline constexpr std::size_t kBlockSize = 32768;
// Compressed blocks may be a little larger than the data they hold.
inline constexpr std::size_t kMaxCompressedBlock = kBlockSize + 6144;

// typeCompress: the low four bits select the method; LZX keeps its window bits in 8..12.
enum CompressionMethod : std::uint16_t { kNone = 0, kMszip = 1, kQuantum = 2, kLzx = 3 };
inline constexpr std::uint16_t kMethodMask = 0x000F;
inline constexpr int kLzxWindowMin = 15;
inline constexpr int kLzxWindowMax = 21;
inline constexpr std::uint16_t LzxType(int windowBits) {
    return static_cast<std::uint16_t>(kLzx | (windowBits << 8));
}

// Limits of one folder and of one file: offsets inside a folder are 32-bit and a folder
// holds at most 65535 data blocks.
inline constexpr std::uint32_t kMaxFolderBytes = 0x7FFF8000;
inline constexpr std::size_t kMaxBlocksPerFolder = 65535;
inline constexpr std::size_t kMaxFilesOrFolders = 65535;
// Where our cabinet writer starts a new folder unless the directives say otherwise.
inline constexpr std::uint32_t kDefaultFolderBytes = 32u << 20;

// The cabinet checksum: 32-bit little-endian words XORed together, a tail of one to
// three bytes taken most significant byte first, starting from `seed`.
std::uint32_t Checksum(const std::uint8_t* data, std::size_t size, std::uint32_t seed);

// The csum field of a data block: the checksum of its data, then of its cbData and
// cbUncomp fields seeded with that.
std::uint32_t DataBlockChecksum(const std::uint8_t* data, std::uint16_t cbData, std::uint16_t cbUncomp);

// Little-endian field access for the records above.
inline std::uint16_t Get16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
inline std::uint32_t Get32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
inline void Set16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void Set32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace quen::cab
