// LZX block statistics: the coded elements, their frequencies, the choice of an
// aligned-offset block, and where to cut blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "maker/cab/CabLzxTrees.h"

namespace quen::cab::lzx {

// One coded element: a literal (length 0) or a match with its formatted offset.
struct Element {
    std::uint16_t length;
    std::uint8_t literal;
    std::uint32_t formatted;
};

// The main-tree symbol of an element.
std::uint32_t MainSymbol(const Element& e);

struct Frequencies {
    std::vector<std::uint32_t> main, length, aligned;
};

// The frequencies of elements[first, last); with `e8`, 0xE8 always gets a code (the
// reader undoes the call translation only once a tree has given it one).
Frequencies Count(const std::vector<Element>& elements, std::size_t first, std::size_t last, int mainSize, bool e8);

// The aligned tree's code lengths when an aligned block is smaller than a verbatim one
// (its tree costs 24 bits), else none.
std::vector<std::uint8_t> AlignedLengths(const std::vector<std::uint32_t>& freq);

// Data parsed in one go; blocks are cut from its frames where the statistics change.
inline constexpr std::size_t kFramesPerStretch = 8;

// Frames [from, to) of the data and their elements [first, last).
struct FrameSpan {
    std::size_t from, to, first, last;
};

// The frames of elements parsed from data[start, end), which starts on a frame boundary.
std::vector<FrameSpan> FrameSpans(const std::vector<Element>& elements, std::size_t start, std::size_t end);

// Greedy cuts: a frame joins the block before it unless a block of its own (with trees
// of its own, sent against `trees`) is smaller.
std::vector<FrameSpan> SplitBlocks(const std::vector<Element>& elements, const std::vector<FrameSpan>& frames,
                                   const LzxTreeState& trees, bool e8);

}  // namespace quen::cab::lzx
