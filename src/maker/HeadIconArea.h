// Where the executable head keeps its replaceable icon, read from its PE resources; the
// build writes the result into the shipped settings file (ICON_INIT_POSTION, ICON_INIT_LENG).
#pragma once

#include <cstdint>
#include <string>

#include "maker/CompFormat.h"

namespace quen {

// The head's icon area as the settings file gives it. The head holds one icon group
// (RT_GROUP_ICON) whose first 32x32 entry names an RT_ICON image; that image's data
// must follow right after the entry's byte count and image id in the file, so that the
// make can write a new byte count at `position` (1-based), keep the 2-byte id, and
// write the new image into the `length` bytes of the old one.
struct HeadIconArea {
    enum class Status { Found, NotPe, NoIcon, Misplaced } status = Status::NotPe;
    std::int64_t position = 0;
    std::int64_t length = 0;
    std::int64_t imageSizeAt = 0;  // file offset of the image resource's size field
    std::string detail;  // for NotPe, NoIcon and Misplaced: what was found
};

HeadIconArea FindHeadIconArea(ByteView head);

}  // namespace quen
