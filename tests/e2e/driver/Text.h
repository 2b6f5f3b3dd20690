// Text helpers of the window driver: UTF-8 for the shell, wide text for Win32, caption matching.
#pragma once
#include <string>

namespace quen::driver {

// The driver talks UTF-8 to the shell and wide text to windows, so a caption is
// converted once whatever the code page of the program under test.
std::string Narrow(const std::wstring& wide);
std::wstring Widen(const std::string& utf8);

// A caption as a person reads it: "&OK" shows as "OK", "&&" as "&".
std::wstring StripMnemonic(const std::wstring& caption);

// A label as it names the control after it: "&Name:" and "Name" are the same label.
std::wstring LabelKey(const std::wstring& label);

// True when both captions read the same to a person.
bool SameCaption(const std::wstring& a, const std::wstring& b);

bool SameNoCase(const std::wstring& a, const std::wstring& b);

// Multi-line text with CR LF as LF, as a shell script compares it.
std::wstring UnixLines(const std::wstring& text);

// Text kept on one listing line: line ends as \n, tabs as \t.
std::wstring OneLine(const std::wstring& text);

// A decimal number of seconds such as "10" or "0.5"; false when it is none.
bool ParseSeconds(const std::wstring& text, double& seconds);

// A non-negative decimal integer; false when it is none.
bool ParseCount(const std::wstring& text, unsigned long& value);

}  // namespace quen::driver
