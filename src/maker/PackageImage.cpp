// Where the package of a patch executable lies.
#include "maker/PackageImage.h"

#include <algorithm>

#include "maker/PackageLayout.h"
#include "maker/cab/CabFormat.h"

namespace quen {

namespace {

constexpr std::size_t kPeOffsetAt = 0x3C;
constexpr std::size_t kFileHeaderSize = 20;
constexpr std::uint16_t kMagicPe32 = 0x10B, kMagicPe32Plus = 0x20B;
constexpr std::size_t kSectionSize = 40;
constexpr std::uint32_t kCertificateDirectory = 4;

bool Has(ByteView f, std::size_t at, std::size_t n) { return at <= f.size() && n <= f.size() - at; }
std::uint32_t U32(ByteView f, std::size_t at) { return GetLE32(f.data() + at); }
std::uint16_t U16(ByteView f, std::size_t at) { return GetLE16(f.data() + at); }

struct PeView {
    std::size_t optional = 0, optionalSize = 0, sections = 0, sectionCount = 0;
};

bool ReadPe(ByteView f, PeView& pe) {
    if (!Has(f, 0, 64) || f[0] != 'M' || f[1] != 'Z') return false;
    const std::size_t at = U32(f, kPeOffsetAt);
    if (!Has(f, at, 4 + kFileHeaderSize) || U32(f, at) != 0x00004550) return false;
    pe.sectionCount = U16(f, at + 6);
    pe.optionalSize = U16(f, at + 20);
    pe.optional = at + 4 + kFileHeaderSize;
    pe.sections = pe.optional + pe.optionalSize;
    if (!Has(f, pe.optional, 2) || !Has(f, pe.sections, pe.sectionCount * kSectionSize)) return false;
    const std::uint16_t magic = U16(f, pe.optional);
    return (magic == kMagicPe32 || magic == kMagicPe32Plus) && pe.optionalSize >= 64;
}

// The certificate table's file offset and size (0, 0 when the file is unsigned).
std::pair<std::size_t, std::size_t> Certificate(ByteView f, const PeView& pe) {
    const bool plus = U16(f, pe.optional) == kMagicPe32Plus;
    const std::size_t countAt = pe.optional + (plus ? 108 : 92), dirs = countAt + 4;
    if (countAt + 4 > pe.optional + pe.optionalSize || U32(f, countAt) <= kCertificateDirectory) return {0, 0};
    const std::size_t entry = dirs + kCertificateDirectory * 8;
    if (entry + 8 > pe.optional + pe.optionalSize) return {0, 0};
    return {U32(f, entry), U32(f, entry + 4)};
}

}  // namespace

std::size_t PeImageEnd(ByteView f) {
    PeView pe;
    if (!ReadPe(f, pe)) return 0;
    std::size_t end = U32(f, pe.optional + 60);  // SizeOfHeaders
    for (std::size_t k = 0; k < pe.sectionCount; ++k) {
        const std::size_t s = pe.sections + k * kSectionSize;
        const std::uint32_t size = U32(f, s + 16), offset = U32(f, s + 20);
        if (size > 0) end = std::max<std::size_t>(end, std::size_t{offset} + size);
    }
    return end <= f.size() ? end : 0;
}

bool IsSigned(ByteView f) {
    PeView pe;
    return ReadPe(f, pe) && Certificate(f, pe).second > 0;
}

PackageLocation LocatePackage(ByteView f) {
    PackageLocation r;
    r.imageEnd = PeImageEnd(f);
    PeView pe;
    if (r.imageEnd == 0 || !ReadPe(f, pe)) {
        r.fault = PackageFault::NotExecutable;
        return r;
    }
    // A signature ends the part of the file that can hold a package.
    std::size_t limit = f.size();
    const auto [certAt, certSize] = Certificate(f, pe);
    if (certSize > 0 && certAt >= r.imageEnd && certAt <= f.size()) limit = certAt;
    const AppendedCabinet c = LocateCabinet(f.first(limit), r.imageEnd);
    // Nothing appended, or only the zero padding a signing tool puts before its table.
    if (c.status == AppendedStatus::NoLength || c.status == AppendedStatus::Empty)
        r.fault = PackageFault::NoPackage;
    else if (c.status == AppendedStatus::PastEnd || c.length < cab::kHeaderSize)
        r.fault = PackageFault::BadLength;
    else
        r.cabinet = f.subspan(c.offset, c.length);
    return r;
}

std::string PackageFaultText(PackageFault fault) {
    switch (fault) {
        case PackageFault::None: return "";
        case PackageFault::NotExecutable: return "The program file cannot be read as a Windows program.";
        case PackageFault::NoPackage: return "No patch is attached to this program.";
        case PackageFault::BadLength: return "The attached patch is incomplete: its stored length runs past the file.";
    }
    return "";
}

}  // namespace quen
