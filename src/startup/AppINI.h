// AppINI: the one reader and writer of INI-style files (settings, scripts, languages,
// templates, target INI files, the cabinet tool's directive file).
#pragma once

#include <string>

namespace quen {

// Set FileName, then Section, then read and write keys; change Section to move between
// sections. Every call opens the file anew; nothing is cached.
//
// Line rules: a section starts at the line equal to "[" & Section & "]" (exact,
// case-sensitive) and ends at the next line starting with "["; a key line splits at its
// first "=", the name trimmed of blanks and compared case-sensitively, the value kept as
// it is. Keys are written back with CR LF between lines and none after the last one.
class AppINI {
public:
    std::string FileName;  // blanks around it are ignored
    std::string Section;   // "[%NOTUSE%]": no sections, keys start at the second line

    // True and the value when the key is in Section; false and "" otherwise. A file that
    // cannot be read throws quen::Error (53 when it does not exist).
    bool ReadKey(const std::string& key, std::string& value) const;
    // Sets key=value in Section, creating the line, the section or the file. False
    // without effect when FileName or Section is empty or the file cannot be rewritten.
    bool WriteKey(const std::string& key, const std::string& value);
    // Removes every line of the key in Section. True when the section exists (even
    // without the key); false when it does not, or the file is missing or cannot be
    // rewritten.
    bool DelKey(const std::string& key);
    // Removes section `name` with its lines; every line is written back with CR LF.
    // Always false.
    bool DelSection(const std::string& name);
    // Replaces the lines of section `name` by `text`'s NUL-separated "key=value" entries
    // (ended by an empty entry), or appends the section; creates the file when missing.
    // Always false; does nothing when FileName is empty.
    bool RenSection(const std::string& name, const std::string& text);

private:
    bool EditKey(const std::string& key, const std::string& value, bool remove);
};

}  // namespace quen
