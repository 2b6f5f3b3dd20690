// Classic error numbers for Win32 error codes, for the Windows file seam.
#include "platform/win/WinError.h"

#include <windows.h>

#include "base/Errors.h"

namespace quen::platform::win {

int ClassicError(unsigned long win32Error) {
    switch (win32Error) {
        case ERROR_FILE_NOT_FOUND:
            return kErrFileNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
        case ERROR_CURRENT_DIRECTORY:
            return kErrPermissionDenied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return kErrDiskFull;
        case ERROR_HANDLE_EOF:
            return kErrInputPastEnd;
        default:  // path not found, invalid name or drive, name too long ...
            return kErrPathFileAccess;
    }
}

}  // namespace quen::platform::win
