// Where the running program lies, and paths made absolute against the current folder.
#pragma once

#include <string>

namespace quen {

// The folder of the running executable, without a trailing separator.
std::string ProgramFolder();

// `path` as an absolute path, relative ones taken against the current folder.
std::string AbsolutePath(const std::string& path);

}  // namespace quen
