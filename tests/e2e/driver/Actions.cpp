// Running the driver's steps: dispatch, the session steps and the window-level steps.
#include "driver/Actions.h"

#include <windows.h>

#include <cstdio>

#include "driver/Controls.h"
#include "driver/Failure.h"
#include "driver/Text.h"

namespace quen::driver {

namespace {

double SecondsArg(const Step& step, size_t index, double fallback) {
    if (step.args.size() <= index) return fallback;
    double s = 0;
    if (!ParseSeconds(step.args[index], s)) FailUsage("not a number of seconds: " + Narrow(step.args[index]));
    return s;
}

HWND FocusOf(HWND top) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::wstring Flags(const Control& c, HWND focus) {
    std::wstring f = c.visible ? L"visible" : L"hidden";
    f += c.enabled ? L",enabled" : L",disabled";
    LONG style = GetWindowLongW(c.hwnd, GWL_STYLE);
    if (SameNoCase(c.className, L"Button") && SendOrFail(c.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) f += L",checked";
    if (SameNoCase(c.className, L"Edit") && (style & ES_READONLY)) f += L",readonly";
    if (focus == c.hwnd || (focus != nullptr && GetParent(focus) == c.hwnd)) f += L",focused";
    return f;
}

void ListStep(const Step& step, const Session& session) {
    HWND top = WaitWindow(step.window, session.timeout);
    HWND focus = FocusOf(top);
    for (const auto& c : ListControls(top)) {
        PrintLine(c.className + L"\t" + std::to_wstring(c.id) + L"\t" + Flags(c, focus) + L"\t" + OneLine(c.text));
    }
}

bool IsPicture(HWND hwnd) {
    LONG type = GetWindowLongW(hwnd, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE;
}

// A message box's text is its static text; the icon is a static too, without text.
void MsgboxStep(const Step& step, const Session& session) {
    WindowQuery q = step.window;
    if (q.className.empty()) q.className = L"#32770";
    HWND box = WaitWindow(q, session.timeout);
    std::wstring text;
    for (const auto& c : ListControls(box)) {
        if (!SameNoCase(c.className, L"Static") || c.text.empty() || IsPicture(c.hwnd)) continue;
        if (!text.empty()) text += L"\n";
        text += c.text;
    }
    PrintLine(UnixLines(text));
}

}  // namespace

void PrintLine(const std::wstring& text) {
    std::string line = Narrow(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

void RunWindowStep(const Step& step, Session& session) {
    const auto& v = step.verb;
    if (v == L"wait") WaitWindow(step.window, SecondsArg(step, 0, session.timeout));
    else if (v == L"gone") WaitGone(step.window, SecondsArg(step, 0, session.timeout));
    else if (v == L"list") ListStep(step, session);
    else if (v == L"msgbox") MsgboxStep(step, session);
    else if (v == L"close") PostMessageW(WaitWindow(step.window, session.timeout), WM_CLOSE, 0, 0);
    else RunControlStep(step, session);
}

void RunStep(const Step& step, Session& session) {
    const auto& v = step.verb;
    if (v == L"exited") WaitProcessExit(step.args[0], SecondsArg(step, 1, session.timeout));
    else RunWindowStep(step, session);
}

}  // namespace quen::driver
