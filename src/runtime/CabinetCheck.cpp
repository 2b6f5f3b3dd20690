// Checks a patch package's cabinet before anything is extracted.
#include "runtime/CabinetCheck.h"

#include <set>

#include "build/CabChecksum.h"

namespace quen::runtime {

namespace {

constexpr std::size_t kHeaderSize = 36, kFolderSize = 8, kFileSize = 16, kDataHeaderSize = 8;
constexpr std::uint16_t kFlagPrevious = 1, kFlagNext = 2, kFlagReserve = 4;
constexpr std::uint16_t kCompressionMask = 0x000F, kLastCompression = 3;  // none, MSZIP, Quantum, LZX
constexpr std::uint32_t kMaxBlock = 32768 + 6144;  // a block's data, compressed or not, with slack
constexpr std::uint32_t kMaxUncompressedBlock = 32768;

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
        if (packed == 0 || packed > kMaxBlock || unpacked > kMaxUncompressedBlock)
            return "a data block has an impossible size";
        if (!r.Has(at + kDataHeaderSize, packed)) return "a data block runs past the end of the package";
        if (CabDataChecksum(r.Bytes(at + kDataHeaderSize, packed), packed, unpacked) != stored)
            return "a data block's checksum is wrong";
        f.uncompressed += unpacked;
        at += kDataHeaderSize + packed;
    }
    return nullptr;
}

const char* CheckHeader(const Reader& r) {
    if (!r.Has(0, kHeaderSize) || r.U32(0) != 0x4643534D) return "it is not a cabinet";
    if (r.U32(8) != r.size()) return "the cabinet's own length does not match the stored length";
    if (r.U16(24) >> 8 != 1) return "the cabinet format version is unknown";
    const std::uint16_t flags = r.U16(30);
    if (flags & (kFlagPrevious | kFlagNext)) return "the cabinet is part of a set";
    if (flags & kFlagReserve) return "the cabinet has reserved areas";
    if (r.U16(26) == 0 || r.U16(28) == 0) return "the cabinet is empty";
    return nullptr;
}

const char* ReadFolders(const Reader& r, std::vector<Folder>& folders) {
    const std::uint16_t count = r.U16(26);
    if (!r.Has(kHeaderSize, std::size_t{count} * kFolderSize)) return "the folder table runs past the end";
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t at = kHeaderSize + k * kFolderSize;
        if ((r.U16(at + 6) & kCompressionMask) > kLastCompression) return "a folder's compression is unknown";
        Folder f{r.U32(at), r.U16(at + 4)};
        if (const char* fault = CheckFolderData(r, f)) return fault;
        folders.push_back(f);
    }
    return nullptr;
}

const char* ReadFiles(const Reader& r, const std::vector<Folder>& folders, std::vector<CabinetFile>& files) {
    std::size_t at = r.U32(16);
    std::set<std::string> seen;
    for (std::uint16_t k = r.U16(28); k > 0; --k) {
        if (!r.Has(at, kFileSize + 1)) return "the file list runs past the end";
        const std::uint32_t size = r.U32(at), offset = r.U32(at + 4);
        const std::uint16_t folder = r.U16(at + 8);
        std::string name;
        std::size_t p = at + kFileSize;
        for (; p < r.size() && r.Bytes(p, 1)[0] != 0; ++p) name += static_cast<char>(r.Bytes(p, 1)[0]);
        if (p >= r.size()) return "a file name runs past the end";
        if (!IsPackageName(name)) return "it holds a file that no patch holds";
        if (!seen.insert(name).second) return "it holds a file twice";
        if (folder >= folders.size()) return "a file lies in a folder that does not exist";
        if (std::uint64_t{offset} + size > folders[folder].uncompressed) return "a file runs past its folder's data";
        files.push_back({name, size});
        at = p + 1;
    }
    if (!seen.count("Setup.ini")) return "it holds no patch script";
    return nullptr;
}

}  // namespace

bool IsPackageName(const std::string& name) {
    if (name == "Setup.ini" || name == "Setup.img") return true;
    if (name.size() < 2 || name.size() > 6 || name[0] != 'P') return false;
    for (size_t i = 1; i < name.size(); ++i)
        if (name[i] < '0' || name[i] > '9') return false;
    return true;
}

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
