// Extracts a checked package cabinet, held in memory, with FDI.
#include "programs/PatchHead/CabinetExtract.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "maker/PackageLayout.h"
#include "win/Fdi.h"
#include "platform/win/Handles.h"

namespace quen::head {

namespace {

// FDI's I/O callbacks carry no context: the cabinet being extracted is served from memory
// under this name, and only while ExtractCabinet runs (the head has one thread).
constexpr const char kMemoryName[] = "package.cab";
ByteView g_cabinet;

// A handle given to FDI: the in-memory cabinet, or an output file we created.
struct Stream {
    bool memory = false;
    std::size_t at = 0;
    HANDLE file = INVALID_HANDLE_VALUE;
    std::string path;
};

Stream* AsStream(INT_PTR h) { return reinterpret_cast<Stream*>(h); }

struct Job {
    std::string folder;
    std::string fault;
    std::vector<win::UniqueHandle>& held;
};

FNALLOC(Alloc) { return std::malloc(cb); }
FNFREE(Free) { std::free(pv); }

FNOPEN(Open) {
    (void)oflag;
    (void)pmode;
    if (std::strcmp(pszFile, kMemoryName) != 0) return -1;  // FDI opens nothing else
    auto* s = new Stream;
    s->memory = true;
    return reinterpret_cast<INT_PTR>(s);
}

FNREAD(Read) {
    Stream* s = AsStream(hf);
    if (!s->memory) return static_cast<UINT>(-1);
    const std::size_t n = std::min<std::size_t>(cb, g_cabinet.size() - std::min(s->at, g_cabinet.size()));
    if (n) std::memcpy(pv, g_cabinet.data() + s->at, n);
    s->at += n;
    return static_cast<UINT>(n);
}

FNWRITE(Write) {
    Stream* s = AsStream(hf);
    DWORD written = 0;
    if (s->memory || !WriteFile(s->file, pv, cb, &written, nullptr) || written != cb) return static_cast<UINT>(-1);
    return cb;
}

FNCLOSE(Close) {
    Stream* s = AsStream(hf);
    const bool ok = s->memory || CloseHandle(s->file);
    delete s;
    return ok ? 0 : -1;
}

FNSEEK(Seek) {
    Stream* s = AsStream(hf);
    if (!s->memory) return -1;
    const long long base = seektype == SEEK_SET ? 0 : seektype == SEEK_CUR ? static_cast<long long>(s->at)
                                                                        : static_cast<long long>(g_cabinet.size());
    if (base + dist < 0 || base + dist > static_cast<long long>(g_cabinet.size())) return -1;
    s->at = static_cast<std::size_t>(base + dist);
    return static_cast<__LONG32>(s->at);
}

INT_PTR CreateOutput(Job& job, const char* name) {
    // The cabinet was checked already; a name FDI reports differently is refused all the same.
    if (!IsPackageFileName(name)) {
        job.fault = "the package holds a file that no patch holds";
        return -1;
    }
    const std::string path = job.folder + "\\" + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        job.fault = "the file " + path + " cannot be written";
        return -1;
    }
    auto* s = new Stream;
    s->file = file;
    s->path = path;
    return reinterpret_cast<INT_PTR>(s);
}

bool FileId(HANDLE file, BY_HANDLE_FILE_INFORMATION& id) { return GetFileInformationByHandle(file, &id) != 0; }

// Closes a written file and keeps it open for reading only, sharing nothing but reading,
// until the run ends: from here on nobody can change, replace, rename or delete it. The
// file opened again must be the one written (the folder is ours, but this account's other
// programs may enter it).
BOOL Finish(Job& job, INT_PTR hf) {
    const std::string path = AsStream(hf)->path;
    BY_HANDLE_FILE_INFORMATION written{}, read{};
    const bool known = FileId(AsStream(hf)->file, written);
    if (Close(hf) != 0 || !known) return FALSE;
    win::UniqueHandle reader(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!reader || !FileId(reader.get(), read) || read.dwVolumeSerialNumber != written.dwVolumeSerialNumber ||
        read.nFileIndexHigh != written.nFileIndexHigh || read.nFileIndexLow != written.nFileIndexLow) {
        job.fault = "the extracted file " + path + " was changed by another program";
        return FALSE;
    }
    job.held.push_back(std::move(reader));
    return TRUE;
}

FNFDINOTIFY(Notify) {
    Job& job = *static_cast<Job*>(pfdin->pv);
    switch (fdint) {
        case fdintCOPY_FILE: return CreateOutput(job, pfdin->psz1);
        case fdintCLOSE_FILE_INFO: return Finish(job, pfdin->hf);
        case fdintNEXT_CABINET: return -1;  // a package is one cabinet
        default: return 0;
    }
}

}  // namespace

std::string ExtractCabinet(ByteView cabinet, const std::string& folder, std::vector<win::UniqueHandle>& held) {
    g_cabinet = cabinet;
    Job job{folder, "", held};
    ERF erf{};
    if (!win::Fdi().Loaded()) return "the system's cabinet support cannot be loaded";
    win::UniqueFdi fdi(win::Fdi().create(Alloc, Free, Open, Read, Write, Close, Seek, cpuUNKNOWN, &erf));
    if (!fdi) return "the system's cabinet support cannot be started";
    char name[] = "package.cab", path[] = "";
    const BOOL ok = win::Fdi().copy(fdi.get(), name, path, 0, Notify, nullptr, &job);
    g_cabinet = {};
    if (ok && job.fault.empty()) return "";
    return job.fault.empty() ? "the cabinet cannot be unpacked (error " + std::to_string(erf.erfOper) + ")" : job.fault;
}

}  // namespace quen::head
