// Text helpers of the window driver.
#include "driver/Text.h"

#include <windows.h>

#include <cwchar>
#include <cwctype>

namespace quen::driver {

std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring Widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::wstring StripMnemonic(const std::wstring& caption) {
    std::wstring out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;  // "&x" shows x, "&&" shows &
        out += caption[i];
    }
    return out;
}

std::wstring LabelKey(const std::wstring& label) {
    std::wstring key = StripMnemonic(label);
    while (!key.empty() && (key.back() == L':' || key.back() == L' ')) key.pop_back();
    return key;
}

bool SameCaption(const std::wstring& a, const std::wstring& b) {
    return a == b || StripMnemonic(a) == StripMnemonic(b);
}

bool SameNoCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    }
    return true;
}

std::wstring UnixLines(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
        out += text[i];
    }
    return out;
}

std::wstring OneLine(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : UnixLines(text)) {
        if (c == L'\n') out += L"\\n";
        else if (c == L'\t') out += L"\\t";
        else if (c == L'\r') out += L"\\r";
        else out += c;
    }
    return out;
}

bool ParseSeconds(const std::wstring& text, double& seconds) {
    if (text.empty()) return false;
    wchar_t* end = nullptr;
    double v = std::wcstod(text.c_str(), &end);
    if (end == nullptr || *end != L'\0' || !(v >= 0) || v > 86400) return false;
    seconds = v;
    return true;
}

bool ParseCount(const std::wstring& text, unsigned long& value) {
    if (text.empty() || text.size() > 9) return false;
    unsigned long v = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        v = v * 10 + static_cast<unsigned long>(c - L'0');
    }
    value = v;
    return true;
}

}  // namespace quen::driver
