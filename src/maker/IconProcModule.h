// The patch icon: finding the 32x32 image of an ICO file and writing it into the head's icon area.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "maker/CompFormat.h"

namespace quen {

// Whether the icon directory lists an image of 32 by 32 pixels: the 16-bit image count at
// offset 4, then 16-byte entries from offset 6 with width and height in their first two
// bytes. A count below 1, or entries cut off by the end of the file, answer no.
bool HasIcon32(ByteView icoFile);
// The same for a file; false when it cannot be read.
bool HasIcon32File(const std::string& path);

// Where the first 32x32 image lies. The images are taken to follow the directory in entry
// order (the offsets stored in the entries are not used): it starts after the directory
// and the byte sizes of the entries before it. Nothing when there is no 32x32 entry.
// `entry` holds bytes 2..7 of its directory entry (colour count, reserved, planes, bit
// count), which the head's icon group entry must repeat.
struct IconImageSpan {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::uint8_t entry[6] = {};
};
std::optional<IconImageSpan> FindIcon32(ByteView icoFile);

enum class IconResult {
    Replaced,
    NotAnIcon,     // missing file, or an extension other than ICO: head unchanged
    No32x32,       // no 32x32 image: head unchanged
    Damaged,       // the image runs past the end of the icon file: head unchanged
    TooLarge,      // larger than the head's icon area: head unchanged
    NoIconArea,    // the settings' icon area does not lie inside the head: head unchanged
};

struct IconReplacement {
    IconResult result = IconResult::NotAnIcon;
    std::string message;  // for TooLarge, Damaged and NoIconArea: what the user is told
};

// Replaces the icon of the head held in `head` with the 32x32 image of `iconPath` (a path
// form of the patch options, taken through TransAutoPath against `programFolder`). The
// area is ICON_INIT_POSTION (1-based) and ICON_INIT_LENG of the settings file; the 8 bytes
// before it, the rest of the icon group entry, take the image's colour count, planes and
// bit count, and the image resource's size (when the head's resources show it) its length,
// so that every reader of the head sees one consistent image.
IconReplacement ReplaceIcon(Bytes& head, const std::string& iconPath, const std::string& programFolder,
                            std::int64_t areaPosition, std::int64_t areaLength);

}  // namespace quen
