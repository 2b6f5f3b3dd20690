// Where the package of a patch executable lies: right after the head's own image, a
// 4-byte little-endian cabinet length and the cabinet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "maker/CompFormat.h"

namespace quen {

enum class PackageFault {
    None,
    NotExecutable,  // no readable PE headers: not a head at all
    NoPackage,      // the head alone (perhaps signed): nothing appended
    BadLength,      // the stored length is too small, or runs past the file or into its signature
};

struct PackageLocation {
    PackageFault fault = PackageFault::None;
    std::size_t imageEnd = 0;  // where the head's own bytes end
    ByteView cabinet;          // the stored length's bytes after the length field
};

// The end of a PE image: the furthest end of its headers and section data. Bytes after it
// (a package, a certificate table) are not part of the image. 0 when the headers are unreadable.
std::size_t PeImageEnd(ByteView file);

// True when the file is a PE file with a certificate table (it was signed): a package
// appended after that table could not be found.
bool IsSigned(ByteView file);

// Finds the package by the stored length, never by the end of the file: data appended
// later (an Authenticode signature) does not move it.
PackageLocation LocatePackage(ByteView file);

// A sentence for the user.
std::string PackageFaultText(PackageFault fault);

}  // namespace quen
