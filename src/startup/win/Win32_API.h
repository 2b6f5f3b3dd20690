// Win32_API: the Windows calls that need buffers or records (folder browsing, starting and
// waiting for programs, volume serial numbers, the operating-system family).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quen::win {

// Titles of this many bytes or more are refused before the browser opens.
inline constexpr std::size_t kBrowseTitleLimit = 131;

// Shows the shell's folder browser (file-system folders only, no root restriction).
// Returns false with `path` = the chosen folder (cut at its first NUL, trimmed); returns
// true ("cancelled") with `path` = "" on Cancel, on failure, or at once for a title of
// kBrowseTitleLimit bytes or more.
bool BrowseForFolder(HWND owner, const std::string& title, std::string& path);

// The text in the system ANSI code page.
std::string ToAnsiBytes(std::wstring_view text);

// CreateProcessA of `program` (detached, handles not inherited, inherited environment) in
// `currentDirectory` (empty: the caller's). The child's command line is the quoted program
// path followed by `arguments`. True when the process was created; the caller owns the
// handles in `info`.
bool StartProcess(const std::string& program, const std::string& currentDirectory, const std::string& arguments,
                  STARTUPINFOA& startup, PROCESS_INFORMATION& info);

// Starts `program` without arguments at screen position 0,0 in `currentDirectory` (empty:
// the program's folder), waits up to 90 s for it to become idle for input, then for as long
// as it runs. True when the program was started.
bool RunAndWait(const std::string& program, std::string currentDirectory);

// The volume serial number of `root` (e.g. "C:\"), its bytes reversed on the NT family;
// -1 on failure.
std::int32_t GetVolumeSerial(const std::string& root);

// "31", "9X", "NT" or "Unknow" by the platform GetVersionExA reports; "" when it fails.
std::string GetOSFamily();

}  // namespace quen::win
