// Memory in another process, for the common-control messages that carry pointers.
#include "driver/Remote.h"

#include "win/drive/Drive.h"

namespace quen::driver {

using drive::Fail;

RemoteBlock::RemoteBlock(HWND window, size_t size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) base_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    if (!base_) Fail("cannot reach the memory of the window's process");
}

RemoteBlock::~RemoteBlock() {
    if (base_) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

void RemoteBlock::Write(size_t offset, const void* data, size_t size) {
    if (!WriteProcessMemory(process_, static_cast<char*>(base_) + offset, data, size, nullptr))
        Fail("cannot write to the window's process");
}

void RemoteBlock::Read(size_t offset, void* data, size_t size) const {
    if (!ReadProcessMemory(process_, static_cast<char*>(base_) + offset, data, size, nullptr))
        Fail("cannot read from the window's process");
}

}  // namespace quen::driver
