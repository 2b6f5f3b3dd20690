#!/usr/bin/env python3
"""Writes an uncompressed Microsoft Cabinet of the named files (test input for the head).

Usage: make-cab.py OUT.cab FILE...   (each file is stored under its base name)
"""
import os
import struct
import sys


def checksum(data, seed=0):
    s, whole = seed, len(data) // 4 * 4
    for i in range(0, whole, 4):
        s ^= struct.unpack_from("<I", data, i)[0]
    tail = 0
    for b in data[whole:]:
        tail = (tail << 8) | b
    return s ^ tail


def main(out, paths):
    entries, content = b"", b""
    for p in paths:
        data = open(p, "rb").read()
        entries += struct.pack("<IIHHHH", len(data), len(content), 0, 0, 0, 0) + os.path.basename(p).encode() + b"\0"
        content += data
    blocks, count = b"", 0
    for at in range(0, max(len(content), 1), 32768):
        part = content[at:at + 32768]
        sizes = struct.pack("<HH", len(part), len(part))
        blocks += struct.pack("<I", checksum(sizes, checksum(part))) + sizes + part
        count += 1
    files_at = 36 + 8
    data_at = files_at + len(entries)
    header = b"MSCF" + struct.pack("<IIIIIBBHHHHH", 0, data_at + len(blocks), 0, files_at, 0, 3, 1, 1, len(paths), 0, 0, 0)
    open(out, "wb").write(header + struct.pack("<IHH", data_at, count, 0) + entries + blocks)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
