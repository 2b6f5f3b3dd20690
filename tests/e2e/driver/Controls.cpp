// The controls of a window and finding one by selector.
#include "driver/Controls.h"

#include "driver/Text.h"
#include "driver/TopWindows.h"

namespace quen::driver {

namespace {

bool IsCombo(const std::wstring& cls) { return SameNoCase(cls, L"ComboBox"); }

bool InsideCombo(HWND hwnd, HWND top) {
    for (HWND p = GetParent(hwnd); p != nullptr && p != top; p = GetParent(p)) {
        if (IsCombo(ClassOf(p))) return true;
    }
    return false;
}

struct Enum {
    HWND top;
    std::vector<HWND> found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
    auto* e = reinterpret_cast<Enum*>(param);
    if (!InsideCombo(hwnd, e->top)) e->found.push_back(hwnd);
    return TRUE;
}

bool IsLabelClass(const std::wstring& cls) { return SameNoCase(cls, L"Static") || SameNoCase(cls, L"Button"); }

HWND ById(const std::vector<Control>& controls, const std::wstring& digits) {
    unsigned long id = 0;
    if (!ParseCount(digits, id)) return nullptr;
    for (const auto& c : controls) {
        if (static_cast<unsigned long>(c.id) == id) return c.hwnd;
    }
    return nullptr;
}

// "Edit:2": only when some control has that class, so a label such as "Size:2" still works.
HWND ByOrder(const std::vector<Control>& controls, const std::wstring& selector) {
    auto colon = selector.rfind(L':');
    unsigned long n = 0;
    if (colon == std::wstring::npos || !ParseCount(selector.substr(colon + 1), n) || n == 0) return nullptr;
    std::wstring cls = selector.substr(0, colon);
    unsigned long seen = 0;
    for (const auto& c : controls) {
        if (SameNoCase(c.className, cls) && ++seen == n) return c.hwnd;
    }
    return nullptr;
}

HWND ByCaption(const std::vector<Control>& controls, const std::wstring& caption, ControlKind kind) {
    for (const auto& c : controls) {
        if (IsKind(c.className, kind) && SameCaption(c.text, caption)) return c.hwnd;
    }
    return nullptr;
}

HWND ByLabel(const std::vector<Control>& controls, const std::wstring& label, ControlKind kind) {
    std::wstring key = LabelKey(label);
    for (size_t i = 0; i < controls.size(); ++i) {
        if (!IsLabelClass(controls[i].className) || LabelKey(controls[i].text) != key) continue;
        for (size_t j = i + 1; j < controls.size(); ++j) {
            if (IsKind(controls[j].className, kind)) return controls[j].hwnd;
        }
    }
    return nullptr;
}

}  // namespace

bool IsKind(const std::wstring& cls, ControlKind kind) {
    bool edit = SameNoCase(cls, L"Edit") || cls.rfind(L"RichEdit", 0) == 0 || cls.rfind(L"RICHEDIT", 0) == 0;
    bool choice = IsCombo(cls) || SameNoCase(cls, L"ListBox");
    switch (kind) {
        case ControlKind::Button: return SameNoCase(cls, L"Button");
        case ControlKind::Editable: return edit || IsCombo(cls);
        case ControlKind::Choice: return choice;
        case ControlKind::Readable: return edit || choice;
    }
    return false;
}

std::vector<Control> ListControls(HWND window) {
    Enum e{window, {}};
    EnumChildWindows(window, Visit, reinterpret_cast<LPARAM>(&e));
    std::vector<Control> out;
    for (HWND h : e.found) {
        out.push_back(Control{h, ClassOf(h), GetDlgCtrlID(h), TextOf(h), IsWindowVisible(h) != FALSE,
                              IsWindowEnabled(h) != FALSE});
    }
    return out;
}

HWND FindControl(const std::vector<Control>& controls, const std::wstring& selector, ControlKind kind) {
    if (selector.size() > 1 && selector[0] == L'#') {
        if (HWND h = ById(controls, selector.substr(1))) return h;
    }
    if (HWND h = ByOrder(controls, selector)) return h;
    if (kind == ControlKind::Button) return ByCaption(controls, selector, kind);
    if (HWND h = ByLabel(controls, selector, kind)) return h;
    // A check box or static text can be read by its own caption.
    if (kind == ControlKind::Readable) {
        for (const auto& c : controls) {
            if (SameCaption(c.text, selector)) return c.hwnd;
        }
    }
    return nullptr;
}

std::string Summary(const std::vector<Control>& controls) {
    std::string out;
    for (const auto& c : controls) {
        if (!out.empty()) out += ", ";
        out += Narrow(c.className) + " #" + std::to_string(c.id) + " \"" + Narrow(OneLine(c.text)) + "\"";
    }
    return out.empty() ? "no controls" : out;
}

}  // namespace quen::driver
