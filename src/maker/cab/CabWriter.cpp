// Cabinet layout: files grouped into folders, folders into data blocks with checksums.
#include "maker/cab/CabWriter.h"

#include "maker/cab/CabLzx.h"
#include "maker/cab/CabMszip.h"
#include "base/Errors.h"

namespace quen::cab {
namespace {

struct Folder {
    std::size_t firstFile = 0, fileCount = 0;
    std::uint64_t bytes = 0;
};

std::vector<Folder> PlanFolders(const std::vector<CabEntry>& files, std::uint32_t threshold) {
    std::vector<Folder> folders;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::uint64_t size = files[i].data.size();
        if (size > kMaxFolderBytes) {
            throw Error(kErrOverflow, files[i].name + " is too large for a cabinet (" + std::to_string(size) + " bytes)");
        }
        if (folders.empty() || (folders.back().bytes > 0 && folders.back().bytes + size > threshold) ||
            folders.back().bytes + size > kMaxFolderBytes) {
            folders.push_back(Folder{i, 0, 0});
        }
        folders.back().fileCount++;
        folders.back().bytes += size;
    }
    if (folders.size() > kMaxFilesOrFolders || files.size() > kMaxFilesOrFolders) {
        throw Error(kErrOverflow, "too many files or folders for one cabinet");
    }
    return folders;
}

void Put16(Bytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

std::uint16_t TypeOf(const CabSettings& s) {
    return s.method == kLzx ? LzxType(s.lzxWindowBits) : static_cast<std::uint16_t>(s.method);
}

}  // namespace

std::vector<Bytes> EncodeFolder(ByteView data, const CabSettings& settings) {
    switch (settings.method) {
        case kMszip: return EncodeMszip(data, settings.level);
        case kLzx: return EncodeLzx(data, LzxOptions{settings.lzxWindowBits, settings.level, settings.lzxE8});
        default: break;
    }
    std::vector<Bytes> blocks;
    for (std::size_t at = 0; at < data.size(); at += kBlockSize) {
        const ByteView part = data.subspan(at, std::min(kBlockSize, data.size() - at));
        blocks.emplace_back(part.begin(), part.end());
    }
    return blocks;
}

Bytes WriteCabinet(const std::vector<CabEntry>& files, const CabSettings& settings) {
    const std::vector<Folder> folders = PlanFolders(files, settings.folderThreshold);
    std::size_t namesSize = 0;
    for (const CabEntry& f : files) namesSize += kFileFixedSize + f.name.size() + 1;
    const std::size_t filesOffset = kHeaderSize + kFolderSize * folders.size();

    Bytes out(filesOffset + namesSize, 0);
    std::copy(std::begin(kSignature), std::end(kSignature), out.begin());
    Set32(&out[kHeaderFilesOffset], static_cast<std::uint32_t>(filesOffset));
    out[kHeaderVersion] = kVersionMinor;
    out[kHeaderVersion + 1] = kVersionMajor;
    Set16(&out[kHeaderFolderCount], static_cast<std::uint16_t>(folders.size()));
    Set16(&out[kHeaderFileCount], static_cast<std::uint16_t>(files.size()));

    std::size_t fileAt = filesOffset;
    for (std::size_t k = 0; k < folders.size(); ++k) {
        const Folder& folder = folders[k];
        Bytes joined;
        joined.reserve(folder.bytes);
        for (std::size_t i = folder.firstFile; i < folder.firstFile + folder.fileCount; ++i) {
            const CabEntry& f = files[i];
            std::uint8_t* rec = &out[fileAt];
            Set32(rec, static_cast<std::uint32_t>(f.data.size()));
            Set32(rec + 4, static_cast<std::uint32_t>(joined.size()));
            Set16(rec + 8, static_cast<std::uint16_t>(k));
            Set16(rec + 10, f.dosDate);
            Set16(rec + 12, f.dosTime);
            Set16(rec + 14, kAttrArchive);
            std::copy(f.name.begin(), f.name.end(), out.begin() + fileAt + kFileFixedSize);
            fileAt += kFileFixedSize + f.name.size() + 1;
            joined.insert(joined.end(), f.data.begin(), f.data.end());
        }
        const std::vector<Bytes> blocks = EncodeFolder(joined, settings);
        std::uint8_t* rec = &out[kHeaderSize + kFolderSize * k];
        Set32(rec, static_cast<std::uint32_t>(out.size()));
        Set16(rec + 4, static_cast<std::uint16_t>(blocks.size()));
        Set16(rec + 6, TypeOf(settings));
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            const std::uint16_t cbData = static_cast<std::uint16_t>(blocks[b].size());
            const std::uint16_t cbUncomp = static_cast<std::uint16_t>(std::min(kBlockSize, joined.size() - b * kBlockSize));
            PutLE32(out, DataBlockChecksum(blocks[b].data(), cbData, cbUncomp));
            Put16(out, cbData);
            Put16(out, cbUncomp);
            out.insert(out.end(), blocks[b].begin(), blocks[b].end());
        }
        if (out.size() > 0x7FFFFFFF) throw Error(kErrOverflow, "the cabinet would be larger than 2 GB");
    }
    Set32(&out[kHeaderCabinetSize], static_cast<std::uint32_t>(out.size()));
    return out;
}

}  // namespace quen::cab
