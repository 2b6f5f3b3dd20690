// The file difference encoder: compares an old and a new version of a file and returns
// the difference data that rebuilds the new version from the old one.
#pragma once

#include <string>

#include "maker/CompEncoder.h"
#include "maker/CompFormat.h"
#include "maker/CompRegionPlan.h"
#include "maker/CompSections.h"
#include "maker/CompTuning.h"

namespace quen {

// Difference data of two files held in memory, in the tuning's mode (the default is the
// quick scan). Files of 4 GiB or more throw Error.
Bytes CompareBytes(ByteView oldFile, ByteView newFile, const CompTuning& tuning,
                   CompareProgress* progress = nullptr);

// Reads both files whole and compares them. A file that cannot be read throws Error
// with its classic error number (53 when missing) before anything is compared.
Bytes CompareFiles(const std::string& oldPath, const std::string& newPath, const CompTuning& tuning,
                   CompareProgress* progress = nullptr);

// The records as bytes after the header; shared by every encoder of these records.
Bytes WriteDifference(ByteView oldFile, ByteView newFile, const CompRecords& records);

// Reads a whole file (paths as the platform layer takes them); throws Error as
// CompareFiles does.
std::string ReadFileForCompare(const std::string& path);

// The bytes of a file read as text, without copying them.
inline ByteView ViewOf(const std::string& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.data()), data.size()};
}

}  // namespace quen
