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

// Finds one byte pattern in a buffer at memory speed: memchr jumps to the pattern byte
// that is rarest in a sample of the buffer, then the whole pattern is compared.
class ByteFinder {
public:
    ByteFinder(const unsigned char* data, size_t size, const std::vector<unsigned char>& needle);
    // The smallest start position in [from, lastStart] (0-based, inclusive) where the
    // pattern occurs; npos when none. Calls tick about every millisecond of scanning.
    size_t Find(size_t from, size_t lastStart, const Tick& tick) const;

private:
    const unsigned char* data_;
    size_t size_;
    const std::vector<unsigned char>& needle_;
    size_t anchor_ = 0;  // index of the byte memchr looks for
};

// One search without keeping the finder.
size_t FindBytes(const unsigned char* data, size_t size, size_t from, size_t lastStart,
                 const std::vector<unsigned char>& needle, const Tick& tick);

// Applies every edit to the buffer, which never changes its length. False when an entry
// found nothing, did not fit, or could run wild (position below 1, an empty byte list);
// the other entries are applied all the same.
bool ApplyByteEdits(std::vector<unsigned char>& buffer, const std::vector<ByteEdit>& edits, const Tick& tick);

}  // namespace quen::runtime
