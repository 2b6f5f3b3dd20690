// Finding the top-level windows of other processes by their title.
#include "driver/TopWindows.h"

#include <sstream>

#include "driver/Clock.h"
#include "driver/Failure.h"
#include "driver/Text.h"

namespace quen::driver {

namespace {

constexpr UINT kAnswerMs = 5000;

bool TitleMatches(const WindowQuery& q, const std::wstring& title) {
    switch (q.match) {
        case TitleMatch::Exact: return title == q.title;
        case TitleMatch::Prefix: return title.compare(0, q.title.size(), q.title) == 0;
        case TitleMatch::Contains: return title.find(q.title) != std::wstring::npos;
    }
    return false;
}

std::wstring InternalText(HWND hwnd) {
    wchar_t buf[1024] = {};
    InternalGetWindowText(hwnd, buf, 1024);
    return buf;
}

struct Search {
    const WindowQuery* query;
    std::vector<HWND> enabled;
    std::vector<HWND> disabled;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId() || !IsWindowVisible(hwnd)) return TRUE;
    // The stored title needs no message, so a hung window cannot stall the search.
    if (!TitleMatches(*s->query, InternalText(hwnd))) return TRUE;
    if (!s->query->className.empty() && !SameNoCase(ClassOf(hwnd), s->query->className)) return TRUE;
    (IsWindowEnabled(hwnd) ? s->enabled : s->disabled).push_back(hwnd);
    return TRUE;
}

}  // namespace

std::string Describe(const WindowQuery& q) {
    std::ostringstream out;
    out << "window ";
    if (q.match == TitleMatch::Prefix) out << "titled starting with ";
    if (q.match == TitleMatch::Contains) out << "with a title containing ";
    out << '"' << Narrow(q.title) << '"';
    if (!q.className.empty()) out << " of class " << Narrow(q.className);
    return out.str();
}

std::vector<HWND> FindWindows(const WindowQuery& query) {
    Search s{&query, {}, {}};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));
    s.enabled.insert(s.enabled.end(), s.disabled.begin(), s.disabled.end());
    return s.enabled;
}

HWND WaitWindow(const WindowQuery& query, double seconds) {
    Deadline deadline(seconds);
    do {
        auto found = FindWindows(query);
        if (!found.empty()) return found.front();
    } while (deadline.Tick());
    std::ostringstream msg;
    msg << "timed out after " << seconds << " s waiting for " << Describe(query);
    FailTimeout(msg.str());
}

void WaitGone(const WindowQuery& query, double seconds) {
    Deadline deadline(seconds);
    do {
        if (FindWindows(query).empty()) return;
    } while (deadline.Tick());
    std::ostringstream msg;
    msg << "timed out after " << seconds << " s waiting for " << Describe(query) << " to disappear";
    FailTimeout(msg.str());
}

LRESULT SendOrFail(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wparam, lparam, SMTO_ABORTIFHUNG, kAnswerMs, &result)) {
        if (!IsWindow(hwnd)) Fail("the window closed while the driver was using it");
        std::ostringstream out;
        out << "window \"" << Narrow(InternalText(hwnd)) << "\" (class " << Narrow(ClassOf(hwnd))
            << ") does not answer (its program is busy or hung)";
        Fail(out.str());
    }
    return static_cast<LRESULT>(result);
}

std::wstring TextOf(HWND hwnd) {
    auto len = SendOrFail(hwnd, WM_GETTEXTLENGTH, 0, 0);
    if (len <= 0) return {};
    std::wstring text(static_cast<size_t>(len) + 1, L'\0');
    auto got = SendOrFail(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got < 0 ? 0 : got));
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t buf[256] = {};
    GetClassNameW(hwnd, buf, 256);
    return buf;
}

}  // namespace quen::driver
