// FSUPLIBmain file routines: existence tests, directory-of, forced delete, copy with folder.
#include "platform/Files.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

using platform::AttrStatus;

namespace {

// The text before the last "\", when that "\" is at least the third character.
std::string TextBeforeLastBackslash(const std::string& path) {
    const auto slash = path.rfind('\\');
    if (slash == std::string::npos || slash < 2) return {};
    return path.substr(0, slash);
}

}  // namespace

bool FileExists(const std::string& path, unsigned mask) {
    return !path.empty() && platform::FindEntry(path, mask);
}

bool IsPlainFile(const std::string& path) {
    constexpr unsigned kNotOrdinary = platform::kAttrDirectory | platform::kAttrHidden | platform::kAttrSystem;
    const platform::AttrResult a = platform::GetAttributes(path);
    return a.status == AttrStatus::Ok && (a.attrs & kNotOrdinary) == 0 && !path.empty() && path.back() != '\\' &&
           path.find_first_of("*?") == std::string::npos;
}

std::string GetDir(const std::string& path, const PathErrorReport& report) {
    if (path.empty()) return {};
    const platform::AttrResult a = platform::GetAttributes(path);
    if (a.status == AttrStatus::Ok && (a.attrs & platform::kAttrDirectory)) return StripTrailingBackslash(path);
    if (a.status == AttrStatus::OtherError) {
        if (report) report(a.error, kGetDirErrorName);
        return {};
    }
    return TextBeforeLastBackslash(path);
}

bool DeleteFileForce(const std::string& path) {
    if (!FileExists(path, kFindHiddenSystem)) return true;
    if (!platform::SetAttributesNormal(path)) return false;
    return platform::RemoveFile(path) == 0;
}

bool CopyFileEnsure(const std::string& source, const std::string& target) {
    const std::string folder = TextBeforeLastBackslash(target);
    if (!folder.empty()) {
        const platform::AttrResult a = platform::GetAttributes(folder);
        const bool isFolder = a.status == AttrStatus::Ok && (a.attrs & platform::kAttrDirectory);
        if (!isFolder && platform::MakeDirectory(folder) != 0) return false;
    }
    return platform::CopyOneFile(source, target) == 0;
}

}  // namespace quen
