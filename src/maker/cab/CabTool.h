// The cabinet tool's command: QCab /F directives.ddf
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quen::cab {

// Exit codes of the cabinet tool.
inline constexpr int kQCabOk = 0;
inline constexpr int kQCabFailed = 1;  // bad directive, unreadable file, limit exceeded
inline constexpr int kQCabUsage = 2;

// Packs the files listed in the directive file into the cabinet it names, relative to the
// working folder. On any failure nothing is written (an existing cabinet stays as it was)
// and the reason goes to `err`.
int RunQCab(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quen::cab
