// The file lock on Windows: the file open without sharing, deleted when its handle closes.
#include "platform/FileLock.h"

#include <windows.h>

#include "base/Errors.h"
#include "platform/win/WinError.h"

namespace quen::platform {

FileLock::FileLock(const std::string& path) : path_(path), handle_(0), status_(0) {
    const HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD err = GetLastError();
        status_ = err == ERROR_SHARING_VIOLATION ? kErrFileAlreadyOpen : win::ClassicError(err);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(h);
}

FileLock::~FileLock() {
    if (handle_) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace quen::platform
