// The cabinet tool's directive file.
#include "maker/cab/CabDirectives.h"

#include <algorithm>
#include <charconv>

#include "base/Errors.h"
#include "base/Text.h"

namespace quen::cab {
namespace {

// A fault of the line being read; ParseDirectives adds the line number.
struct Bad {
    std::string message;
};

// Directive files follow makecab's format, not the system's INI and script rules: people
// write them by hand and indent with tabs, and lines are split at LF alone, so a tab and
// the CR of a CR LF count as blanks here (the base TrimBlanks trims spaces only).
std::string Trim(const std::string& s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    std::size_t b = 0, e = s.size();
    while (b < e && blank(s[b])) ++b;
    while (e > b && blank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// The line without a ";" comment that stands outside quotes.
std::string StripComment(const std::string& line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == ';' && !quoted) return line.substr(0, i);
    }
    return line;
}

// Blank-separated tokens; a quoted token may hold blanks. Throws Bad.
std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
        } else if (text[i] == '"') {
            const std::size_t end = text.find('"', i + 1);
            if (end == std::string::npos) throw Bad{"missing closing quote"};
            out.push_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            std::size_t end = i;
            while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
            out.push_back(text.substr(i, end - i));
            i = end;
        }
    }
    return out;
}

long Number(const std::string& name, const std::string& value, long lo, long hi) {
    long v = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
    if (ec != std::errc() || end != value.data() + value.size() || v < lo || v > hi) {
        throw Bad{name + " must be a number from " + std::to_string(lo) + " to " + std::to_string(hi) + ", not \"" + value + "\""};
    }
    return v;
}

bool Switch(const std::string& name, const std::string& value) {
    const std::string v = UpperCase(value);
    if (v == "ON" || v == "YES" || v == "1") return true;
    if (v == "OFF" || v == "NO" || v == "0") return false;
    throw Bad{name + " must be on or off, not \"" + value + "\""};
}

void SetVariable(CabDirectives& d, const std::string& name, const std::string& value) {
    const std::string key = UpperCase(name);
    if (key == "COMPRESSIONTYPE") {
        const std::string v = UpperCase(value);
        if (v == "NONE") d.settings.method = kNone;
        else if (v == "MSZIP") d.settings.method = kMszip;
        else if (v == "LZX") d.settings.method = kLzx;
        else throw Bad{"CompressionType must be NONE, MSZIP or LZX, not \"" + value + "\""};
    } else if (key == "COMPRESSIONMEMORY") {
        d.settings.lzxWindowBits = static_cast<int>(Number(name, value, kLzxWindowMin, kLzxWindowMax));
    } else if (key == "COMPRESSIONLEVEL") {
        d.settings.level = static_cast<int>(Number(name, value, 1, 7));
    } else if (key == "FOLDERSIZETHRESHOLD") {
        const long v = Number(name, value, 0, kMaxFolderBytes);
        d.settings.folderThreshold = v == 0 ? kMaxFolderBytes : static_cast<std::uint32_t>(v);
    } else if (key == "CABINETNAMETEMPLATE") {
        if (value.empty()) throw Bad{"CabinetNameTemplate must not be empty"};
        d.cabinetName = value;
    } else if (key == "DISKDIRECTORYTEMPLATE") {
        d.diskDirectory = value;
    } else if (key == "CABINET") {
        d.cabinet = Switch(name, value);
    } else if (key == "COMPRESS") {
        d.compress = Switch(name, value);
    } else {
        throw Bad{"unknown variable " + name};
    }
}

void ParseSet(CabDirectives& d, const std::string& rest) {
    const std::size_t eq = rest.find('=');
    if (eq == std::string::npos) throw Bad{".Set needs Name=Value"};
    const std::string name = Trim(rest.substr(0, eq));
    std::string value = Trim(rest.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    SetVariable(d, name, value);
}

std::string BaseName(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

void ParseLine(CabDirectives& d, const std::string& line) {
    if (line.empty()) return;
    if (line[0] == '.') {
        const std::size_t word = std::min(line.find_first_of(" \t"), line.size());
        const std::string directive = UpperCase(line.substr(0, word));
        if (directive == ".SET") {
            ParseSet(d, line.substr(word));
        } else if (directive == ".OPTION" && UpperCase(Trim(line.substr(word))) == "EXPLICIT") {
            // Unknown variables are always errors here, which is what it asks for.
        } else {
            throw Bad{"unknown directive " + line.substr(0, word)};
        }
        return;
    }
    const std::vector<std::string> t = Tokens(line);
    if (t.size() > 2) throw Bad{"unexpected text after the file names: " + t[2]};
    if (t[0].empty()) throw Bad{"empty file name"};
    const std::string name = t.size() == 2 ? t[1] : BaseName(t[0]);
    if (name.empty() || name.find_first_of("\\/:") != std::string::npos) throw Bad{"not a plain file name: " + name};
    d.files.push_back(CabSource{t[0], name});
}

std::string Numbered(std::string s) {
    for (std::size_t at = s.find('*'); at != std::string::npos; at = s.find('*', at + 1)) s.replace(at, 1, "1");
    return s;
}

}  // namespace

CabDirectives ParseDirectives(const std::string& text) {
    CabDirectives d;
    std::size_t start = 0;
    for (int number = 1; start <= text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        try {
            ParseLine(d, Trim(StripComment(text.substr(start, end - start))));
        } catch (const Bad& bad) {
            throw Error(kErrTypeMismatch, "line " + std::to_string(number) + ": " + bad.message);
        }
        start = end + 1;
    }
    if (!d.compress) d.settings.method = kNone;
    return d;
}

std::string CabinetPath(const CabDirectives& d) {
    std::string dir = Numbered(d.diskDirectory);
    if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += '\\';
    return dir + Numbered(d.cabinetName);
}

}  // namespace quen::cab
