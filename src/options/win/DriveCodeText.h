// The drive code of a drive as the test dialog and the hidden options page show it.
#pragma once

#include <string>

namespace quen::options::win {

// The decimal drive code of drive `letter` ("D" or "D:"), or "Error" when its volume
// information cannot be read.
std::string DriveCodeText(const std::string& letter);

}  // namespace quen::options::win
