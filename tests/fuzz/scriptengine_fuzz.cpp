// Fuzzes the patch engine with whole scripts on an in-memory machine: any script runs to an
// outcome without crashing, a refused or cancelled script changes nothing, and files in a
// folder that refuses writes keep their content.
//
// Input: one flag byte (1 resumed run, 2 read-only patch folder, 4 full disk, 8 cancel the
// first window), then the script text, a NUL, and the content of the target file app.bin.
#include <string>

#include "fuzz/FuzzInput.h"
#include "runtime/RunSequence.h"
#include "runtime/RuntimeFakes.h"

using namespace quen::runtime;
using namespace quen::runtime::fakes;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 8192) return 0;
    const unsigned flags = data[0];
    std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t nul = rest.find('\0');
    const std::string script = rest.substr(0, nul);
    const std::string target = nul == std::string::npos ? "MZ\x90\x00" : rest.substr(nul + 1);

    FakeMachine m;
    m.ini.budget = 5000;
    m.fs.Put("C:\\PATCH\\fix.qnl", script);
    m.fs.Put("C:\\PATCH\\app.bin", target);
    m.fs.Put("C:\\PATCH\\app.ini", "[Main]\r\nA=1");
    m.fs.Put("C:\\WINDOWS\\win.ini", "[windows]\r\nload=");
    m.reg.SetValue(kHiveCurrentUser, "Software\\T", "Str", 1, "s");
    m.reg.SetValue(kHiveCurrentUser, "Software\\T", "Bin", 3, "1,2,3");
    m.win.askAnswers = {"C:\\PATCH", "C:\\WINDOWS", ""};
    if (flags & 2) m.fs.readOnly.insert("C:\\PATCH");
    if (flags & 4) m.fs.capacity = m.fs.Used() + 16;
    if (flags & 8) m.win.cancelIn = {WindowMode::Welcome, WindowMode::Information};
    const auto filesBefore = m.fs.files;
    const auto registryBefore = m.reg.values;

    const RunOutcome r = RunScript({"C:\\PATCH\\fix.qnl", (flags & 1) != 0, "C:\\Q", "Quenlark"}, m.ports);

    const int code = static_cast<int>(r);
    quen::fuzz::Require((code >= 0 && code <= 3) || r == RunOutcome::RestartNeeded);
    quen::fuzz::Require(r != RunOutcome::CancelledOrBad || (m.fs.files == filesBefore && m.reg.values == registryBefore));
    for (const auto& [path, content] : filesBefore)
        quen::fuzz::Require(!(flags & 2) || path.rfind("C:\\PATCH\\", 0) != 0 || m.fs.files[path] == content);
    return 0;
}
