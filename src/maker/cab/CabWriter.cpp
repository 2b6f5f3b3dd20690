// Cabinet layout: files grouped into folders, folders into data blocks with checksums.
#include "maker/cab/CabWriter.h"

#include <algorithm>

#include "maker/OrderedJobs.h"
#include "maker/cab/CabLzx.h"
#include "maker/cab/CabMszip.h"
#include "base/Errors.h"

namespace quen::cab {
namespace {

void Put16(Bytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

std::uint16_t TypeOf(const CabSettings& s) {
    return s.method == kLzx ? LzxType(s.lzxWindowBits) : static_cast<std::uint16_t>(s.method);
}

// One folder's files joined and encoded into its data blocks, each with its CFDATA header.
Bytes FolderBlocks(const std::vector<CabEntry>& files, std::uint64_t bytes, const CabSettings& settings,
                   std::uint16_t& count) {
    // A folder of one file (a large one has a folder of its own) is encoded where it lies.
    Bytes joined;
    if (files.size() > 1) {
        joined.reserve(bytes);
        for (const CabEntry& f : files) joined.insert(joined.end(), f.data.begin(), f.data.end());
    }
    const ByteView data = files.size() == 1 ? ByteView(files[0].data) : ByteView(joined);
    const std::vector<Bytes> blocks = EncodeFolder(data, settings);
    if (blocks.size() > kMaxBlocksPerFolder) throw Error(kErrOverflow, "a cabinet folder holds too many data blocks");
    count = static_cast<std::uint16_t>(blocks.size());
    Bytes out;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const std::uint16_t cbData = static_cast<std::uint16_t>(blocks[b].size());
        const std::uint16_t cbUncomp = static_cast<std::uint16_t>(std::min(kBlockSize, data.size() - b * kBlockSize));
        PutLE32(out, DataBlockChecksum(blocks[b].data(), cbData, cbUncomp));
        Put16(out, cbData);
        Put16(out, cbUncomp);
        out.insert(out.end(), blocks[b].begin(), blocks[b].end());
    }
    return out;
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

CabinetBuilder::CabinetBuilder(const CabSettings& settings, Sink sink)
    : settings_(settings), sink_(std::move(sink)) {
    settings_.threads = std::max(1u, settings_.threads);
}

void CabinetBuilder::Add(CabEntry file) {
    const std::uint64_t size = file.data.size();
    if (size > kMaxFolderBytes) {
        throw Error(kErrOverflow, file.name + " is too large for a cabinet (" + std::to_string(size) + " bytes)");
    }
    if (records_.size() == kMaxFilesOrFolders) throw Error(kErrOverflow, "too many files or folders for one cabinet");
    if (open_.bytes > 0 && (open_.bytes + size > settings_.folderThreshold || open_.bytes + size > kMaxFolderBytes)) {
        CloseFolder();
    }
    const std::size_t folder = folders_.size() + pending_.size();
    if (folder >= kMaxFilesOrFolders) throw Error(kErrOverflow, "too many files or folders for one cabinet");
    records_.push_back(Record{file.name, static_cast<std::uint32_t>(size), static_cast<std::uint32_t>(open_.bytes),
                              static_cast<std::uint16_t>(folder), file.dosDate, file.dosTime});
    open_.bytes += size;
    open_.files.push_back(std::move(file));
}

void CabinetBuilder::CloseFolder() {
    pending_.push_back(std::move(open_));
    open_ = Folder{};
    if (pending_.size() >= settings_.threads) EncodePending();
}

void CabinetBuilder::EncodePending() {
    std::vector<Bytes> blocks(pending_.size());
    std::vector<std::uint16_t> counts(pending_.size());
    RunOrderedJobs(
        pending_.size(), settings_.threads,
        [&](std::size_t k) {
            blocks[k] = FolderBlocks(pending_[k].files, pending_[k].bytes, settings_, counts[k]);
            pending_[k].files.clear();
        },
        [&](std::size_t k) {
            folders_.emplace_back(dataBytes_, counts[k]);
            dataBytes_ += blocks[k].size();
            if (dataBytes_ > 0x7FFFFFFF) throw Error(kErrOverflow, "the cabinet would be larger than 2 GB");
            sink_(blocks[k]);
            Bytes().swap(blocks[k]);
        });
    pending_.clear();
}

Bytes CabinetBuilder::Finish() {
    if (!open_.files.empty()) CloseFolder();
    EncodePending();
    std::size_t namesSize = 0;
    for (const Record& r : records_) namesSize += kFileFixedSize + r.name.size() + 1;
    const std::size_t filesOffset = kHeaderSize + kFolderSize * folders_.size();
    const std::uint64_t total = filesOffset + namesSize + dataBytes_;
    if (total > 0x7FFFFFFF) throw Error(kErrOverflow, "the cabinet would be larger than 2 GB");

    Bytes out(filesOffset + namesSize, 0);
    std::copy(std::begin(kSignature), std::end(kSignature), out.begin());
    Set32(&out[kHeaderCabinetSize], static_cast<std::uint32_t>(total));
    Set32(&out[kHeaderFilesOffset], static_cast<std::uint32_t>(filesOffset));
    out[kHeaderVersion] = kVersionMinor;
    out[kHeaderVersion + 1] = kVersionMajor;
    Set16(&out[kHeaderFolderCount], static_cast<std::uint16_t>(folders_.size()));
    Set16(&out[kHeaderFileCount], static_cast<std::uint16_t>(records_.size()));
    for (std::size_t k = 0; k < folders_.size(); ++k) {
        std::uint8_t* rec = &out[kHeaderSize + kFolderSize * k];
        Set32(rec, static_cast<std::uint32_t>(out.size() + folders_[k].first));
        Set16(rec + 4, folders_[k].second);
        Set16(rec + 6, TypeOf(settings_));
    }
    std::size_t at = filesOffset;
    for (const Record& r : records_) {
        std::uint8_t* rec = &out[at];
        Set32(rec, r.size);
        Set32(rec + 4, r.offset);
        Set16(rec + 8, r.folder);
        Set16(rec + 10, r.dosDate);
        Set16(rec + 12, r.dosTime);
        Set16(rec + 14, kAttrArchive);
        std::copy(r.name.begin(), r.name.end(), out.begin() + static_cast<std::ptrdiff_t>(at + kFileFixedSize));
        at += kFileFixedSize + r.name.size() + 1;
    }
    return out;
}

Bytes WriteCabinet(const std::vector<CabEntry>& files, const CabSettings& settings) {
    Bytes data;
    CabinetBuilder builder(settings, [&data](const Bytes& blocks) { data.insert(data.end(), blocks.begin(), blocks.end()); });
    for (const CabEntry& f : files) builder.Add(f);
    Bytes out = builder.Finish();
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

}  // namespace quen::cab
