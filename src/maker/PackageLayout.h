// The patch package and patch executable layout, shared by the maker (writes it) and the
// executable head (reads it): file names in the cabinet, the INI definition block, the
// cabinet tool's directive file, the appended cabinet and the head's icon area.
// Every integer is 32-bit little-endian, written and read byte by byte.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "maker/CompFormat.h"

namespace quen {

// --- names in the package ----------------------------------------------------------

inline constexpr const char* kPackageScriptFile = "Setup.ini";
inline constexpr const char* kPackagePictureFile = "Setup.img";
// What the cabinet tool writes into its working folder.
inline constexpr const char* kCabinetFile = "TempFile.CAB";
// The make step's folder below the system temporary folder (with its trailing "\").
inline constexpr const char* kMakeTempFolder = "QuenlarkTemp\\";

// "P" followed by the action's 1-based position in the project.
std::string DataFileName(int position);

// True for the only names a package may hold: "Setup.ini", "Setup.img", and "P"
// followed by 1 to 9 decimal digits without a leading zero. No path, no other name.
bool IsPackageFileName(const std::string& name);

// Action kinds that carry a data file: 0 Execute, 1 Add, 2 Patch, 5 INI Patch.
bool HasDataFile(int actType);

// --- INI definition block (data file of an INI Patch action) ------------------------
// offset 0: total length of the block, this 8-byte header included
// offset 4: number of definitions
// offset 8: per definition a 4-byte length n, then n bytes of definition text

inline constexpr std::size_t kIniBlockHeaderSize = 8;

Bytes BuildIniBlock(const std::vector<std::string>& definitions);

// The definitions of a block, or nothing when the block is malformed: shorter than its
// header, a total length other than the block's size, a count or a definition length
// that runs past the block, or bytes left over after the last definition.
std::optional<std::vector<std::string>> ReadIniBlock(ByteView block);

// --- directive file -------------------------------------------------------------------

// The template's bytes unchanged, then per packed file CR LF and the quoted name: the
// data files in action order, "Setup.img" when `withPicture`, "Setup.ini" last. No line
// end after the last name.
std::string BuildDirectiveFile(const std::string& templateBytes, const std::vector<std::string>& dataFiles,
                               bool withPicture);

// --- patch executable ----------------------------------------------------------------
// offset 0: the head's bytes (icon area replaced)
// offset H: cabinet length C
// offset H + 4: the C cabinet bytes
// Anything after H + 4 + C (a signature added later) is not part of the patch.

inline constexpr std::size_t kCabinetLengthSize = 4;

// Head, cabinet length and cabinet as one byte string. A cabinet of 4 GiB or more
// cannot be described and throws quen::Error.
Bytes BuildPatchExecutable(ByteView head, ByteView cabinet);

// What goes before the cabinet: the head and the cabinet length (same limit).
Bytes PatchExecutableFront(ByteView head, std::uint64_t cabinetSize);

enum class AppendedStatus { Ok, NoLength, PastEnd, Empty };

struct AppendedCabinet {
    AppendedStatus status = AppendedStatus::NoLength;
    std::size_t offset = 0;  // of the cabinet's first byte in the file
    std::size_t length = 0;
};

// Finds the cabinet in a patch executable whose head ends at `headEnd`: NoLength when
// fewer than 4 bytes follow the head, PastEnd when the stored length runs past the
// file, Empty when it is 0. Bytes after the cabinet are allowed.
AppendedCabinet LocateCabinet(ByteView file, std::size_t headEnd);

// --- icon area of the head ---------------------------------------------------------------
// At 1-based position P: 4 bytes image length Z, 2 bytes kept, then N bytes of image
// filled up with zero bytes.

inline constexpr std::size_t kIconAreaPrefix = 6;

enum class IconAreaStatus { Written, OutsideHead, TooLarge };

// Writes `image` into the head's icon area at 1-based position `position` of `areaLength`
// bytes. The head is left unchanged when the area does not lie inside it (OutsideHead)
// or the image is longer than the area (TooLarge).
IconAreaStatus WriteIconArea(Bytes& head, std::int64_t position, std::int64_t areaLength, ByteView image);

}  // namespace quen
