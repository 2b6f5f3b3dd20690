// The cabinet tool's command: QCab /F directives.ddf
#include "maker/cab/CabTool.h"

#include <ctime>

#include "maker/OrderedJobs.h"
#include "maker/cab/CabDirectives.h"
#include "platform/Files.h"
#include "base/Errors.h"

namespace quen::cab {
namespace {

constexpr const char* kUsage = "usage: QCab /F directives.ddf\n";

struct Failure {
    std::string message;
};

std::string Describe(int number, const std::string& path) {
    switch (number) {
        case kErrFileNotFound: return "file not found: " + path;
        case kErrPermissionDenied: return "permission denied: " + path;
        case kErrDiskFull: return "disk full while writing " + path;
        default: return "cannot access " + path + " (error " + std::to_string(number) + ")";
    }
}

std::string Read(const std::string& path) {
    std::string data;
    if (const int e = platform::ReadWholeFile(path, data)) throw Failure{Describe(e, path)};
    return data;
}

// Today's date and time in the packed form the file records keep.
void StampNow(CabEntry& e) {
    const std::time_t now = std::time(nullptr);
    const std::tm* t = std::localtime(&now);
    if (t == nullptr || t->tm_year < 80) return;
    e.dosDate = static_cast<std::uint16_t>((t->tm_year - 80) << 9 | (t->tm_mon + 1) << 5 | t->tm_mday);
    e.dosTime = static_cast<std::uint16_t>(t->tm_hour << 11 | t->tm_min << 5 | t->tm_sec / 2);
}

std::string InDiskDirectory(const CabDirectives& d, const std::string& name) {
    CabDirectives one = d;
    one.cabinetName = name;
    return CabinetPath(one);
}

void MakeDiskDirectory(const CabDirectives& d) {
    if (!d.diskDirectory.empty()) platform::MakeDirectory(d.diskDirectory);
}

void CopyFiles(const CabDirectives& d, std::ostream& out) {
    MakeDiskDirectory(d);
    for (const CabSource& f : d.files) {
        const std::string target = InDiskDirectory(d, f.name);
        if (const int e = platform::CopyOneFile(f.path, target)) throw Failure{Describe(e, target)};
    }
    out << d.files.size() << " files copied (Cabinet=off)\n";
}

// Removes the files a pack works in, also when it fails.
class ScratchFiles {
public:
    explicit ScratchFiles(std::vector<std::string> paths) : paths_(std::move(paths)) { Remove(); }
    ~ScratchFiles() { Remove(); }
    ScratchFiles(const ScratchFiles&) = delete;
    ScratchFiles& operator=(const ScratchFiles&) = delete;

private:
    void Remove() {
        for (const std::string& p : paths_) platform::RemoveFile(p);
    }
    std::vector<std::string> paths_;
};

void Append(const std::string& path, const std::string& data) {
    if (const int e = platform::AppendToFile(path, data)) throw Failure{Describe(e, path)};
}

// Files are read one at a time and each folder's blocks go to a scratch file as soon as
// they are encoded, so a pack holds a few folders, never the whole cabinet. The records
// come first in the cabinet: they are written then, the blocks copied after them.
void Pack(const CabDirectives& d, std::ostream& out) {
    MakeDiskDirectory(d);
    const std::string path = CabinetPath(d);
    const std::string blocks = path + ".blocks", part = path + ".part";
    ScratchFiles scratch({blocks, part});
    CabSettings settings = d.settings;
    settings.threads = MakeThreads();
    std::uint64_t total = 0, packed = 0;
    Append(blocks, "");
    try {
        CabinetBuilder builder(settings, [&](const Bytes& b) { Append(blocks, std::string(b.begin(), b.end())); });
        for (const CabSource& f : d.files) {
            CabEntry e;
            {  // the text copy goes before Add, which may encode earlier folders
                const std::string data = Read(f.path);
                e.data.assign(data.begin(), data.end());
            }
            e.name = f.name;
            StampNow(e);
            total += e.data.size();
            builder.Add(std::move(e));
        }
        const Bytes records = builder.Finish();
        Append(part, std::string(records.begin(), records.end()));
        packed = records.size();
    } catch (const Error& e) {
        throw Failure{e.what()};
    }
    // The blocks follow the records: copied in parts, then the whole cabinet replaces
    // the old one at once.
    constexpr std::size_t kChunk = 16u << 20;
    std::string chunk;
    for (std::uint64_t copied = 0;; copied += chunk.size()) {
        if (const int e = platform::ReadFilePart(blocks, copied, kChunk, chunk)) throw Failure{Describe(e, blocks)};
        if (chunk.empty()) break;
        Append(part, chunk);
        packed += chunk.size();
    }
    if (const int e = platform::MoveReplace(part, path)) throw Failure{Describe(e, path)};
    out << path << ": " << d.files.size() << " files, " << total << " bytes packed into " << packed << "\n";
}

}  // namespace

int RunQCab(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 || (args[0] != "/F" && args[0] != "/f" && args[0] != "-F" && args[0] != "-f")) {
        err << kUsage;
        return kQCabUsage;
    }
    try {
        CabDirectives d;
        try {
            d = ParseDirectives(Read(args[1]));
        } catch (const Error& e) {
            throw Failure{args[1] + ": " + e.what()};
        }
        if (d.files.empty()) throw Failure{args[1] + ": no files to pack"};
        if (d.cabinet) Pack(d, out);
        else CopyFiles(d, out);
        return kQCabOk;
    } catch (const Failure& f) {
        err << "QCab: " << f.message << "\n";
        return kQCabFailed;
    }
}

}  // namespace quen::cab
