// The patch icon: the ICO directory walk and the head's icon area.
#include "maker/IconProcModule.h"

#include "maker/CompModule.h"
#include "maker/PackageLayout.h"
#include "platform/Files.h"
#include "runtime/TargetDir.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

namespace {

constexpr std::uint64_t kIcoHeaderSize = 6;
constexpr std::uint64_t kIcoEntrySize = 16;

// The number of entries whose 16 bytes lie inside the file, or -1 for a count below 1.
int ReadableEntries(ByteView ico) {
    if (ico.size() < kIcoHeaderSize) return -1;
    const int count = static_cast<std::int16_t>(GetLE16(ico.data() + 4));
    if (count < 1) return -1;
    const std::uint64_t fit = (ico.size() - kIcoHeaderSize) / kIcoEntrySize;
    return static_cast<int>(std::min<std::uint64_t>(static_cast<std::uint64_t>(count), fit));
}

bool Is32x32(ByteView ico, int k) {
    const std::uint8_t* e = ico.data() + kIcoHeaderSize + kIcoEntrySize * static_cast<std::uint64_t>(k);
    return e[0] == 32 && e[1] == 32;
}

}  // namespace

bool HasIcon32(ByteView icoFile) { return FindIcon32(icoFile).has_value(); }

bool HasIcon32File(const std::string& path) {
    std::string data;
    return platform::ReadWholeFile(path, data) == 0 && HasIcon32(ViewOf(data));
}

std::optional<IconImageSpan> FindIcon32(ByteView ico) {
    const int entries = ReadableEntries(ico);
    if (entries < 1) return std::nullopt;
    const std::uint64_t count = GetLE16(ico.data() + 4);
    std::uint64_t before = 0;
    for (int k = 0; k < entries; ++k) {
        const std::uint64_t size = GetLE32(ico.data() + kIcoHeaderSize + kIcoEntrySize * k + 8);
        if (Is32x32(ico, k)) return IconImageSpan{kIcoHeaderSize + kIcoEntrySize * count + before, size};
        before += size;
    }
    return std::nullopt;
}

IconReplacement ReplaceIcon(Bytes& head, const std::string& iconPath, const std::string& programFolder,
                            std::int64_t areaPosition, std::int64_t areaLength) {
    const std::string path = runtime::TransAutoPath(iconPath, runtime::PathKind(iconPath), programFolder);
    std::string ico;
    if (path.empty() || GetExtension(path) != "ICO" || !FileExists(path, kFindHiddenSystem) ||
        platform::ReadWholeFile(path, ico) != 0) {
        return {IconResult::NotAnIcon, ""};
    }
    const std::optional<IconImageSpan> span = FindIcon32(ViewOf(ico));
    if (!span) return {IconResult::No32x32, ""};
    if (span->offset > ico.size() || span->length > ico.size() - span->offset) {
        return {IconResult::Damaged, "The icon " + path + " is damaged: its 32x32 image runs past the end of the "
                                     "file. The patch keeps the head's own icon."};
    }
    const ByteView image = ViewOf(ico).subspan(span->offset, span->length);
    switch (WriteIconArea(head, areaPosition, areaLength, image)) {
        case IconAreaStatus::Written:
            return {IconResult::Replaced, ""};
        case IconAreaStatus::TooLarge:
            return {IconResult::TooLarge, "The 32x32 image of the icon " + path + " has " +
                                              std::to_string(image.size()) + " bytes; the patch head holds at most " +
                                              std::to_string(areaLength) +
                                              ". The patch keeps the head's own icon (use a 32x32 image of 16 "
                                              "colours or 256 colours without PNG compression)."};
        case IconAreaStatus::OutsideHead:
            break;
    }
    return {IconResult::NoIconArea, "The settings file's icon area (ICON_INIT_POSTION " +
                                        std::to_string(areaPosition) + ", ICON_INIT_LENG " +
                                        std::to_string(areaLength) +
                                        ") does not lie inside the patch head. The patch keeps the head's own icon."};
}

}  // namespace quen
