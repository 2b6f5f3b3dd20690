// Rebuilding a new file from the old file and its difference data, checking everything
// the data claims before trusting it.
#pragma once

#include <cstdint>
#include <string>

#include "maker/CompFormat.h"

namespace quen {

enum class ApplyFault {
    None,
    ShortHeader,         // shorter than its header
    TotalLength,         // header's total length is not the data's length
    OldLength,           // the old file is not the length the data was made for
    OldChecksum,         // the old file's checksum differs
    UnknownRecord,       // a record type other than literal or copy
    TruncatedRecord,     // a record's fields or literal bytes run past the data's end
    CopyOutsideOld,      // a copy reaches outside the old file
    TooLong,             // the records produce more than the new length
    TooShort,            // the records produce less than the new length
    NewChecksum,         // the CRC-32 of the rebuilt file differs from the one stored
    UnknownVersion,      // compact data of a version or with flags this decoder does not know
    TruncatedStream,     // a compact stream ends inside a field or before its last command
    TrailingStream,      // a compact stream holds more than the new file takes
};

struct DifferenceHeader {
    std::uint32_t totalLength = 0;
    std::uint32_t oldChecksum = 0;
    std::uint32_t oldLength = 0;
    std::uint32_t newLength = 0;
};

struct ApplyResult {
    ApplyFault fault = ApplyFault::None;
    Bytes newFile;  // empty unless fault is None
    bool Ok() const { return fault == ApplyFault::None; }
};

// The header of difference data of either format (for compact data, totalLength is its
// length), when it is complete.
bool ReadDifferenceHeader(ByteView difference, DifferenceHeader& header);

// The new file, or the first fault found; never reads or writes outside the buffers.
// Compact data (maker/CompactFormat.h) is told by its magic and decoded by ApplyCompact.
ApplyResult ApplyDifference(ByteView oldFile, ByteView difference);

// QuenDiff's own difference files: the difference data exactly as above, then 4 bytes
// (little-endian) of the CRC-32 of the new file (maker/Crc32.h). The data alone cannot
// tell a changed copy position or literal byte; the checksum can.
Bytes DifferenceFile(Bytes difference, ByteView newFile);
// Rebuilds from such a file, or from compact data, which carries its own CRC-32 and is
// written to a QuenDiff file unchanged. A classic file without its 4 checksum bytes gives TotalLength, a
// rebuilt file whose CRC-32 differs gives NewChecksum (and no new file).
ApplyResult ApplyDifferenceFile(ByteView oldFile, ByteView file);

// A sentence for the user describing the fault.
std::string ApplyFaultText(ApplyFault fault);

}  // namespace quen
