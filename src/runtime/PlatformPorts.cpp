// The engine's file and INI access on the real file system.
#include "runtime/PlatformPorts.h"

#include "base/Text.h"
#include "platform/Files.h"
#include "startup/AppINI.h"

namespace quen::runtime {

namespace {

constexpr unsigned kAnyEntry = platform::kAttrHidden | platform::kAttrSystem | platform::kAttrDirectory;

AppINI At(const std::string& file, const std::string& section) {
    AppINI ini;
    ini.FileName = file;
    ini.Section = section;
    return ini;
}

}  // namespace

bool PlatformFiles::Exists(const std::string& path) { return !path.empty() && platform::FindEntry(path, kAnyEntry); }

bool PlatformFiles::IsDirectory(const std::string& path) {
    const platform::AttrResult r = platform::GetAttributes(path);
    return r.status == platform::AttrStatus::Ok && (r.attrs & platform::kAttrDirectory);
}

bool PlatformFiles::ReadAll(const std::string& path, Bytes& data) {
    std::string text;
    if (platform::ReadWholeFile(path, text) != 0) return false;
    data.assign(text.begin(), text.end());
    return true;
}

bool PlatformFiles::WriteReplacing(const std::string& path, const Bytes& data) {
    return platform::WriteFileReplacing(path, std::string(data.begin(), data.end())) == 0;
}

bool PlatformFiles::WriteFlushed(const std::string& path, const Bytes& data) {
    return platform::WriteFileFlushed(path, std::string(data.begin(), data.end())) == 0;
}

bool PlatformFiles::Copy(const std::string& from, const std::string& to) {
    return platform::CopyOneFile(from, to) == 0;
}

bool PlatformFiles::DeleteForce(const std::string& path) {
    const platform::AttrResult r = platform::GetAttributes(path);
    if (r.status == platform::AttrStatus::NotFound) return true;
    if (r.status != platform::AttrStatus::Ok || (r.attrs & platform::kAttrDirectory)) return false;
    platform::SetAttributesNormal(path);
    return platform::RemoveFile(path) == 0;
}

bool PlatformFiles::MakeFolder(const std::string& path) {
    return IsDirectory(path) || platform::MakeDirectory(path) == 0;
}

bool PlatformFiles::RemoveEmptyFolder(const std::string& path) { return platform::RemoveEmptyDirectory(path) == 0; }

bool PlatformFiles::MoveReplace(const std::string& from, const std::string& to) {
    const platform::AttrResult r = platform::GetAttributes(to);
    if (r.status == platform::AttrStatus::Ok) {
        if (r.attrs & platform::kAttrDirectory) return false;
        platform::SetAttributesNormal(to);
    }
    if (platform::MoveReplace(from, to) == 0) return true;
    if (r.status == platform::AttrStatus::Ok) platform::SetAttributes(to, r.attrs);
    return false;
}

bool AppIniFiles::ReadKey(const std::string& file, const std::string& section, const std::string& key,
                          std::string& value) {
    value.clear();
    const std::string path = TrimBlanks(file);
    std::string text;
    // A file that cannot be read is refused as it always was, with its error.
    if (platform::ReadWholeFile(path, text) != 0) return At(file, section).ReadKey(key, value);
    if (text != text_) {
        lines_ = ini::SplitLines(text);
        text_ = std::move(text);
    }
    return ini::FindKey(lines_, section, key, value);
}

bool AppIniFiles::WriteKey(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& value) {
    AppINI ini = At(file, section);
    return ini.WriteKey(key, value);
}

bool AppIniFiles::DelKey(const std::string& file, const std::string& section, const std::string& key) {
    AppINI ini = At(file, section);
    return ini.DelKey(key);
}

}  // namespace quen::runtime
