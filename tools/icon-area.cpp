// Build step: writes the executable head's icon area into the shipped settings file.
//   icon-area HEAD.exe SETTINGS_IN SETTINGS_OUT
// Copies the settings file with ICON_INIT_POSTION and ICON_INIT_LENG set from the head.
// A head without a replaceable 32x32 icon (none, or its image not laid out right after
// its group entry) gets 0 and 0 and a warning: the make then keeps the head's icon and
// says so. The build goes on, so a head still in the making does not stop everyone.
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "maker/HeadIconArea.h"

namespace {

std::string ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Replaces the value of a "KEY=" line, keeping the line end.
bool SetValue(std::string& ini, const std::string& key, long long value) {
    const std::size_t at = ini.find("\n" + key + "=");
    if (at == std::string::npos) return false;
    const std::size_t start = at + key.size() + 2;
    const std::size_t end = ini.find_first_of("\r\n", start);
    ini.replace(start, (end == std::string::npos ? ini.size() : end) - start, std::to_string(value));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: icon-area HEAD.exe SETTINGS_IN SETTINGS_OUT\n";
        return 2;
    }
    const std::string head = ReadAll(argv[1]);
    const quen::HeadIconArea area =
        quen::FindHeadIconArea({reinterpret_cast<const std::uint8_t*>(head.data()), head.size()});
    using S = quen::HeadIconArea::Status;
    if (area.status != S::Found) {
        std::cerr << "icon-area: warning: " << argv[1] << " has no replaceable icon (" << area.detail
                  << "); patch executables keep the head's icon\n";
    }
    std::string ini = ReadAll(argv[2]);
    if (!SetValue(ini, "ICON_INIT_POSTION", area.position) || !SetValue(ini, "ICON_INIT_LENG", area.length)) {
        std::cerr << "icon-area: " << argv[2] << " lacks ICON_INIT_POSTION or ICON_INIT_LENG\n";
        return 1;
    }
    std::ofstream out(argv[3], std::ios::binary);
    out << ini;
    return out.good() ? 0 : 1;
}
