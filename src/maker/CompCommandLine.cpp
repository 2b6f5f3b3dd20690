// The QuenDiff commands.
#include "maker/CompCommandLine.h"

#include <charconv>

#include "base/Errors.h"
#include "maker/ApplyDifference.h"
#include "maker/CompModule.h"
#include "maker/RLEModuleX.h"
#include "platform/Files.h"

namespace quen {
namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  QuenDiff encode OLD NEW DIFF [--sample S] [--move M] [--mode quick|thorough|compact]\n"
    "                                (defaults 64, 4 and quick; thorough and compact ignore S and M)\n"
    "  QuenDiff apply OLD DIFF NEW\n"
    "  QuenDiff rle-pack IN OUT\n"
    "  QuenDiff rle-unpack IN OUT\n"
    "DIFF holds the difference data followed by the CRC-32 of the new file (4 bytes);\n"
    "compact data carries that CRC-32 in its header and is written as it is.\n";

// A failure with its message; the command stops and nothing is written.
struct Failure {
    int status;
    std::string message;
};

std::string ErrorText(int number, const std::string& path) {
    switch (number) {
        case kErrFileNotFound: return "file not found: " + path;
        case kErrPermissionDenied: return "permission denied: " + path;
        case kErrDiskFull: return "disk full while writing " + path;
        case kErrPathFileAccess: return "cannot access " + path;
        default: return "error " + std::to_string(number) + " with " + path;
    }
}

void Write(const std::string& path, const Bytes& bytes) {
    const std::string data(bytes.begin(), bytes.end());
    if (const int e = platform::WriteFileReplacing(path, data)) throw Failure{kQuenDiffFailed, ErrorText(e, path)};
}

std::int64_t Number(const std::string& option, const std::string& text) {
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) {
        throw Failure{kQuenDiffUsage, option + " needs a whole number, not \"" + text + "\""};
    }
    return v;
}

CompMode ModeNamed(const std::string& name) {
    if (name == "quick") return CompMode::Quick;
    if (name == "thorough") return CompMode::Thorough;
    if (name == "compact") return CompMode::Compact;
    throw Failure{kQuenDiffUsage, "--mode is quick, thorough or compact, not \"" + name + "\""};
}

CompTuning Tuning(const std::vector<std::string>& a) {
    CompTuning t;
    for (std::size_t i = 4; i < a.size(); i += 2) {
        if (i + 1 >= a.size()) throw Failure{kQuenDiffUsage, a[i] + " needs a value"};
        if (a[i] == "--sample") {
            t.defaultSample = Number(a[i], a[i + 1]);
        } else if (a[i] == "--move") {
            t.moveSize = Number(a[i], a[i + 1]);
        } else if (a[i] == "--mode") {
            t.mode = ModeNamed(a[i + 1]);
        } else {
            throw Failure{kQuenDiffUsage, "unknown option " + a[i]};
        }
    }
    return t.Sanitized();
}

std::string ReadText(const std::string& path) {
    std::string data;
    if (const int e = platform::ReadWholeFile(path, data)) throw Failure{kQuenDiffFailed, ErrorText(e, path)};
    return data;
}

void Encode(const std::vector<std::string>& a, std::ostream& out) {
    const CompTuning t = Tuning(a);
    const std::string oldFile = ReadText(a[1]), newFile = ReadText(a[2]);
    Bytes diff;
    try {
        diff = CompareBytes(ViewOf(oldFile), ViewOf(newFile), t);
        if (t.mode != CompMode::Compact) diff = DifferenceFile(std::move(diff), ViewOf(newFile));
    } catch (const Error& e) {
        throw Failure{kQuenDiffFailed, e.what()};
    }
    Write(a[3], diff);
    if (t.mode == CompMode::Compact) {
        out << a[3] << ": " << diff.size() << " bytes of compact difference data for " << newFile.size()
            << " new bytes\n";
        return;
    }
    out << a[3] << ": " << diff.size() - 4 << " bytes of difference data and its checksum for " << newFile.size()
        << " new bytes (";
    if (t.mode == CompMode::Thorough) {
        out << "thorough)\n";
    } else {
        out << "sample " << t.defaultSample << ", move " << t.moveSize << ")\n";
    }
}

void Apply(const std::vector<std::string>& a, std::ostream& out) {
    const std::string oldFile = ReadText(a[1]), diff = ReadText(a[2]);
    const ApplyResult r = ApplyDifferenceFile(ViewOf(oldFile), ViewOf(diff));
    if (!r.Ok()) throw Failure{kQuenDiffFailed, a[2] + ": " + ApplyFaultText(r.fault)};
    Write(a[3], r.newFile);
    out << a[3] << ": " << r.newFile.size() << " bytes rebuilt\n";
}

void Pack(const std::vector<std::string>& a, std::ostream& out) {
    const std::string input = ReadText(a[1]);
    Bytes packed;
    try {
        packed = RlePackContainer(ViewOf(input));
    } catch (const Error& e) {
        throw Failure{kQuenDiffFailed, a[1] + ": " + e.what()};
    }
    Write(a[2], packed);
    out << a[2] << ": " << input.size() << " bytes packed into " << packed.size() << "\n";
}

void Unpack(const std::vector<std::string>& a, std::ostream& out) {
    const std::string packed = ReadText(a[1]);
    Bytes data;
    try {
        data = RleUnpackContainer(ViewOf(packed));
    } catch (const Error& e) {
        throw Failure{kQuenDiffFailed, a[1] + ": " + e.what()};
    }
    Write(a[2], data);
    out << a[2] << ": " << data.size() << " bytes unpacked\n";
}

void Dispatch(const std::vector<std::string>& a, std::ostream& out) {
    const std::string command = a.empty() ? "" : a[0];
    if (command == "encode" && a.size() >= 4 && a.size() % 2 == 0) return Encode(a, out);
    if (command == "encode" && a.size() >= 4) throw Failure{kQuenDiffUsage, a.back() + " needs a value"};
    if (command == "apply" && a.size() == 4) return Apply(a, out);
    if (command == "rle-pack" && a.size() == 3) return Pack(a, out);
    if (command == "rle-unpack" && a.size() == 3) return Unpack(a, out);
    throw Failure{kQuenDiffUsage, command.empty() ? "no command" : "wrong arguments for \"" + command + "\""};
}

}  // namespace

int RunQuenDiff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        Dispatch(args, out);
        return kQuenDiffOk;
    } catch (const Failure& f) {
        err << "QuenDiff: " << f.message << "\n";
        if (f.status == kQuenDiffUsage) err << kUsage;
        return f.status;
    } catch (const std::bad_alloc&) {
        err << "QuenDiff: not enough memory\n";
        return kQuenDiffFailed;
    }
}

}  // namespace quen
