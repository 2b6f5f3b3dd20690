// QuenDriver.exe: a test tool that drives other programs' windows as a person would.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver/Actions.h"
#include "driver/Failure.h"
#include "driver/Steps.h"
#include "driver/Text.h"

using namespace quen::driver;

namespace {

int Run(const std::vector<std::wstring>& args) {
    std::vector<Step> steps;
    try {
        steps = ParseSteps(args);
    } catch (const Failure& f) {
        std::fprintf(stderr, "QuenDriver: %s\n", f.message.c_str());
        return f.exitCode;
    }
    Session session;
    for (size_t i = 0; i < steps.size(); ++i) {
        try {
            RunStep(steps[i], session);
        } catch (const Failure& f) {
            std::fprintf(stderr, "QuenDriver: step %zu (%s): %s\n", i + 1, Narrow(steps[i].source).c_str(),
                         f.message.c_str());
            return f.exitCode;
        }
    }
    return kExitOk;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::wstring> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == L"help" || args[0] == L"--help" || args[0] == L"/?") {
        std::fputs(kUsage, stdout);
        return args.empty() ? kExitUsage : kExitOk;
    }
    return Run(args);
}
