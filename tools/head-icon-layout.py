#!/usr/bin/env python3
"""Lays out the executable head's icon so the make step can replace it in place.

The head has one icon group with one 32x32 image. The linker stores the image's data
before the group's; this moves the group's 20 bytes to just before the image, so the
image follows the group entry's byte count and image id directly. The data between
shifts by the group's size and every resource data entry is updated to match. Running
it again on a head laid out this way changes nothing.

Usage: head-icon-layout.py HEAD.exe
"""
import struct
import sys

RT_ICON, RT_GROUP_ICON = 3, 14


def u16(b, at):
    return struct.unpack_from("<H", b, at)[0]


def u32(b, at):
    return struct.unpack_from("<I", b, at)[0]


def sections(b):
    pe = u32(b, 0x3C)
    count, opt = u16(b, pe + 6), u16(b, pe + 20)
    magic = u16(b, pe + 24)
    rsrc_rva = u32(b, pe + 24 + (112 if magic == 0x20B else 96) + 16)
    table = pe + 24 + opt
    secs = [struct.unpack_from("<IIII", b, table + 40 * k + 8) for k in range(count)]
    return rsrc_rva, secs  # (virtual size, rva, raw size, raw offset)


def file_offset(secs, rva):
    for vsize, srva, rsize, raw in secs:
        if srva <= rva < srva + rsize:
            return raw + rva - srva
    raise SystemExit("resource RVA outside the sections")


def data_entries(b, root, at=None):
    """Every resource data entry: (file offset of the entry, type id, name id)."""
    out = []

    def walk(d, path):
        n = u16(b, d + 12) + u16(b, d + 14)
        for k in range(n):
            name, to = u32(b, d + 16 + 8 * k), u32(b, d + 20 + 8 * k)
            if to & 0x80000000:
                walk(root + (to & 0x7FFFFFFF), path + [name])
            else:
                out.append((root + to, path[0], path[1] if len(path) > 1 else name))

    walk(root, [])
    return out


def main(path):
    b = bytearray(open(path, "rb").read())
    rsrc_rva, secs = sections(b)
    root = file_offset(secs, rsrc_rva)
    entries = data_entries(b, root)
    groups = [e for e in entries if e[1] == RT_GROUP_ICON]
    if len(groups) != 1:
        raise SystemExit("the head must hold exactly one icon group")
    g_entry = groups[0][0]
    g_rva, g_size = u32(b, g_entry), u32(b, g_entry + 4)
    g_at = file_offset(secs, g_rva)
    if u16(b, g_at + 4) != 1 or b[g_at + 6] != 32 or b[g_at + 7] != 32 or g_size != 20:
        raise SystemExit("the icon group must hold one 32x32 image")
    image_id = u16(b, g_at + 18)
    icons = [e for e in entries if e[1] == RT_ICON and e[2] == image_id]
    i_entry = icons[0][0]
    i_rva = u32(b, i_entry)
    if i_rva == g_rva + g_size:
        return  # already laid out
    if g_rva < i_rva:
        raise SystemExit("unexpected resource order: the icon group lies before its image")
    i_at = file_offset(secs, i_rva)
    group = bytes(b[g_at:g_at + g_size])
    # [image .. other data .. group] becomes [group][image .. other data]
    b[i_at + g_size:g_at + g_size] = b[i_at:g_at]
    b[i_at:i_at + g_size] = group
    for e, _, _ in entries:
        rva = u32(b, e)
        if e == g_entry:
            struct.pack_into("<I", b, e, i_rva)
        elif i_rva <= rva < g_rva:
            struct.pack_into("<I", b, e, rva + g_size)
    open(path, "wb").write(b)


if __name__ == "__main__":
    main(sys.argv[1])
