// Byte replacement on a file held in memory.
#include "runtime/ByteEdits.h"

#include <algorithm>
#include <cstring>

#include "runtime/ScriptValues.h"

namespace quen::runtime {

namespace {

// About a millisecond of scanning between two ticks.
constexpr size_t kTickBytes = size_t(4) << 20;

std::optional<ByteEdit> ParseOne(const ByteRecord& r) {
    ByteEdit e;
    auto replacement = ParseByteList(r.replacement);
    if (r.type == "1" || r.type == "2") {
        e.kind = r.type == "1" ? EditKind::SearchFirst : EditKind::SearchAll;
        auto search = ParseByteList(r.read);
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
    bool replaced = false;
    size_t pos = 0;
    while (pos <= lastStart) {
        size_t p = FindBytes(buf.data(), n, pos, lastStart, e.search, tick);
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

size_t FindBytes(const unsigned char* data, size_t size, size_t from, size_t lastStart,
                 const std::vector<unsigned char>& needle, const Tick& tick) {
    const size_t a = needle.size();
    if (a == 0 || a > size || lastStart > size - a || from > lastStart) return std::string::npos;
    const unsigned char first = needle[0];
    size_t pos = from;
    size_t nextTick = from + kTickBytes;
    while (pos <= lastStart) {
        if (pos >= nextTick) {
            if (tick) tick();
            nextTick = pos + kTickBytes;
        }
        const size_t chunkEnd = std::min(lastStart + 1, nextTick);
        const void* hit = std::memchr(data + pos, first, chunkEnd - pos);
        if (!hit) {
            pos = chunkEnd;
            continue;
        }
        const size_t p = static_cast<const unsigned char*>(hit) - data;
        if (std::memcmp(data + p + 1, needle.data() + 1, a - 1) == 0) return p;
        pos = p + 1;
    }
    return std::string::npos;
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
