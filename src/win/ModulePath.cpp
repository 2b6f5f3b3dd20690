// Where the running executable lives: its folder and its name.
#include "win/ModulePath.h"

#include <windows.h>

#include "platform/win/AnsiPath.h"

namespace quen::win {

std::wstring CurrentModuleFile() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

ModulePath CurrentModulePath() {
    const std::wstring wide = CurrentModuleFile();
    const std::optional<std::string> ansi = platform::AnsiPath(wide);
    ModulePath result;
    result.exact = ansi.has_value();
    const std::string full = ansi ? *ansi : platform::LossyText(wide);
    const size_t slash = full.find_last_of('\\');
    result.folder = slash == std::string::npos ? "." : full.substr(0, slash);
    std::string name = slash == std::string::npos ? full : full.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    result.exeName = dot == std::string::npos ? name : name.substr(0, dot);
    return result;
}

}  // namespace quen::win
