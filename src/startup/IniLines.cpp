// The line rules of INI-style files, on text held in memory.
#include "startup/IniLines.h"

#include <cstddef>

namespace quen::ini {

namespace {

constexpr std::size_t kMissing = static_cast<std::size_t>(-1);

bool StartsSection(const std::string& line) { return !line.empty() && line[0] == '['; }

// The key name of a line: the text before its first "=", trimmed; lines without "="
// have none and never match.
bool KeyMatches(const std::string& line, std::string_view key) {
    const auto eq = line.find('=');
    return eq != std::string::npos && TrimBlanks(std::string_view(line).substr(0, eq)) == key;
}

std::size_t FindHeader(const Lines& lines, std::string_view section) {
    const std::string header = HeaderLine(section);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == header) return i;
    }
    return kMissing;
}

// Index of the section's first line after its header, or kMissing.
std::size_t SectionBody(const Lines& lines, std::string_view section) {
    if (section == kNoSection) return lines.empty() ? kMissing : 1;
    const std::size_t h = FindHeader(lines, section);
    return h == kMissing ? kMissing : h + 1;
}

std::size_t SectionEnd(const Lines& lines, std::size_t from) {
    while (from < lines.size() && !StartsSection(lines[from])) ++from;
    return from;
}

std::string KeyLine(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line += value;
    return line;
}

}  // namespace

Lines SplitLines(std::string_view text) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const Lines& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += lines[i];
    }
    return out;
}

std::string JoinLinesTerminated(const Lines& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string HeaderLine(std::string_view section) {
    std::string header = "[";
    header += section;
    header += ']';
    return header;
}

bool FindKey(const Lines& lines, std::string_view section, std::string_view key, std::string& value) {
    value.clear();
    const std::size_t body = SectionBody(lines, section);
    if (body == kMissing) return false;
    for (std::size_t i = body; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) continue;
        if (StartsSection(line)) return false;
        if (KeyMatches(line, key)) {
            value = line.substr(line.find('=') + 1);
            return true;
        }
    }
    return false;
}

bool EditKey(Lines& lines, std::string_view section, std::string_view key, std::string_view value,
             KeyEdit mode) {
    const std::size_t body = SectionBody(lines, section);
    if (body == kMissing) {
        if (mode == KeyEdit::Remove) return false;
        // Without sections an empty file has no first line to pass over: start it as a
        // new file would be, so the key reads back.
        if (section == kNoSection) {
            lines = {HeaderLine(section), KeyLine(key, value)};
            return true;
        }
        lines.emplace_back();
        lines.push_back(HeaderLine(section));
        lines.push_back(KeyLine(key, value));
        return true;
    }
    std::size_t i = body;
    while (i < lines.size() && !StartsSection(lines[i])) {
        if (!KeyMatches(lines[i], key)) {
            ++i;
        } else if (mode == KeyEdit::Write) {
            lines[i] = KeyLine(key, value);
            return true;
        } else {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    // New key: right before the following section's header, or after the last line.
    if (mode == KeyEdit::Write) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), KeyLine(key, value));
    return true;
}

void RemoveSection(Lines& lines, std::string_view name) {
    const std::size_t h = FindHeader(lines, name);
    if (h == kMissing) return;
    const std::size_t end = SectionEnd(lines, h + 1);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(h), lines.begin() + static_cast<std::ptrdiff_t>(end));
}

void ReplaceSection(Lines& lines, std::string_view name, const Lines& entries) {
    const std::size_t h = FindHeader(lines, name);
    if (h == kMissing) {
        if (!lines.empty()) lines.emplace_back();
        lines.push_back(HeaderLine(name));
        lines.insert(lines.end(), entries.begin(), entries.end());
        return;
    }
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(h + 1);
    const auto last = lines.begin() + static_cast<std::ptrdiff_t>(SectionEnd(lines, h + 1));
    const auto at = lines.erase(first, last);
    lines.insert(at, entries.begin(), entries.end());
}

Lines SplitEntries(std::string_view text) {
    Lines entries;
    std::size_t start = 0;
    while (start < text.size()) {
        auto nul = text.find('\0', start);
        if (nul == std::string_view::npos) nul = text.size();
        if (nul == start) break;
        entries.emplace_back(text.substr(start, nul - start));
        start = nul + 1;
    }
    return entries;
}

}  // namespace quen::ini
