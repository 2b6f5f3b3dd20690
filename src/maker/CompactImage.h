// The layout of a PE file as the compact format's reference prediction reads it: sections,
// image base and base relocations of the old file, and how the new file's sections moved.
#pragma once

#include <cstdint>
#include <vector>

#include "maker/CompFormat.h"

namespace quen {

struct ImageSection {
    std::int64_t raw = 0, rawSize = 0, rva = 0, virtualSize = 0;
    std::uint8_t name[8] = {};
};

// A base relocation: an absolute address of `width` (4 or 8) bytes at old position `at`.
struct Fixup {
    std::uint32_t at;
    std::uint32_t width;
};

// What prediction knows of the old file. A file that is not a PE file has no sections:
// its positions are its addresses, and the whole file is taken for code.
struct OldCode {
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;  // executable raw ranges, ascending
    bool x64 = false;
    std::vector<ImageSection> sections;  // in header order
    std::uint64_t imageBase = 0;
    std::vector<Fixup> fixups;  // ascending, not overlapping
};
OldCode FindOldCode(ByteView file);

// How the new file's sections moved against the old file's, one entry per old section
// (matched by index when both files have as many sections, else by name; an unmatched
// one moved by nothing): `rva` is the section's new address less its old one, `skew` the
// change of (address - raw position), and `base` the change of the image base.
struct ImageMoves {
    std::int64_t base = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> moves;  // {skew, rva} per old section
};
ImageMoves MovesOf(const OldCode& old, ByteView newFile);
// Stream form: zig-zag varints base, then skew and rva per old section.
void PutMoves(Bytes& out, const ImageMoves& m);
// False unless the stream holds exactly the entries of `sections` old sections, each
// within 2^32.
bool ReadMoves(ByteView stream, std::size_t sections, ImageMoves& m);

}  // namespace quen
