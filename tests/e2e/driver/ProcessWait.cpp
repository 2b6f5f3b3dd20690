// Waiting for another process to end, found by its executable name or process ID.
#include <windows.h>
#include <tlhelp32.h>

#include <memory>
#include <sstream>
#include <vector>

#include "driver/Actions.h"
#include "driver/Failure.h"
#include "driver/Text.h"

namespace quen::driver {

namespace {

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

std::vector<DWORD> ProcessIds(const std::wstring& nameOrPid) {
    unsigned long pid = 0;
    if (ParseCount(nameOrPid, pid)) return {static_cast<DWORD>(pid)};
    std::vector<DWORD> ids;
    Handle snap(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snap.get() == INVALID_HANDLE_VALUE) {
        (void)snap.release();
        Fail("cannot list the running processes");
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL ok = Process32FirstW(snap.get(), &entry); ok; ok = Process32NextW(snap.get(), &entry)) {
        if (SameNoCase(entry.szExeFile, nameOrPid)) ids.push_back(entry.th32ProcessID);
    }
    return ids;
}

}  // namespace

void WaitProcessExit(const std::wstring& nameOrPid, double seconds) {
    std::vector<Handle> running;
    std::vector<HANDLE> raw;
    for (DWORD id : ProcessIds(nameOrPid)) {
        HANDLE h = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
        if (h == nullptr) continue;  // already gone
        running.emplace_back(h);
        raw.push_back(h);
    }
    if (raw.empty()) return;
    if (raw.size() > MAXIMUM_WAIT_OBJECTS) Fail("too many processes named " + Narrow(nameOrPid));
    DWORD ms = static_cast<DWORD>(seconds * 1000.0);
    if (WaitForMultipleObjects(static_cast<DWORD>(raw.size()), raw.data(), TRUE, ms) == WAIT_TIMEOUT) {
        std::ostringstream msg;
        msg << "timed out after " << seconds << " s waiting for process " << Narrow(nameOrPid) << " to exit";
        FailTimeout(msg.str());
    }
    for (HANDLE h : raw) {
        DWORD code = 0;
        if (GetExitCodeProcess(h, &code)) PrintLine(std::to_wstring(code));
    }
}

}  // namespace quen::driver
