// The head's icon area: PE headers, section table, resource tree, icon group and image.
#include "maker/HeadIconArea.h"

#include <optional>
#include <vector>

namespace quen {

namespace {

constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kRtGroupIcon = 14;
constexpr std::uint32_t kSubdirectoryBit = 0x80000000u;
constexpr std::size_t kGroupHeaderSize = 6;
constexpr std::size_t kGroupEntrySize = 14;
constexpr std::size_t kGroupBytesInRes = 8;  // within an entry; the 2-byte id follows it

struct Section {
    std::uint32_t rva, size, rawOffset, rawSize;
};

// Bounds-checked little-endian reads of the head.
class Reader {
public:
    explicit Reader(ByteView b) : b_(b) {}
    bool Has(std::uint64_t at, std::uint64_t n) const { return at <= b_.size() && n <= b_.size() - at; }
    std::optional<std::uint32_t> U32(std::uint64_t at) const {
        if (!Has(at, 4)) return std::nullopt;
        return GetLE32(b_.data() + at);
    }
    std::optional<std::uint16_t> U16(std::uint64_t at) const {
        if (!Has(at, 2)) return std::nullopt;
        return GetLE16(b_.data() + at);
    }
    std::uint8_t U8(std::uint64_t at) const { return b_[at]; }

private:
    ByteView b_;
};

class PeResources {
public:
    explicit PeResources(ByteView head) : r_(head) {}

    bool Load() {
        auto lfanew = r_.U32(0x3C);
        if (!r_.Has(0, 2) || r_.U8(0) != 'M' || r_.U8(1) != 'Z' || !lfanew) return false;
        const std::uint64_t pe = *lfanew;
        auto sig = r_.U32(pe);
        auto sections = r_.U16(pe + 6);
        auto optSize = r_.U16(pe + 20);
        auto magic = r_.U16(pe + 24);
        if (!sig || *sig != 0x00004550u || !sections || !optSize || !magic) return false;
        const std::uint64_t dirs = pe + 24 + (*magic == 0x20b ? 112 : 96);
        auto rsrcRva = r_.U32(dirs + 2 * 8);
        if (!rsrcRva) return false;
        const std::uint64_t table = pe + 24 + *optSize;
        for (std::uint16_t i = 0; i < *sections; ++i) {
            const std::uint64_t s = table + 40ull * i;
            auto vsize = r_.U32(s + 8), rva = r_.U32(s + 12), rawSize = r_.U32(s + 16), raw = r_.U32(s + 20);
            if (!vsize || !rva || !rawSize || !raw) return false;
            sections_.push_back({*rva, *vsize, *raw, *rawSize});
        }
        root_ = Offset(*rsrcRva);
        return root_.has_value();
    }

    // The file offset of an RVA inside a section's raw data.
    std::optional<std::uint64_t> Offset(std::uint32_t rva) const {
        for (const Section& s : sections_) {
            if (rva >= s.rva && rva - s.rva < s.rawSize) return std::uint64_t{s.rawOffset} + (rva - s.rva);
        }
        return std::nullopt;
    }

    struct Located {
        std::uint64_t first;   // file offset of the data
        std::uint32_t second;  // its size
        std::uint64_t sizeAt;  // file offset of the size field in its data entry
    };

    // The data of the first language of resource type/id; id 0 takes the first resource
    // of the type.
    std::optional<Located> Data(std::uint32_t type, std::uint32_t id) const {
        auto names = Subdirectory(Entry(*root_, type, true));
        auto langs = names ? Subdirectory(Entry(*root_ + *names, id, id != 0)) : std::nullopt;
        auto data = langs ? Entry(*root_ + *langs, 0, false) : std::nullopt;
        if (!data || (*data & kSubdirectoryBit)) return std::nullopt;
        auto rva = r_.U32(*root_ + *data), size = r_.U32(*root_ + *data + 4);
        if (!rva || !size) return std::nullopt;
        auto at = Offset(*rva);
        if (!at || !r_.Has(*at, *size)) return std::nullopt;
        return Located{*at, *size, *root_ + *data + 4};
    }

    const Reader& reader() const { return r_; }

private:
    static std::optional<std::uint32_t> Subdirectory(std::optional<std::uint32_t> to) {
        if (!to || (*to & kSubdirectoryBit) == 0) return std::nullopt;
        return *to & ~kSubdirectoryBit;
    }

    // The entry of directory `dir` (file offset) with the numeric id `id`, or its first
    // entry when `match` is false: what it points to, relative to the tree's root, with
    // the subdirectory bit.
    std::optional<std::uint32_t> Entry(std::uint64_t dir, std::uint32_t id, bool match) const {
        auto named = r_.U16(dir + 12), ids = r_.U16(dir + 14);
        if (!named || !ids) return std::nullopt;
        const std::uint32_t count = std::uint32_t{*named} + *ids;
        for (std::uint32_t k = 0; k < count; ++k) {
            auto name = r_.U32(dir + 16 + 8ull * k), to = r_.U32(dir + 20 + 8ull * k);
            if (!name || !to) return std::nullopt;
            if (!match || *name == id) return *to;
        }
        return std::nullopt;
    }

    Reader r_;
    std::vector<Section> sections_;
    std::optional<std::uint64_t> root_;
};

}  // namespace

HeadIconArea FindHeadIconArea(ByteView head) {
    HeadIconArea a;
    PeResources pe(head);
    if (!pe.Load()) {
        a.detail = "not a PE file with a resource section";
        return a;
    }
    a.status = HeadIconArea::Status::NoIcon;
    auto group = pe.Data(kRtGroupIcon, 0);
    if (!group) {
        a.detail = "no icon group resource";
        return a;
    }
    const Reader& r = pe.reader();
    auto count = r.U16(group->first + 4);
    for (std::uint16_t k = 0; count && k < *count; ++k) {
        const std::uint64_t e = group->first + kGroupHeaderSize + kGroupEntrySize * k;
        if (e + kGroupEntrySize > group->first + group->second || !r.Has(e, kGroupEntrySize)) break;
        if (r.U8(e) != 32 || r.U8(e + 1) != 32) continue;
        auto image = pe.Data(kRtIcon, *r.U16(e + kGroupBytesInRes + 4));
        if (!image) {
            a.detail = "the 32x32 entry names an icon image that is missing";
            return a;
        }
        const std::uint64_t countAt = e + kGroupBytesInRes;
        if (image->first != countAt + 6) {
            a.status = HeadIconArea::Status::Misplaced;
            a.detail = "the 32x32 icon image lies at file offset " + std::to_string(image->first) +
                       ", not right after its group entry (offset " + std::to_string(countAt + 6) + ")";
            return a;
        }
        a.status = HeadIconArea::Status::Found;
        a.position = static_cast<std::int64_t>(countAt) + 1;
        a.length = image->second;
        a.imageSizeAt = static_cast<std::int64_t>(image->sizeAt);
        return a;
    }
    a.detail = "no 32x32 entry in the icon group";
    return a;
}

}  // namespace quen
