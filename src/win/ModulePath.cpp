// Where the running executable lives: its folder and its name.
#include "win/ModulePath.h"

#include <windows.h>

#include <vector>

namespace quen::win {

ModulePath CurrentModulePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    const std::string full(buffer.begin(), buffer.end());
    const size_t slash = full.find_last_of('\\');
    ModulePath result;
    result.folder = slash == std::string::npos ? "." : full.substr(0, slash);
    std::string name = slash == std::string::npos ? full : full.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    result.exeName = dot == std::string::npos ? name : name.substr(0, dot);
    return result;
}

}  // namespace quen::win
