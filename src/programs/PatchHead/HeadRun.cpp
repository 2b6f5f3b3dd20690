// One run of a patch executable: find and check its package, extract it, apply it.
#include "programs/PatchHead/HeadRun.h"

#include <windows.h>

#include "maker/PackageLayout.h"
#include "platform/Files.h"
#include "programs/PatchHead/CabinetExtract.h"
#include "programs/PatchHead/HeadUi.h"
#include "runtime/CabinetCheck.h"
#include "runtime/HeadWindows.h"
#include "runtime/PackageImage.h"
#include "runtime/PlatformPorts.h"
#include "runtime/RunSequence.h"
#include "runtime/win/WinRuntimePorts.h"
#include "startup/win/WinRegistry.h"
#include "win/ModulePath.h"

namespace quen::head {

namespace {

constexpr int kBadPackage = static_cast<int>(runtime::RunOutcome::CancelledOrBad);
constexpr const char* kScriptName = kPackageScriptFile;

std::string OwnPath() {
    char buf[MAX_PATH * 2] = {};
    const DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
    return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
}

// A new folder of our own under the temporary folder; it survives a restart.
std::string MakePrivateFolder() {
    char temp[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathA(MAX_PATH, temp);
    if (n == 0 || n > MAX_PATH) return "";
    const DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (DWORD k = 0; k < 1000; ++k) {
        char name[32];
        wsprintfA(name, "QuenlarkPatch%08lX", static_cast<unsigned long>(seed + k));
        const std::string folder = std::string(temp, n) + name;
        if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return "";
    }
    return "";
}

void RemovePackageFolder(const std::string& folder, const std::vector<runtime::CabinetFile>& files) {
    for (const auto& f : files) platform::RemoveFile(folder + "\\" + f.name);
    RemoveDirectoryA(folder.c_str());
}

// The package folder of this run: a fresh one, or after a restart the one named by /A.
std::string PackageFolder(const runtime::HeadOptions& o, std::string& fault) {
    if (!o.resume) {
        const std::string folder = MakePrivateFolder();
        if (folder.empty()) fault = "No folder for the patch's files can be made in the temporary folder.";
        return folder;
    }
    const size_t slash = o.resumeScript.rfind('\\');
    if (slash == std::string::npos || o.resumeScript.substr(slash + 1) != kScriptName) {
        fault = "The patch cannot resume: " + o.resumeScript + " is no patch script.";
        return "";
    }
    const std::string folder = o.resumeScript.substr(0, slash);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

runtime::RunOutcome Apply(const runtime::HeadOptions& o, const std::string& folder, runtime::LogPort* log) {
    runtime::PlatformFiles files;
    runtime::AppIniFiles ini;
    win::WinRegistry registry;
    runtime::win::WinSystem system;
    runtime::win::WinWindows shown;
    runtime::HeadWindows windows(o.silent ? nullptr : &shown, o.answerDir);
    runtime::RuntimePorts ports{files, ini, registry, system, windows, log};
    const win::ModulePath me = win::CurrentModulePath();
    runtime::RunRequest request{folder + "\\" + kScriptName, o.resume, me.folder, me.exeName};
    request.packageFolder = folder;
    request.meFolder = me.folder;
    request.resumeOptions = runtime::ResumeSwitches(o);
    return runtime::RunScript(request, ports);
}

}  // namespace

int RunPatchExecutable(const runtime::HeadOptions& o, runtime::LogPort* log) {
    std::string self;
    if (platform::ReadWholeFile(OwnPath(), self) != 0) {
        Tell("The patch cannot read its own file.");
        return kBadPackage;
    }
    const ByteView bytes(reinterpret_cast<const std::uint8_t*>(self.data()), self.size());
    const runtime::PackageLocation where = runtime::LocatePackage(bytes);
    if (where.fault == runtime::PackageFault::NoPackage) {
        Tell("This is the Quenlark patch executable head. Quenlark appends a patch to it to make a patch "
             "executable; on its own it has nothing to apply.");
        return kBadPackage;
    }
    if (where.fault != runtime::PackageFault::None) {
        Tell("This patch cannot be applied. " + runtime::PackageFaultText(where.fault));
        return kBadPackage;
    }
    const runtime::CabinetCheck check = runtime::CheckCabinet(where.cabinet);
    if (!check.Ok()) {
        Tell("This patch cannot be applied. " + check.fault);
        return kBadPackage;
    }
    std::string fault;
    const std::string folder = PackageFolder(o, fault);
    if (folder.empty()) {
        Tell(fault);
        return kBadPackage;
    }
    fault = ExtractCabinet(where.cabinet, folder, o.resume);
    if (!fault.empty()) {
        RemovePackageFolder(folder, check.files);
        Tell("This patch cannot be applied: " + fault + ".");
        return kBadPackage;
    }
    const runtime::RunOutcome outcome = Apply(o, folder, log);
    // After a Windows exit the resumed run needs the package again.
    if (outcome != runtime::RunOutcome::RestartNeeded) RemovePackageFolder(folder, check.files);
    return static_cast<int>(outcome);
}

}  // namespace quen::head
