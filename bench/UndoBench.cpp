// What the undo record costs: a patch executable's package applied to real files in a
// temporary folder, with and without the record (wall time, the flushes included).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "maker/CompModule.h"
#include "maker/PackageLayout.h"
#include "platform/Files.h"
#include "runtime/PlatformPorts.h"
#include "runtime/RuntimeFakes.h"

using namespace quen;
using namespace quen::runtime;

namespace {

const std::string kRoot = "/tmp/quen-undo-bench";

void Put(const std::string& path, const std::string& data) { platform::WriteFileReplacing(path, data); }

std::string Random(size_t n, unsigned seed) {
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
    return s;
}

struct Patch {
    std::string name, script;
    std::vector<std::pair<std::string, std::string>> oldFiles, package;
};

// The demo's kinds: a patched executable, an added, a deleted, a byte-replaced, an INI
// and a renamed file, each small.
Patch Demo() {
    Patch p{"demo patch (6 small files)", "", {}, {}};
    const std::string app = Random(60000, 1), next = app.substr(0, 30000) + "NEW" + app.substr(30000);
    const Bytes diff = CompareBytes(Bytes(app.begin(), app.end()), Bytes(next.begin(), next.end()), {8, 1});
    p.oldFiles = {{"app.exe", app}, {"gone.txt", "bye"}, {"bytes.bin", "ABCDEF"}, {"conf.ini", "[Main]\r\nOld=1\r\n"},
                  {"ren.txt", "same"}};
    const Bytes ini = BuildIniBlock({"Main,Version,2"});
    p.package = {{"P1", std::string(diff.begin(), diff.end())}, {"P2", "added"}, {"P5", std::string(ini.begin(), ini.end())}};
    p.script = "ProcCount=6\r\n[Proc1]\r\nFile=app.exe\r\nAct=2\r\nDir=Me\r\n[Proc2]\r\nFile=added.txt\r\nAct=1\r\nDir=Me\r\n"
               "[Proc3]\r\nFile=gone.txt\r\nAct=4\r\nDir=Me\r\n[Proc4]\r\nFile=bytes.bin\r\nAct=3\r\nDONTChk=1\r\nCount=1\r\n"
               "BType1=3\r\nBRead1=2\r\nBNew1=5A\r\nDir=Me\r\n[Proc5]\r\nFile=conf.ini\r\nAct=5\r\nDir=Me\r\n"
               "[Proc6]\r\nFile=ren.txt\r\nAct=6\r\nNewName=renamed.txt\r\nDir=Me\r\n";
    return p;
}

// One 20 MB file replaced by the package's new version.
Patch Large() {
    return {"20 MB file added over its old version", "ProcCount=1\r\n[Proc1]\r\nFile=big.bin\r\nAct=1\r\nDir=Me\r\n",
            {{"big.bin", Random(20 << 20, 2)}}, {{"P1", Random(20 << 20, 3)}}};
}

// A release's many small files, each replaced: the record grows with every change.
Patch Many(int count) {
    Patch p{std::to_string(count) + " small files added over their old versions", "", {}, {}};
    p.script = "ProcCount=" + std::to_string(count) + "\r\n";
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        p.script += "[Proc" + n + "]\r\nFile=module-" + n + ".dll\r\nAct=1\r\nDir=Me\r\n";
        p.oldFiles.push_back({"module-" + n + ".dll", Random(2000, i)});
        p.package.push_back({"P" + n, Random(2000, i + count)});
    }
    return p;
}

double RunOnce(const Patch& p, bool record) {
    std::system(("rm -rf " + kRoot + " && mkdir -p " + kRoot + "/app " + kRoot + "/pkg " + kRoot + "/temp").c_str());
    for (auto& [name, data] : p.oldFiles) Put(kRoot + "/app/" + name, data);
    for (auto& [name, data] : p.package) Put(kRoot + "/pkg/" + name, data);
    Put(kRoot + "/pkg/Setup.ini", "[Setup]\r\n" + p.script.substr(0, p.script.find("\r\n") + 2) +
                                      "[Text]\r\nMakeBKFile=True\r\nShowRun=False\r\n" +
                                      p.script.substr(p.script.find("\r\n") + 2));
    std::system("sync");
    PlatformFiles files;
    AppIniFiles ini;
    fakes::MemoryRegistry registry;
    fakes::FakeSystem system;
    system.tempDir = kRoot + "/temp";
    fakes::FakeWindows windows;
    RuntimePorts ports{files, ini, registry, system, windows};
    RunRequest r{kRoot + "/pkg/Setup.ini", false, kRoot, "bench"};
    r.packageFolder = kRoot + "/pkg";
    r.meFolder = kRoot + "/app";
    r.undoRecord = record;
    const auto start = std::chrono::steady_clock::now();
    const RunOutcome outcome = RunScript(r, ports);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (outcome != RunOutcome::AllDone) std::fprintf(stderr, "%s: outcome %d\n", p.name.c_str(), static_cast<int>(outcome));
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    std::printf("| patch | without the record (ms) | with the record (ms) | ratio |\n|---|---|---|---|\n");
    for (const Patch& p : {Demo(), Large(), Many(500), Many(2000)}) {
        std::vector<double> without, with;
        for (int i = 0; i < runs; ++i) {
            without.push_back(RunOnce(p, false));
            with.push_back(RunOnce(p, true));
        }
        std::sort(without.begin(), without.end());
        std::sort(with.begin(), with.end());
        const double a = without[without.size() / 2], b = with[with.size() / 2];
        std::printf("| %s | %.1f (%.1f-%.1f) | %.1f (%.1f-%.1f) | %.2f |\n", p.name.c_str(), a, without.front(),
                    without.back(), b, with.front(), with.back(), b / a);
    }
    std::system(("rm -rf " + kRoot).c_str());
}
