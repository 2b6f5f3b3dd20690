// Paths the system gives in UTF-16, handed to the code-page core without losing a letter.
#include "platform/win/AnsiPath.h"

#include <windows.h>

namespace quen::platform {

namespace {

// Exact conversion, or nullopt when a character has no code-page form.
std::optional<std::string> Exact(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    // A UTF-8 code page holds every letter and refuses the lossy-use flag.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    BOOL* lossyOut = utf8 ? nullptr : &lossy;
    const int n = WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, lossyOut);
    if (n <= 0 || lossy) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, flags, text.data(), length, out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring ShortForm(const std::wstring& path) {
    const DWORD n = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (n == 0) return L"";
    std::wstring out(n, L'\0');
    const DWORD got = GetShortPathNameW(path.c_str(), out.data(), n);
    if (got == 0 || got >= n) return L"";
    out.resize(got);
    return out;
}

}  // namespace

std::optional<std::string> AnsiPath(const std::wstring& path) {
    if (auto exact = Exact(path)) return exact;
    // The short form of the longest part that exists (a log file may not yet).
    for (std::size_t cut = path.size(); cut != std::wstring::npos && cut > 0; cut = path.find_last_of(L'\\', cut - 1)) {
        const std::wstring head = ShortForm(path.substr(0, cut));
        if (!head.empty()) return Exact(head + path.substr(cut));
    }
    return std::nullopt;
}

std::string LossyText(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    const int n = text.empty() ? 0 : WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), length, out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring Wide(const std::string& text) {
    if (text.empty()) return L"";
    const int length = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), n);
    return out;
}

std::optional<std::string> TempPath() {
    wchar_t buf[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathW(MAX_PATH + 1, buf);
    if (n == 0 || n > MAX_PATH) return std::nullopt;
    return AnsiPath(std::wstring(buf, n));
}

std::optional<std::string> ArgumentsInCodePage() {
    const wchar_t* p = GetCommandLineW();
    // The program's name ends at its closing quote, or else at the first blank.
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {
        }
        if (*p) ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return Exact(p);
}

}  // namespace quen::platform
