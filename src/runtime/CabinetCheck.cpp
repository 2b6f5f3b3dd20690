// Checks a patch package's cabinet before anything is extracted.
#include "runtime/CabinetCheck.h"

#include <algorithm>
#include <cstring>

#include "maker/PackageLayout.h"
#include "maker/cab/CabFormat.h"

namespace quen::runtime {

namespace {

using namespace cab;

class Reader {
public:
    explicit Reader(ByteView cab) : c_(cab) {}
    bool Has(std::size_t at, std::size_t n) const { return at <= c_.size() && n <= c_.size() - at; }
    std::uint32_t U32(std::size_t at) const { return GetLE32(c_.data() + at); }
    std::uint16_t U16(std::size_t at) const { return GetLE16(c_.data() + at); }
    ByteView Bytes(std::size_t at, std::size_t n) const { return c_.subspan(at, n); }
    std::size_t size() const { return c_.size(); }

private:
    ByteView c_;
};

struct Folder {
    std::uint32_t dataStart;
    std::uint16_t blocks;
    std::uint64_t uncompressed = 0;
};

const char* CheckFolderData(const Reader& r, Folder& f) {
    std::size_t at = f.dataStart;
    for (unsigned b = 0; b < f.blocks; ++b) {
        if (!r.Has(at, kDataHeaderSize)) return "a data block lies past the end of the package";
        const std::uint32_t stored = r.U32(at);
        const std::uint16_t packed = r.U16(at + 4), unpacked = r.U16(at + 6);
        if (packed == 0 || packed > kMaxCompressedBlock || unpacked > kBlockSize)
            return "a data block has an impossible size";
        if (!r.Has(at + kDataHeaderSize, packed)) return "a data block runs past the end of the package";
        if (DataBlockChecksum(r.Bytes(at + kDataHeaderSize, packed).data(), packed, unpacked) != stored)
            return "a data block's checksum is wrong";
        f.uncompressed += unpacked;
        at += kDataHeaderSize + packed;
    }
    return nullptr;
}

const char* CheckHeader(const Reader& r) {
    if (!r.Has(0, kHeaderSize) || std::memcmp(r.Bytes(0, 4).data(), kSignature, 4) != 0) return "it is not a cabinet";
    if (r.U32(kHeaderCabinetSize) != r.size()) return "the cabinet's own length does not match the stored length";
    if (r.U16(kHeaderVersion) >> 8 != kVersionMajor) return "the cabinet format version is unknown";
    const std::uint16_t flags = r.U16(kHeaderFlags);
    if (flags & (kFlagPrevCabinet | kFlagNextCabinet)) return "the cabinet is part of a set";
    if (flags & kFlagReservePresent) return "the cabinet has reserved areas";
    if (r.U16(kHeaderFolderCount) == 0 || r.U16(kHeaderFileCount) == 0) return "the cabinet is empty";
    return nullptr;
}

const char* ReadFolders(const Reader& r, std::vector<Folder>& folders) {
    const std::uint16_t count = r.U16(kHeaderFolderCount);
    if (!r.Has(kHeaderSize, std::size_t{count} * kFolderSize)) return "the folder table runs past the end";
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t at = kHeaderSize + k * kFolderSize;
        // Quantum: the maker never writes it, and its decoder is one more to trust.
        const std::uint16_t method = r.U16(at + 6) & kMethodMask;
        if (method > kLzx || method == kQuantum) return "a folder's compression is unknown";
        Folder f{r.U32(at), r.U16(at + 4)};
        if (const char* fault = CheckFolderData(r, f)) return fault;
        folders.push_back(f);
    }
    return nullptr;
}

const char* ReadFiles(const Reader& r, const std::vector<Folder>& folders, std::vector<CabinetFile>& files) {
    std::size_t at = r.U32(kHeaderFilesOffset);
    // Files may not share data: together they hold at most what the folders unpack to.
    std::uint64_t room = 0, claimed = 0;
    for (const Folder& f : folders) room += f.uncompressed;
    for (std::uint16_t k = r.U16(kHeaderFileCount); k > 0; --k) {
        if (!r.Has(at, kFileFixedSize + 1)) return "the file list runs past the end";
        const std::uint32_t size = r.U32(at), offset = r.U32(at + 4);
        const std::uint16_t folder = r.U16(at + 8);
        std::string name;
        std::size_t p = at + kFileFixedSize;
        for (; p < r.size() && r.Bytes(p, 1)[0] != 0; ++p) name += static_cast<char>(r.Bytes(p, 1)[0]);
        if (p >= r.size()) return "a file name runs past the end";
        if (!IsPackageFileName(name)) return "it holds a file that no patch holds";
        if (folder >= folders.size()) return "a file lies in a folder that does not exist";
        if (std::uint64_t{offset} + size > folders[folder].uncompressed) return "a file runs past its folder's data";
        if ((claimed += size) > room) return "its files claim more data than it holds";
        files.push_back({name, size});
        at = p + 1;
    }
    // Names are compared once all are read: a sorted list costs every patch executable
    // less than a tree.
    std::vector<std::string> names;
    for (const CabinetFile& f : files) names.push_back(f.name);
    std::sort(names.begin(), names.end());
    if (std::adjacent_find(names.begin(), names.end()) != names.end()) return "it holds a file twice";
    if (!std::binary_search(names.begin(), names.end(), kPackageScriptFile)) return "it holds no patch script";
    return nullptr;
}

}  // namespace

CabinetCheck CheckCabinet(ByteView cabinet) {
    const Reader r(cabinet);
    CabinetCheck result;
    std::vector<Folder> folders;
    const char* fault = CheckHeader(r);
    if (!fault) fault = ReadFolders(r, folders);
    if (!fault) fault = ReadFiles(r, folders, result.files);
    if (fault) {
        result.fault = std::string("The attached patch is damaged: ") + fault + ".";
        result.files.clear();
    }
    return result;
}

}  // namespace quen::runtime
