// QuenDriverSample.exe: a small window the driver's own end-to-end test drives.
// Its exit code tells the test what the window received:
//   OK      64 + colour + 4 * size + 16 * loud   (colour, size: item index, 3 for none)
//   Cancel  2,  closed by WM_CLOSE  3,  File > Exit  4
#include <windows.h>

#include <string>

namespace {

constexpr int kName = 101, kColour = 102, kSize = 103, kLoud = 104, kDisabled = 105, kStatus = 106, kTown = 107;
constexpr int kGreet = 201, kExit = 202;
constexpr int kNameLimit = 20;
constexpr char kTitle[] = "Driver Sample";

struct Layout {
    const char* cls;
    const char* text;
    int id;
    DWORD style;
    int x, y, w, h;
};

// Child order is tab order: each label comes right before the control it names.
constexpr Layout kControls[] = {
    {"Static", "&Name:", -1, SS_LEFT, 12, 14, 70, 18},
    {"Edit", "", kName, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 90, 12, 200, 22},
    {"Static", "&Colour:", -1, SS_LEFT, 12, 46, 70, 18},
    {"ComboBox", "", kColour, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 90, 44, 200, 120},
    {"Static", "&Town:", -1, SS_LEFT, 12, 78, 70, 18},
    {"ComboBox", "", kTown, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 90, 76, 200, 120},
    {"Static", "&Size:", -1, SS_LEFT, 12, 110, 70, 18},
    {"ListBox", "", kSize, WS_BORDER | WS_TABSTOP | LBS_NOTIFY, 90, 108, 200, 60},
    {"Button", "&Loud", kLoud, WS_TABSTOP | BS_AUTOCHECKBOX, 90, 176, 120, 20},
    {"Button", "Disabled", kDisabled, WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON, 12, 208, 80, 26},
    {"Static", "Ready", kStatus, SS_LEFT, 12, 246, 278, 18},
    {"Button", "OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 130, 208, 76, 26},
    {"Button", "Cancel", IDCANCEL, WS_TABSTOP | BS_PUSHBUTTON, 214, 208, 76, 26},
};

void AddItems(HWND combo, HWND town, HWND list) {
    for (const char* c : {"Red", "Green", "Blue"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c));
    for (const char* t : {"Bern", "Basel"}) SendMessageA(town, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t));
    for (const char* s : {"Small", "Medium", "Large"}) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
}

void CreateControls(HWND hwnd) {
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HINSTANCE inst = GetModuleHandleA(nullptr);
    for (const auto& c : kControls) {
        HWND h = CreateWindowExA(0, c.cls, c.text, WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, c.w, c.h, hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), inst, nullptr);
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    SendDlgItemMessageA(hwnd, kName, EM_LIMITTEXT, kNameLimit, 0);
    AddItems(GetDlgItem(hwnd, kColour), GetDlgItem(hwnd, kTown), GetDlgItem(hwnd, kSize));
}

std::string ItemText(HWND h, bool list) {
    LRESULT i = SendMessageA(h, list ? LB_GETCURSEL : CB_GETCURSEL, 0, 0);
    if (i < 0) return "none";
    char buf[64] = {};
    SendMessageA(h, list ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf));
    return buf;
}

int Index(HWND hwnd, int id, bool list) {
    LRESULT i = SendDlgItemMessageA(hwnd, id, list ? LB_GETCURSEL : CB_GETCURSEL, 0, 0);
    return i < 0 ? 3 : static_cast<int>(i);
}

// The status line proves the selection notifications reached the program.
void ShowStatus(HWND hwnd) {
    std::string s = "Colour: " + ItemText(GetDlgItem(hwnd, kColour), false) +
                    ", size: " + ItemText(GetDlgItem(hwnd, kSize), true);
    SetDlgItemTextA(hwnd, kStatus, s.c_str());
}

void OnOk(HWND hwnd) {
    char name[64] = {};
    GetDlgItemTextA(hwnd, kName, name, sizeof(name));
    if (name[0] == '\0') {
        MessageBoxA(hwnd, "Please type a name.", kTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    std::string text = std::string("Hello, ") + name + "!\nColour: " + ItemText(GetDlgItem(hwnd, kColour), false);
    MessageBoxA(hwnd, text.c_str(), "Driver Sample Result", MB_OK | MB_ICONINFORMATION);
    int loud = IsDlgButtonChecked(hwnd, kLoud) == BST_CHECKED ? 1 : 0;
    PostQuitMessage(64 + Index(hwnd, kColour, false) + 4 * Index(hwnd, kSize, true) + 16 * loud);
}

HMENU MakeMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kGreet, "&Greet\tCtrl+G");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, kExit, "E&xit");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    return bar;
}

void OnCommand(HWND hwnd, int id, int code) {
    if (id == IDOK) OnOk(hwnd);
    else if (id == kGreet) SetDlgItemTextA(hwnd, kStatus, "Greeted");
    else if (id == kExit) PostQuitMessage(4);
    else if (id == IDCANCEL) PostQuitMessage(2);
    else if ((id == kColour && code == CBN_SELCHANGE) || (id == kSize && code == LBN_SELCHANGE)) ShowStatus(hwnd);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE: CreateControls(hwnd); return 0;
        case WM_COMMAND: OnCommand(hwnd, LOWORD(wp), HIWORD(wp)); return 0;
        case WM_CLOSE: PostQuitMessage(3); return 0;
        default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int show) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "QuenDriverSample";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                CW_USEDEFAULT, CW_USEDEFAULT, 320, 330, nullptr, MakeMenu(), inst, nullptr);
    ShowWindow(hwnd, show);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(hwnd, &m)) continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    DestroyWindow(hwnd);
    return static_cast<int>(m.wParam);
}
