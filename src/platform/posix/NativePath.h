// Native path and error helpers for the POSIX file seam.
#pragma once

#include <string>

namespace quen::platform::posix {

// The path with "\" mapped to "/".
std::string NativePath(const std::string& path);

// True when the path holds a character Windows refuses in a name (< > " | ? *,
// control characters, or ":" anywhere but after a drive letter), so native tests see
// the same "invalid name" failures as the product.
bool HasInvalidNameChar(const std::string& path);

// The classic error number for an errno value met while using `path`; a missing entry
// whose folder is missing too counts as a path error, as on Windows.
int ClassicError(int err, const std::string& nativePath);

}  // namespace quen::platform::posix
