// Comparing two files in the chosen mode and writing the difference data.
#include "maker/CompModule.h"

#include "base/Errors.h"
#include "maker/CompThorough.h"
#include "maker/CompactEncoder.h"
#include "maker/SourceChecksum.h"
#include "platform/Files.h"

namespace quen {
namespace {

constexpr std::uint64_t kLargestFile = 0xFFFFFFFFull;

void CheckSize(ByteView file, const char* which) {
    if (file.size() >= kLargestFile) {
        throw Error(kErrOverflow, std::string("The ") + which + " file is too large to compare (4 GiB or more).");
    }
}

// The greedy forward scan, region by region.
CompRecords EncodeQuick(ByteView oldFile, ByteView newFile, const CompTuning& t, const ProgressSpan& span) {
    CompRecords records;
    for (const RegionTask& task : PlanRegions(oldFile, newFile, t)) {
        const Region& nr = task.newRegion;
        if (!task.oldRegion) {
            if (nr.Length() > 0) records.push_back({CompRecord::Literal, nr.start, nr.Length()});
            continue;
        }
        EncodeRegion(oldFile, task.oldRegion->start, task.oldRegion->end, newFile, nr.start, nr.end, task.sample,
                     t.moveSize, records, span);
    }
    return records;
}

}  // namespace

Bytes WriteDifference(ByteView oldFile, ByteView newFile, const CompRecords& records) {
    DifferenceWriter writer;
    std::size_t total = kDiffHeaderSize;
    for (const CompRecord& r : records) {
        total += r.kind == CompRecord::Literal ? kLiteralHeadSize + static_cast<std::size_t>(r.count) : kCopyRecordSize;
    }
    writer.Reserve(total);
    for (const CompRecord& r : records) {
        if (r.kind == CompRecord::Literal) {
            writer.Literal(newFile, r.position, r.position + r.count - 1);
        } else {
            writer.Copy(r.position, r.count);
        }
    }
    return writer.Finish(SourceChecksum(oldFile), oldFile.size(), newFile.size());
}

Bytes CompareBytes(ByteView oldFile, ByteView newFile, const CompTuning& tuning, CompareProgress* progress) {
    CheckSize(oldFile, "old");
    CheckSize(newFile, "new");
    const CompTuning t = tuning.Sanitized();
    const ProgressSpan span{progress, static_cast<std::int64_t>(newFile.size())};
    if (t.mode == CompMode::Compact) {
        Bytes out = WriteCompactBest(oldFile, newFile, EncodeCompact(oldFile, newFile, span));
        if (progress) progress->Reached(100.0);
        return out;
    }
    CompRecords records;
    if (t.mode == CompMode::Thorough) {
        records = EncodeThorough(oldFile, newFile, span);
    } else {
        records = EncodeQuick(oldFile, newFile, t, span);
    }
    Bytes out = WriteDifference(oldFile, newFile, records);
    // Classic data this long would start with the compact magic (maker/CompactFormat.h).
    if (IsCompactData(out)) throw Error(kErrOverflow, "The difference data is too large (3.7 GB or more).");
    if (progress) progress->Reached(100.0);
    return out;
}

std::string ReadFileForCompare(const std::string& path) {
    std::string data;
    if (const int e = platform::ReadWholeFile(path, data)) {
        throw Error(e, (e == kErrFileNotFound ? "File not found: " : "Cannot read the file ") + path);
    }
    CheckSize(ViewOf(data), "version");
    return data;
}

Bytes CompareFiles(const std::string& oldPath, const std::string& newPath, const CompTuning& tuning,
                   CompareProgress* progress) {
    const std::string oldFile = ReadFileForCompare(oldPath);
    const std::string newFile = ReadFileForCompare(newPath);
    return CompareBytes(ViewOf(oldFile), ViewOf(newFile), tuning, progress);
}

}  // namespace quen
