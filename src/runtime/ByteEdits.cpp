// Byte replacement on a file held in memory.
#include "runtime/ByteEdits.h"

#include <algorithm>
#include <cstring>

#include "runtime/ScriptValues.h"

namespace quen::runtime {

namespace {

// About a millisecond of scanning between two ticks.
constexpr size_t kTickBytes = size_t(4) << 20;
constexpr size_t kSampleBytes = 65536;

std::optional<ByteEdit> ParseOne(const ByteRecord& r) {
    ByteEdit e;
    auto replacement = ReadHexBytes(r.replacement);
    if (r.type == "1" || r.type == "2") {
        e.kind = r.type == "1" ? EditKind::SearchFirst : EditKind::SearchAll;
        auto search = ReadHexBytes(r.read);
        if (!search || !replacement) return std::nullopt;
        e.search = std::move(*search);
    } else if (r.type == "3") {
        e.kind = EditKind::AtPosition;
        auto pos = ParseScriptNumber(r.read);
        if (!pos || !replacement) return std::nullopt;
        e.position = *pos;
    } else {
        return e;  // unknown types do nothing
    }
    e.replacement = std::move(*replacement);
    return e;
}

bool ApplySearch(std::vector<unsigned char>& buf, const ByteEdit& e, const Tick& tick) {
    const size_t n = buf.size(), a = e.search.size(), b = e.replacement.size();
    if (a == 0 || b == 0) return false;
    const size_t span = std::max(a, b);
    if (span > n) return false;
    const size_t lastStart = n - span;  // both the old and the new bytes fit from here
    const ByteFinder finder(buf.data(), n, e.search);
    bool replaced = false;
    size_t pos = 0;
    while (pos <= lastStart) {
        size_t p = finder.Find(pos, lastStart, tick);
        if (p == std::string::npos) break;
        std::memcpy(buf.data() + p, e.replacement.data(), b);
        replaced = true;
        if (e.kind != EditKind::SearchAll) break;
        pos = p + b;
    }
    return replaced;
}

bool ApplyAtPosition(std::vector<unsigned char>& buf, const ByteEdit& e) {
    const size_t b = e.replacement.size();
    if (e.position < 1 || b == 0) return false;
    const auto start = static_cast<unsigned long long>(e.position - 1);
    if (start + b > buf.size()) return false;
    std::memcpy(buf.data() + start, e.replacement.data(), b);
    return true;
}

}  // namespace

std::optional<std::vector<ByteEdit>> ParseByteRecords(const std::vector<ByteRecord>& records) {
    std::vector<ByteEdit> edits;
    for (const ByteRecord& r : records) {
        if (r.enable == "False") continue;
        auto e = ParseOne(r);
        if (!e) return std::nullopt;
        edits.push_back(std::move(*e));
    }
    return edits;
}

ByteFinder::ByteFinder(const unsigned char* data, size_t size, const std::vector<unsigned char>& needle)
    : data_(data), size_(size), needle_(needle) {
    if (needle.size() < 2 || size == 0) return;
    // Byte counts of an evenly spread sample; executables are full of zeros, texts of
    // blanks and vowels, so the first pattern byte is often the worst one to look for.
    size_t counts[256] = {};
    const size_t step = std::max<size_t>(1, size / kSampleBytes);
    for (size_t i = 0; i < size; i += step) ++counts[data[i]];
    for (size_t k = 1; k < needle.size(); ++k)
        if (counts[needle[k]] < counts[needle[anchor_]]) anchor_ = k;
}

size_t ByteFinder::Find(size_t from, size_t lastStart, const Tick& tick) const {
    const size_t a = needle_.size();
    if (a == 0 || a > size_ || lastStart > size_ - a || from > lastStart) return std::string::npos;
    const unsigned char key = needle_[anchor_];
    // Positions of the anchor byte that belong to a start in [from, lastStart].
    size_t q = from + anchor_;
    const size_t lastQ = lastStart + anchor_;
    size_t nextTick = q + kTickBytes;
    while (q <= lastQ) {
        if (q >= nextTick) {
            if (tick) tick();
            nextTick = q + kTickBytes;
        }
        const size_t chunkEnd = std::min(lastQ + 1, nextTick);
        const void* hit = std::memchr(data_ + q, key, chunkEnd - q);
        if (!hit) {
            q = chunkEnd;
            continue;
        }
        const size_t h = static_cast<const unsigned char*>(hit) - data_;
        const size_t p = h - anchor_;
        if (std::memcmp(data_ + p, needle_.data(), a) == 0) return p;
        q = h + 1;
    }
    return std::string::npos;
}

size_t FindBytes(const unsigned char* data, size_t size, size_t from, size_t lastStart,
                 const std::vector<unsigned char>& needle, const Tick& tick) {
    return ByteFinder(data, size, needle).Find(from, lastStart, tick);
}

bool ApplyByteEdits(std::vector<unsigned char>& buffer, const std::vector<ByteEdit>& edits, const Tick& tick) {
    bool result = true;
    for (const ByteEdit& e : edits) {
        switch (e.kind) {
            case EditKind::SearchFirst:
            case EditKind::SearchAll:
                if (!ApplySearch(buffer, e, tick)) result = false;
                break;
            case EditKind::AtPosition:
                if (!ApplyAtPosition(buffer, e)) result = false;
                break;
            case EditKind::Ignored:
                break;
        }
    }
    return result;
}

}  // namespace quen::runtime
