// The test dialog's run-length tasks on whole files: "X" to "X.dat" and back to "X.DeDat".
#pragma once

#include <string>

namespace quen {

// Packs file `path` into path & ".dat": the 4-byte little-endian length, then the
// records. Unpacks `path` (such a file) into path & ".DeDat". Both write through a
// temporary file beside the target, so a failure leaves no half-written output. Throws
// quen::Error for a file that cannot be read or written and for a damaged packed file.
void RlePackFile(const std::string& path);
void RleUnpackFile(const std::string& path);

}  // namespace quen
