// The QuenDiff command line: encode and apply difference data, pack and unpack
// run-length containers, over the same code the make step and the head use.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quen {

inline constexpr int kQuenDiffOk = 0;
inline constexpr int kQuenDiffFailed = 1;  // unreadable input, damaged data, refused write
inline constexpr int kQuenDiffUsage = 2;   // wrong command line

// Runs one command (the arguments after the program name). Outputs are written through a
// temporary file, so after any failure the output path is as it was. Returns the exit
// status: 0 only on success.
int RunQuenDiff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quen
