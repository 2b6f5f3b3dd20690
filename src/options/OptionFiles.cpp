// The picture and icon rules of the patch options.
#include "options/OptionFiles.h"

#include <algorithm>
#include <cstring>

#include "base/Text.h"

namespace quen {

namespace {

std::string UpperExtension(const std::string& path) {
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos) return {};
    return UpperCase(path.substr(dot + 1));
}

std::string Without(const std::string& text, const char* drop) {
    std::string out;
    for (char c : text)
        if (!std::strchr(drop, c)) out += c;
    return out;
}

}  // namespace

std::string ResolveOptionPath(const std::string& path, const std::string& programFolder) {
    if (path.size() >= 3 && path.compare(1, 2, ":\\") == 0) return path;
    if (path.size() >= 2 && path.compare(0, 2, ".\\") == 0) return programFolder + path.substr(1);
    return {};
}

bool IsPictureFileName(const std::string& path) {
    static const char* const kinds[] = {"BMP", "JPG", "JPEG", "GIF", "WMF", "EMF", "RLE"};
    const std::string ext = UpperExtension(path);
    return std::any_of(std::begin(kinds), std::end(kinds), [&](const char* k) { return ext == k; });
}

bool IsIconFileName(const std::string& path) { return UpperExtension(path) == "ICO"; }

std::string OneLine(const std::string& text) { return Without(text, "\r\n"); }

std::string WithoutQuotes(const std::string& text) { return Without(text, "\""); }

}  // namespace quen
