// Byte replacement on a file held in memory: search-and-replace and write-at-position entries.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quen::runtime {

// One entry of a Replace Byte action as the script holds it (BEnable, BType, BRead, BNew).
struct ByteRecord {
    std::string enable, type, read, replacement;
};

enum class EditKind { SearchFirst, SearchAll, AtPosition, Ignored };

struct ByteEdit {
    EditKind kind = EditKind::Ignored;
    std::vector<unsigned char> search;       // search kinds
    long long position = 0;                  // AtPosition, 1-based
    std::vector<unsigned char> replacement;
};

// Reads the entries; disabled entries are left out. No value when a number in an enabled
// entry (position or byte item) is not a valid number: the action then fails untouched.
// Type "1" replaces the first occurrence, "2" every occurrence, "3" writes at a position.
std::optional<std::vector<ByteEdit>> ParseByteRecords(const std::vector<ByteRecord>& records);

// Called now and then during long searches so windows can repaint.
using Tick = std::function<void()>;

// Finds needle in data[from, lastStart] (0-based start positions, lastStart inclusive);
// npos when absent. Scans at memory speed: memchr on the first byte, then a compare.
size_t FindBytes(const unsigned char* data, size_t size, size_t from, size_t lastStart,
                 const std::vector<unsigned char>& needle, const Tick& tick);

// Applies every edit to the buffer, which never changes its length. False when an entry
// found nothing, did not fit, or could run wild (position below 1, an empty byte list);
// the other entries are applied all the same.
bool ApplyByteEdits(std::vector<unsigned char>& buffer, const std::vector<ByteEdit>& edits, const Tick& tick);

}  // namespace quen::runtime
