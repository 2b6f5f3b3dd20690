// The package and patch executable layout: names, INI block, directive file, appended cabinet, icon area.
#include "maker/PackageLayout.h"

#include <algorithm>
#include <limits>

#include "base/Errors.h"

namespace quen {

namespace {

constexpr std::uint64_t kMaxLE32 = std::numeric_limits<std::uint32_t>::max();

void PutText(Bytes& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
}

}  // namespace

std::string DataFileName(int position) { return "P" + std::to_string(position); }

bool IsPackageFileName(const std::string& name) {
    if (name == kPackageScriptFile || name == kPackagePictureFile) return true;
    if (name.size() < 2 || name.size() > 10 || name[0] != 'P' || name[1] == '0') return false;
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
    }
    return true;
}

bool HasDataFile(int actType) { return actType == 0 || actType == 1 || actType == 2 || actType == 5; }

Bytes BuildIniBlock(const std::vector<std::string>& definitions) {
    std::uint64_t total = kIniBlockHeaderSize;
    for (const std::string& d : definitions) total += 4 + d.size();
    if (total > kMaxLE32) throw Error(kErrOverflow, "The INI definitions are too long for one block.");
    Bytes out;
    out.reserve(static_cast<std::size_t>(total));
    PutLE32(out, static_cast<std::uint32_t>(total));
    PutLE32(out, static_cast<std::uint32_t>(definitions.size()));
    for (const std::string& d : definitions) {
        PutLE32(out, static_cast<std::uint32_t>(d.size()));
        PutText(out, d);
    }
    return out;
}

std::optional<std::vector<std::string>> ReadIniBlock(ByteView block) {
    if (block.size() < kIniBlockHeaderSize || GetLE32(block.data()) != block.size()) return std::nullopt;
    const std::uint32_t count = GetLE32(block.data() + 4);
    // Every definition takes at least its 4-byte length: a count beyond that is a lie
    // and must not reserve memory.
    if (count > (block.size() - kIniBlockHeaderSize) / 4) return std::nullopt;
    std::vector<std::string> definitions;
    definitions.reserve(count);
    std::size_t at = kIniBlockHeaderSize;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (block.size() - at < 4) return std::nullopt;
        const std::uint32_t n = GetLE32(block.data() + at);
        at += 4;
        if (block.size() - at < n) return std::nullopt;
        definitions.emplace_back(reinterpret_cast<const char*>(block.data() + at), n);
        at += n;
    }
    if (at != block.size()) return std::nullopt;
    return definitions;
}

std::string BuildDirectiveFile(const std::string& templateBytes, const std::vector<std::string>& dataFiles,
                               bool withPicture) {
    std::string out = templateBytes;
    auto line = [&out](const std::string& name) { out += "\r\n\"" + name + "\""; };
    for (const std::string& name : dataFiles) line(name);
    if (withPicture) line(kPackagePictureFile);
    line(kPackageScriptFile);
    return out;
}

Bytes PatchExecutableFront(ByteView head, std::uint64_t cabinetSize) {
    if (cabinetSize > kMaxLE32) throw Error(kErrOverflow, "The cabinet is too large for a patch executable.");
    Bytes out(head.begin(), head.end());
    PutLE32(out, static_cast<std::uint32_t>(cabinetSize));
    return out;
}

Bytes BuildPatchExecutable(ByteView head, ByteView cabinet) {
    Bytes out = PatchExecutableFront(head, cabinet.size());
    out.insert(out.end(), cabinet.begin(), cabinet.end());
    return out;
}

AppendedCabinet LocateCabinet(ByteView file, std::size_t headEnd) {
    AppendedCabinet r;
    if (headEnd > file.size() || file.size() - headEnd < kCabinetLengthSize) return r;
    r.offset = headEnd + kCabinetLengthSize;
    r.length = GetLE32(file.data() + headEnd);
    if (r.length > file.size() - r.offset) {
        r.status = AppendedStatus::PastEnd;
    } else {
        r.status = r.length == 0 ? AppendedStatus::Empty : AppendedStatus::Ok;
    }
    return r;
}

IconAreaStatus WriteIconArea(Bytes& head, std::int64_t position, std::int64_t areaLength, ByteView image) {
    if (position < 1 || areaLength < 0) return IconAreaStatus::OutsideHead;
    const std::uint64_t start = static_cast<std::uint64_t>(position - 1);
    const std::uint64_t end = start + kIconAreaPrefix + static_cast<std::uint64_t>(areaLength);
    if (end > head.size()) return IconAreaStatus::OutsideHead;
    if (image.size() > static_cast<std::uint64_t>(areaLength)) return IconAreaStatus::TooLarge;
    SetLE32(head, static_cast<std::size_t>(start), static_cast<std::uint32_t>(image.size()));
    auto area = head.begin() + static_cast<std::ptrdiff_t>(start + kIconAreaPrefix);
    std::copy(image.begin(), image.end(), area);
    std::fill(area + static_cast<std::ptrdiff_t>(image.size()), area + static_cast<std::ptrdiff_t>(areaLength), 0);
    return IconAreaStatus::Written;
}

}  // namespace quen
