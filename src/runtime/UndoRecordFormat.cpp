// The stored form of a run's undo record.
#include "runtime/UndoRecordFormat.h"

#include "base/Text.h"

namespace quen::runtime {

namespace {

constexpr const char* kHeader = "QuenlarkUndo 1";
constexpr const char* kHex = "0123456789ABCDEF";

std::string Escaped(const std::string& field) {
    std::string out;
    for (unsigned char c : field) {
        if (c == '\t' || c == '\r' || c == '\n' || c == '%') {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// Two hexadecimal digits per byte; nullopt for anything else.
std::optional<std::string> FromHex(const std::string& text, size_t from, size_t count) {
    std::string out;
    for (size_t k = 0; k < count; ++k) {
        const int hi = HexDigit(text[from + 2 * k]), lo = HexDigit(text[from + 2 * k + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

std::optional<std::string> Unescaped(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '%') {
            out += field[i];
            continue;
        }
        if (i + 2 >= field.size()) return std::nullopt;
        auto byte = FromHex(field, i + 1, 1);
        if (!byte) return std::nullopt;
        out += *byte;
        i += 2;
    }
    return out;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
    return out;
}

std::string StepLine(const UndoStep& s) {
    auto join = [](std::initializer_list<std::string> fields) {
        std::string line;
        for (const std::string& f : fields) line += (line.empty() ? "" : "\t") + f;
        return line;
    };
    switch (s.kind) {
        case UndoKind::Added: return join({"Added", Escaped(s.path)});
        case UndoKind::SetAside: return join({"SetAside", Escaped(s.path), Escaped(s.other), Escaped(s.backup)});
        case UndoKind::Renamed: return join({"Renamed", Escaped(s.path), Escaped(s.other)});
        case UndoKind::Ran: return join({"Ran", Escaped(s.path)});
        case UndoKind::Value: break;
    }
    if (s.absent) return join({"Value", HexText(s.hive), Escaped(s.subKey), Escaped(s.name), "-"});
    return join({"Value", HexText(s.hive), Escaped(s.subKey), Escaped(s.name), HexText(s.type), Hex(s.bytes)});
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (;;) {
        const size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at - from));
        if (at == std::string::npos) return parts;
        from = at + separator.size();
    }
}

std::optional<UndoStep> ReadStep(const std::string& line) {
    std::vector<std::string> f = Split(line, "\t");
    for (std::string& field : f) {
        auto plain = Unescaped(field);
        if (!plain) return std::nullopt;
        field = *plain;
    }
    UndoStep s;
    const std::string& kind = f[0];
    if ((kind == "Added" || kind == "Ran") && f.size() == 2) {
        s.kind = kind == "Added" ? UndoKind::Added : UndoKind::Ran;
        s.path = f[1];
        return s;
    }
    if (kind == "SetAside" && f.size() == 4) {
        s.kind = UndoKind::SetAside;
        s.path = f[1], s.other = f[2], s.backup = f[3];
        return s;
    }
    if (kind == "Renamed" && f.size() == 3) {
        s.kind = UndoKind::Renamed;
        s.path = f[1], s.other = f[2];
        return s;
    }
    if (kind != "Value" || (f.size() != 5 && f.size() != 6)) return std::nullopt;
    s.kind = UndoKind::Value;
    auto hive = ReadHexDigits(f[1]);
    if (!hive) return std::nullopt;
    s.hive = *hive, s.subKey = f[2], s.name = f[3];
    s.absent = f.size() == 5;
    if (s.absent) return f[4] == "-" ? std::optional<UndoStep>(s) : std::nullopt;
    auto type = ReadHexDigits(f[4]);
    if (!type || f[5].size() % 2 != 0) return std::nullopt;
    auto bytes = FromHex(f[5], 0, f[5].size() / 2);
    if (!bytes) return std::nullopt;
    s.type = *type, s.bytes = *bytes;
    return s;
}

}  // namespace

std::string WriteUndoRecord(const UndoRecordData& record) {
    std::string text = std::string(kHeader) + "\r\n" + Escaped(record.owner) + "\r\n";
    if (record.kept) text += "Kept\r\n";
    for (const UndoStep& s : record.steps) text += StepLine(s) + "\r\n";
    return text;
}

std::optional<UndoRecordData> ReadUndoRecord(const std::string& text) {
    std::vector<std::string> lines = Split(text, "\r\n");
    // Every line ends with CR LF, so a whole record splits into a last empty part.
    if (lines.size() < 3 || lines[0] != kHeader || !lines.back().empty()) return std::nullopt;
    lines.pop_back();
    UndoRecordData record;
    auto owner = Unescaped(lines[1]);
    if (!owner) return std::nullopt;
    record.owner = *owner;
    size_t at = 2;
    if (at < lines.size() && lines[at] == "Kept") record.kept = true, ++at;
    for (; at < lines.size(); ++at) {
        auto step = ReadStep(lines[at]);
        if (!step) return std::nullopt;
        record.steps.push_back(std::move(*step));
    }
    return record;
}

}  // namespace quen::runtime
