// The patch icon: the ICO directory walk and the head's icon area.
#include "maker/IconProcModule.h"

#include <algorithm>

#include "maker/CompModule.h"
#include "maker/HeadIconArea.h"
#include "maker/PackageLayout.h"
#include "platform/Files.h"
#include "startup/FSUPLIBmain.h"
#include "startup/ProgramPaths.h"

namespace quen {

namespace {

constexpr std::uint64_t kIcoHeaderSize = 6;
constexpr std::uint64_t kIcoEntrySize = 16;
constexpr std::size_t kGroupEntryBefore = 8;     // group entry bytes before its byte count
constexpr std::uint32_t kBitmapHeaderSize = 40;  // BITMAPINFOHEADER; its bit count ends at byte 16

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

// The group entry's colour count, planes and bit count follow the image, the image
// resource's size its length. A bit count of 0 in the icon file is read from the image's
// bitmap header instead.
void MatchHeadToImage(Bytes& head, std::int64_t areaPosition, const IconImageSpan& span, ByteView image) {
    std::uint8_t entry[6];
    std::copy_n(span.entry, sizeof entry, entry);
    if (GetLE16(entry + 4) == 0 && image.size() >= 16 && GetLE32(image.data()) == kBitmapHeaderSize) {
        std::copy_n(image.data() + 12, 4, entry + 2);  // biPlanes, biBitCount
    }
    const std::size_t at = static_cast<std::size_t>(areaPosition - 1) - kGroupEntryBefore + 2;
    std::copy_n(entry, sizeof entry, head.begin() + static_cast<std::ptrdiff_t>(at));
    const HeadIconArea area = FindHeadIconArea(head);
    if (area.status == HeadIconArea::Status::Found && area.position == areaPosition)
        SetLE32(head, static_cast<std::size_t>(area.imageSizeAt), static_cast<std::uint32_t>(image.size()));
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
        if (Is32x32(ico, k)) {
            IconImageSpan span{kIcoHeaderSize + kIcoEntrySize * count + before, size, {}};
            std::copy_n(ico.data() + kIcoHeaderSize + kIcoEntrySize * k + 2, sizeof span.entry, span.entry);
            return span;
        }
        before += size;
    }
    return std::nullopt;
}

IconReplacement ReplaceIcon(Bytes& head, const std::string& iconPath, const std::string& programFolder,
                            std::int64_t areaPosition, std::int64_t areaLength) {
    const std::string path = TransAutoPath(iconPath, PathKind(iconPath), programFolder);
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
    const IconAreaStatus written = areaPosition <= static_cast<std::int64_t>(kGroupEntryBefore)
                                       ? IconAreaStatus::OutsideHead
                                       : WriteIconArea(head, areaPosition, areaLength, image);
    switch (written) {
        case IconAreaStatus::Written:
            MatchHeadToImage(head, areaPosition, *span, image);
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
