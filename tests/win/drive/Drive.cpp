// Window driving shared by the end-to-end driver and the in-process dialog watcher.
#include "win/drive/Drive.h"

#include <cwctype>

namespace quen::drive {

namespace {

constexpr UINT kAnswerMs = 30000;

BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

bool IsCombo(const std::wstring& cls) { return SameNoCase(cls, L"ComboBox"); }

bool InsideCombo(HWND hwnd, HWND top) {
    for (HWND p = GetParent(hwnd); p != nullptr && p != top; p = GetParent(p)) {
        if (IsCombo(ClassOf(p))) return true;
    }
    return false;
}

// A label as it names the control after it: "&Name:" and "Name" are the same label.
std::wstring LabelKey(const std::wstring& label) {
    std::wstring key = StripMnemonic(label);
    while (!key.empty() && (key.back() == L':' || key.back() == L' ')) key.pop_back();
    return key;
}

bool IsPicture(HWND hwnd) {
    LONG type = GetWindowLongW(hwnd, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE;
}

HWND ById(const std::vector<Control>& controls, const std::wstring& selector) {
    if (selector.size() < 2 || selector[0] != L'#') return nullptr;
    wchar_t* end = nullptr;
    long id = std::wcstol(selector.c_str() + 1, &end, 10);
    for (const auto& c : controls) {
        if (*end == L'\0' && c.id == id) return c.hwnd;
    }
    return nullptr;
}

// "Edit:2" only when some control has that class, so a label such as "Size:2" still works.
HWND ByOrder(const std::vector<Control>& controls, const std::wstring& selector) {
    auto colon = selector.rfind(L':');
    if (colon == std::wstring::npos || colon + 1 == selector.size()) return nullptr;
    wchar_t* end = nullptr;
    long n = std::wcstol(selector.c_str() + colon + 1, &end, 10);
    if (*end != L'\0' || n <= 0) return nullptr;
    for (const auto& c : controls) {
        if (SameNoCase(c.className, selector.substr(0, colon)) && --n == 0) return c.hwnd;
    }
    return nullptr;
}

HWND ByLabel(const std::vector<Control>& controls, const std::wstring& label, ControlKind kind) {
    std::wstring key = LabelKey(label);
    for (size_t i = 0; i < controls.size(); ++i) {
        const auto& cls = controls[i].className;
        if (!(SameNoCase(cls, L"Static") || SameNoCase(cls, L"Button")) || LabelKey(controls[i].text) != key) continue;
        for (size_t j = i + 1; j < controls.size(); ++j) {
            if (IsKind(controls[j].className, kind)) return controls[j].hwnd;
        }
    }
    return nullptr;
}

}  // namespace

void Fail(const std::string& message, int exitCode) { throw Failure{exitCode, message}; }

std::string Narrow(const std::wstring& wide, UINT codePage) {
    int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

bool SameNoCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    }
    return true;
}

std::wstring StripMnemonic(const std::wstring& caption) {
    std::wstring out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;  // "&x" shows x, "&&" shows &
        out += caption[i];
    }
    return out;
}

std::wstring UnixLines(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r' || i + 1 == text.size() || text[i + 1] != L'\n') out += text[i];
    }
    return out;
}

bool Deadline::Tick() const {
    if (GetTickCount64() >= end) return false;
    Sleep(50);
    return true;
}

LRESULT SendOrFail(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wparam, lparam, SMTO_NORMAL, kAnswerMs, &result)) {
        if (!IsWindow(hwnd)) Fail("the window closed while the driver was using it");
        Fail("window of class " + Narrow(ClassOf(hwnd)) + " does not answer (its program is busy or hung)");
    }
    return static_cast<LRESULT>(result);
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t buf[256] = {};
    GetClassNameW(hwnd, buf, 256);
    return buf;
}

std::wstring TextOf(HWND hwnd) {
    auto len = SendOrFail(hwnd, WM_GETTEXTLENGTH, 0, 0);
    if (len <= 0) return {};
    std::wstring text(static_cast<size_t>(len) + 1, L'\0');
    auto got = SendOrFail(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got < 0 ? 0 : got));
    return text;
}

std::vector<HWND> TopWindows(const std::function<bool(HWND)>& wanted) {
    std::vector<HWND> all, disabled, out;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
    for (HWND hwnd : all) {
        if (IsWindowVisible(hwnd) && wanted(hwnd)) (IsWindowEnabled(hwnd) ? out : disabled).push_back(hwnd);
    }
    out.insert(out.end(), disabled.begin(), disabled.end());
    return out;
}

std::vector<Control> ListControls(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
    std::vector<Control> out;
    for (HWND h : children) {
        if (!InsideCombo(h, window)) out.push_back(Control{h, ClassOf(h), GetDlgCtrlID(h), TextOf(h)});
    }
    return out;
}

bool IsKind(const std::wstring& cls, ControlKind kind) {
    bool edit = SameNoCase(cls, L"Edit") || SameNoCase(cls.substr(0, 8), L"RichEdit");
    bool choice = IsCombo(cls) || SameNoCase(cls, L"ListBox") || SameNoCase(cls, L"SysTabControl32");
    switch (kind) {
        case ControlKind::Button: return SameNoCase(cls, L"Button");
        case ControlKind::Editable: return edit || IsCombo(cls);
        case ControlKind::Choice: return choice;
        case ControlKind::Readable: return edit || choice;
    }
    return false;
}

HWND FindControl(const std::vector<Control>& controls, const std::wstring& selector, ControlKind kind) {
    if (HWND h = ById(controls, selector)) return h;
    if (HWND h = ByOrder(controls, selector)) return h;
    if (kind != ControlKind::Button) {
        if (HWND h = ByLabel(controls, selector, kind)) return h;
    }
    for (const auto& c : controls) {
        bool kindFits = kind == ControlKind::Readable || (kind == ControlKind::Button && IsKind(c.className, kind));
        if (kindFits && (c.text == selector || StripMnemonic(c.text) == StripMnemonic(selector))) return c.hwnd;
    }
    return nullptr;
}

std::string Summary(const std::vector<Control>& controls) {
    std::string out;
    for (const auto& c : controls) {
        out += (out.empty() ? "" : ", ") + Narrow(c.className) + " #" + std::to_string(c.id) + " \"" +
               Narrow(UnixLines(c.text)) + "\"";
    }
    return out.empty() ? "no controls" : out;
}

std::wstring MessageText(HWND box) {
    std::wstring text;
    for (const auto& c : ListControls(box)) {
        if (!SameNoCase(c.className, L"Static") || c.text.empty() || IsPicture(c.hwnd)) continue;
        text += (text.empty() ? L"" : L"\n") + c.text;
    }
    return text;
}

void Click(HWND control) { PostMessageW(control, BM_CLICK, 0, 0); }

}  // namespace quen::drive
