// Classic error numbers for Win32 error codes, for the Windows file seam.
#pragma once

namespace quen::platform::win {

// Maps a GetLastError value to a classic error number (base/Errors.h).
int ClassicError(unsigned long win32Error);

}  // namespace quen::platform::win
