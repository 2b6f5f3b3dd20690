// The cabinet tool's directive file: makecab-style ".Set" lines, comments and file lines.
#pragma once

#include <string>
#include <vector>

#include "maker/cab/CabWriter.h"

namespace quen::cab {

struct CabSource {
    std::string path;  // as written, relative to the working folder
    std::string name;  // name stored in the cabinet
};

struct CabDirectives {
    CabSettings settings;                         // CompressionType, CompressionMemory, CompressionLevel
    std::string cabinetName = "*.cab";            // CabinetNameTemplate; "*" is the cabinet number
    std::string diskDirectory;                    // DiskDirectoryTemplate; empty: the working folder
    bool cabinet = true;                          // Cabinet=off copies the files instead of packing them
    bool compress = true;                         // Compress=off stores the data (method NONE)
    std::vector<CabSource> files;
};

// Reads a whole directive file. Lines: blank; ";" comment (also after a directive);
// ".Set Name=Value" with an optionally quoted value; ".Option Explicit"; a file line
// `"path" ["name"]`.
// Names and values of directives are matched without regard to case. Anything else, an
// unknown variable or a value out of range throws quen::Error saying "line N: ...".
CabDirectives ParseDirectives(const std::string& text);

// The cabinet's path: DiskDirectoryTemplate and CabinetNameTemplate, "*" replaced by 1.
std::string CabinetPath(const CabDirectives& d);

}  // namespace quen::cab
