// One run of a patch executable: find and check its package, extract it, apply it.
#include "programs/PatchHead/HeadRun.h"

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <optional>
#include <vector>

#include "base/Text.h"
#include "maker/Crc32.h"
#include "maker/PackageLayout.h"
#include "platform/Process.h"
#include "platform/win/AnsiPath.h"
#include "programs/PatchHead/CabinetExtract.h"
#include "programs/PatchHead/HeadUi.h"
#include "runtime/CabinetCheck.h"
#include "runtime/HeadWindows.h"
#include "maker/PackageImage.h"
#include "runtime/PlatformPorts.h"
#include "runtime/RunSequence.h"
#include "runtime/win/WinRuntimePorts.h"
#include "startup/win/WinRegistry.h"
#include "platform/win/Handles.h"
#include "win/ModulePath.h"
#include "win/PrivateFolder.h"

namespace quen::head {

namespace {

constexpr int kBadPackage = static_cast<int>(runtime::RunOutcome::CancelledOrBad);
constexpr const char* kFolderPrefix = "QuenlarkPatch-";
constexpr const char* kOutsideCodePage =
    "This patch cannot be applied: letters outside this system's code page, without a short name, are in the ";

// The file this process was started from, read with writing and deleting denied, and only
// when its headers are those of the loaded image (the path may name another file by now).
bool ReadOwnFile(std::string& self) {
    win::UniqueHandle file(CreateFileW(win::CurrentModuleFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return false;
    self.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.get(), self.data(), static_cast<DWORD>(self.size()), &read, nullptr) || read != self.size())
        return false;
    // The file header and the section table, as the loader mapped them.
    const auto* image = reinterpret_cast<const unsigned char*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
    const std::size_t from = static_cast<std::size_t>(dos->e_lfanew) + 4;
    const std::size_t length = sizeof(IMAGE_FILE_HEADER) + nt->FileHeader.SizeOfOptionalHeader +
                               nt->FileHeader.NumberOfSections * sizeof(IMAGE_SECTION_HEADER);
    const std::size_t skip = sizeof(IMAGE_FILE_HEADER) + offsetof(IMAGE_OPTIONAL_HEADER, ImageBase);
    const std::size_t tail = sizeof(IMAGE_FILE_HEADER) + nt->FileHeader.SizeOfOptionalHeader;
    // The image base may be moved at load; everything else must match.
    return self.size() >= from + length && std::memcmp(self.data() + from, image + from, skip) == 0 &&
           std::memcmp(self.data() + from + tail, image + from + tail, length - tail) == 0;
}

// Names the patch's start entry and kept values, the same in the resumed run.
std::string PackageId(ByteView cabinet) {
    return "PKG-" + HexText(Crc32(cabinet), 8) + "-" + HexText(static_cast<std::uint32_t>(cabinet.size()), 1);
}

// Builds the ports for one run and hands them with the request to `run`.
template <typename Run>
int WithPorts(const runtime::HeadOptions& o, const std::string& folder, const std::string& id,
              runtime::LogPort* log, Run run) {
    runtime::PlatformFiles files;
    runtime::AppIniFiles ini;
    win::WinRegistry registry;
    runtime::win::WinSystem system;
    runtime::win::WinWindows shown;
    runtime::HeadWindows windows(o.silent ? nullptr : &shown, o.answerDir);
    runtime::RuntimePorts ports{files, ini, registry, system, windows, log};
    const win::ModulePath me = win::CurrentModulePath();
    runtime::RunRequest request{folder + "\\" + kPackageScriptFile, o.resume, me.folder, me.exeName};
    request.packageFolder = folder;
    request.meFolder = me.folder;
    request.resumeOptions = runtime::ResumeSwitches(o);
    request.patchId = id;
    return static_cast<int>(run(request, ports));
}

// Nothing can be applied. A resumed run still removes its start entry and sets back what
// its first phase paused, so it does not stop again at every logon.
int Refuse(const runtime::HeadOptions& o, const std::string& why, runtime::LogPort* log) {
    Tell(why);
    if (!o.resume) return kBadPackage;
    return WithPorts(o, "", o.resumeId, log, runtime::EndResumedRun);
}

// Why the package cannot be applied, or "".
std::string PackageProblem(const PackageLocation& where) {
    if (where.fault == PackageFault::NoPackage)
        return "This is the Quenlark patch executable head. Quenlark appends a patch to it to make a patch "
               "executable; on its own it has nothing to apply.";
    if (where.fault != PackageFault::None)
        return "This patch cannot be applied. " + PackageFaultText(where.fault);
    const runtime::CabinetCheck check = runtime::CheckCabinet(where.cabinet);
    return check.Ok() ? "" : "This patch cannot be applied. " + check.fault;
}

void RemoveFolder(win::PrivateFolder& folder, std::vector<win::UniqueHandle>& held) {
    held.clear();
    folder.lock.reset();
    platform::DeleteTree(folder.path);
}

}  // namespace

int RunPatchExecutable(const runtime::HeadOptions& o, runtime::LogPort* log) {
    // The start entry of an interrupted run: its record needs no package.
    if (o.settle) return WithPorts(o, "", "", log, runtime::SettleInterruptedRun);
    std::string self;
    if (!ReadOwnFile(self)) return Refuse(o, "The patch cannot read its own file.", log);
    const ByteView bytes(reinterpret_cast<const std::uint8_t*>(self.data()), self.size());
    const PackageLocation where = LocatePackage(bytes);
    if (const std::string problem = PackageProblem(where); !problem.empty()) return Refuse(o, problem, log);
    const std::string id = PackageId(where.cabinet);
    if (o.resume && id != o.resumeId)
        return Refuse(o, "This patch cannot resume: the file is no longer the patch that was started.", log);
    const std::optional<std::string> tempPath = platform::TempPath();
    if (!tempPath) return Refuse(o, kOutsideCodePage + std::string("temporary folder."), log);
    if (!win::CurrentModulePath().exact) return Refuse(o, kOutsideCodePage + std::string("patch's own folder."), log);
    const std::string& temp = *tempPath;
    win::SweepPrivateFolders(temp, kFolderPrefix);  // what killed runs left behind
    win::PrivateFolder folder = win::MakePrivateFolder(temp, kFolderPrefix);
    if (folder.path.empty()) return Refuse(o, "No folder for the patch's files can be made in the temporary folder.", log);
    std::vector<win::UniqueHandle> held;  // the extracted files, unchangeable until the end
    const std::string fault = ExtractCabinet(where.cabinet, folder.path, held);
    if (!fault.empty()) {
        RemoveFolder(folder, held);
        return Refuse(o, "This patch cannot be applied: " + fault + ".", log);
    }
    // The run may need the memory (a large file patched by a 32-bit head): the image goes.
    std::string().swap(self);
    // The resumed run extracts the package again, from the file it was started from.
    const int outcome = WithPorts(o, folder.path, id, log, runtime::RunScript);
    RemoveFolder(folder, held);
    return outcome;
}

}  // namespace quen::head
