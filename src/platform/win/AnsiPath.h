// Paths the system gives in UTF-16, handed to the code-page core without losing a letter.
#pragma once

#include <optional>
#include <string>

namespace quen::platform {

// `path` in the ANSI code page: as it is when the code page holds every letter (no
// best-fit look-alikes), else the file system's short form of its longest existing part
// followed by the rest, when that is all in the code page; nullopt when neither.
std::optional<std::string> AnsiPath(const std::wstring& path);

// UTF-16 text in the code page, "?" for a letter it lacks (for messages).
std::string LossyText(const std::wstring& text);

// Code-page text as UTF-16.
std::wstring Wide(const std::string& text);

// The temporary folder (with its trailing "\") in the code page, or nullopt.
std::optional<std::string> TempPath();

// This process's command line after the program's name (as WinMain's is), read in UTF-16
// so no letter is replaced by a look-alike; nullopt when a letter has no code-page form.
std::optional<std::string> ArgumentsInCodePage();

}  // namespace quen::platform
