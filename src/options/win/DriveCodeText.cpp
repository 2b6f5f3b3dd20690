// The drive code of a drive as the test dialog and the hidden options page show it.
#include "options/win/DriveCodeText.h"

#include "options/CdExtra.h"
#include "startup/win/Win32_API.h"

namespace quen::options::win {

std::string DriveCodeText(const std::string& letter) {
    std::string root = letter.substr(0, letter.find(':'));
    if (root.empty()) return "Error";
    const int32_t serial = quen::win::GetVolumeSerial(root + ":\\");
    if (serial == -1) return "Error";
    return std::to_string(DriveCode(static_cast<uint32_t>(serial)));
}

}  // namespace quen::options::win
