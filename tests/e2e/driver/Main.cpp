// QuenDriver.exe: a test tool that drives other programs' windows as a person would.
#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "driver/Step.h"
#include "win/drive/Drive.h"

using namespace quen::driver;
using quen::drive::Failure;
using quen::drive::kExitUsage;
using quen::drive::Narrow;

namespace {

const char kUsage[] =
    "QuenDriver: drives the windows of other programs as a person would (test tool).\n"
    "Usage: QuenDriver.exe STEP [; STEP ...]   (each ';' a separate argument). Steps:\n"
    "  wait|gone TITLE [SEC]       until the window shows | is gone (SEC default 10)\n"
    "  list TITLE                  its controls: CLASS<TAB>ID<TAB>FLAGS<TAB>TEXT\n"
    "  text TITLE CONTROL          a control's text (a list box: its selected items)\n"
    "  press TITLE BUTTON | check TITLE CONTROL | close TITLE (WM_CLOSE)\n"
    "  type TITLE CONTROL TEXT     replace an edit box's text by typing TEXT\n"
    "  keys TITLE CONTROL TEXT     post TEXT's key presses to the control (down, char, up);\n"
    "                              {Enter}, {Esc}, {Del} and {Alt+x} name those keys\n"
    "  pick TITLE CONTROL ITEM     select the item with exactly this text (a tab\n"
    "                              control: the tab at position ITEM, 1 = first)\n"
    "  tool TITLE BUTTON           click a toolbar button by its caption\n"
    "  rows TITLE CONTROL          print a list view's rows: columns, then \"ghosted\"\n"
    "                              or \"plain\", tab-separated\n"
    "  select|open TITLE CONTROL TEXT  select | double-click the list view row whose\n"
    "                              first column is TEXT\n"
    "  panels TITLE                print the status bar's panels, one a line\n"
    "  drop TITLE CONTROL PATH...  drop files onto the control as from Explorer\n"
    "  msgbox TITLE                a message box's text\n"
    "  exited NAME [SEC]           wait for those running at the start to end; print codes\n"
    "Window options: --prefix or --contains (else the title is exact), --class NAME; an\n"
    "enabled window wins over a disabled one (a message box over its owner).\n"
    "CONTROL: #ID, Class:N (N-th of the class: Edit:2), a button's caption (\"&OK\" or\n"
    "\"OK\"), or the label before an edit, combo or list box (\"Name:\"). Steps wait for\n"
    "their window and control; a hidden or disabled control cannot be used.\n"
    "Exit codes: 0 done, 1 a step failed, 2 usage error, 3 timed out. Text is UTF-8.\n";

struct Shape {
    const wchar_t* verb;
    bool window;  // the first argument is a window title
    size_t minArgs, maxArgs;
};
constexpr Shape kShapes[] = {
    {L"wait", true, 0, 1},    {L"gone", true, 0, 1},    {L"list", true, 0, 0},   {L"text", true, 1, 1},
    {L"press", true, 1, 1},   {L"check", true, 1, 1},   {L"type", true, 2, 2},
    {L"pick", true, 2, 2},    {L"msgbox", true, 0, 0},  {L"close", true, 0, 0},  {L"exited", false, 1, 2},
    {L"tool", true, 1, 1},    {L"rows", true, 1, 1},    {L"select", true, 2, 2}, {L"panels", true, 0, 0},
    {L"drop", true, 2, 64},   {L"open", true, 2, 2},
    {L"keys", true, 2, 2},
};

[[noreturn]] void Usage(const std::string& message) { quen::drive::Fail(message, kExitUsage); }

Step Parse(const std::vector<std::wstring>& tokens) {
    Step step;
    std::vector<std::wstring> positional;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const auto& t = tokens[i];
        step.source += (step.source.empty() ? L"" : L" ") + (t.find(L' ') == t.npos && !t.empty() ? t : L"\"" + t + L"\"");
        if (t == L"--prefix") step.match = TitleMatch::Prefix;
        else if (t == L"--contains") step.match = TitleMatch::Contains;
        else if (t == L"--class" && i + 1 < tokens.size()) step.className = tokens[++i];
        else if (t.rfind(L"--", 0) == 0 && t.size() > 2) Usage("unknown option " + Narrow(t));
        else positional.push_back(t);
    }
    if (positional.empty()) Usage("empty step (two ';' in a row?)");
    step.verb = positional[0];
    for (const auto& s : kShapes) {
        if (step.verb != s.verb) continue;
        size_t first = s.window ? 2 : 1;
        if (positional.size() < first) Usage("step needs a window title: " + Narrow(step.source));
        if (s.window) step.title = positional[1];
        step.args.assign(positional.begin() + static_cast<long>(first), positional.end());
        if (step.args.size() < s.minArgs || step.args.size() > s.maxArgs)
            Usage("wrong number of arguments: " + Narrow(step.source));
        return step;
    }
    Usage("unknown step \"" + Narrow(step.verb) + "\" (run without arguments for help)");
}

// Every step is checked before any runs, so a typo fails before a window is touched.
std::vector<Step> ParseAll(const std::vector<std::wstring>& argv) {
    std::vector<Step> steps;
    std::vector<std::wstring> tokens;
    for (size_t i = 0; i <= argv.size(); ++i) {
        if (i < argv.size() && argv[i] != L";") tokens.push_back(argv[i]);
        else if (i < argv.size() || !tokens.empty()) steps.push_back(Parse(std::exchange(tokens, {})));
    }
    return steps;  // a trailing ";" is harmless
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::wstring> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == L"help" || args[0] == L"--help" || args[0] == L"/?") {
        std::fputs(kUsage, stdout);
        return args.empty() ? kExitUsage : 0;
    }
    size_t done = 0;
    std::vector<Step> steps;
    try {
        steps = ParseAll(args);
        for (auto& s : steps)
            if (s.verb == L"exited") OpenProcesses(s);
        for (; done < steps.size(); ++done) RunStep(steps[done]);
    } catch (const Failure& f) {
        if (done < steps.size())
            std::fprintf(stderr, "QuenDriver: step %zu (%s): %s\n", done + 1, Narrow(steps[done].source).c_str(),
                         f.message.c_str());
        else
            std::fprintf(stderr, "QuenDriver: %s\n", f.message.c_str());
        return f.exitCode;
    }
    return 0;
}
