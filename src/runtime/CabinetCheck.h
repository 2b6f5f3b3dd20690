// Checks a patch package's cabinet before anything is extracted: its structure, the names
// it holds and every data block's checksum.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "maker/CompFormat.h"

namespace quen::runtime {

struct CabinetFile {
    std::string name;
    std::uint32_t size = 0;
};

struct CabinetCheck {
    std::string fault;  // empty when the cabinet may be extracted; else a sentence for the user
    std::vector<CabinetFile> files;
    bool Ok() const { return fault.empty(); }
};

// One cabinet, not continued from or into another, without reserved areas, holding only
// package names (IsPackageFileName; once each, "Setup.ini" among them), every file inside its folder's data,
// and every data block whole with its checksum right.
CabinetCheck CheckCabinet(ByteView cabinet);

}  // namespace quen::runtime
