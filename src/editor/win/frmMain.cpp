// The editor's main window.
#include "editor/win/frmMain.h"

#include "editor/MainCaption.h"
#include "options/win/WavePlayer.h"
#include "startup/ProgramInfo.h"

namespace quen {
namespace {

constexpr const char* kClassName = "QuenlarkMain";

bool RegisterWindowClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXA wc{};
    if (GetClassInfoExA(instance, kClassName, &wc)) return true;
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassExA(&wc) != 0;
}

}  // namespace

frmMain::frmMain(Program& program) : program_(program) {}

frmMain::~frmMain() {
    if (hwnd_) DestroyWindow(hwnd_);
}

std::string frmMain::Caption() const {
    return MainWindowCaption(kProgramName, "", program_.lang.Str_Untitle_Project());
}

bool frmMain::Show(int showCommand) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterWindowClass(instance, &frmMain::WindowProc)) return false;
    hwnd_ = CreateWindowExA(0, kClassName, Caption().c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            640, 480, nullptr, nullptr, instance, this);
    if (!hwnd_) return false;
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    return true;
}

void frmMain::PlayOpenWave() { PlayWaveAsync(program_.settings.WAVE_Open); }

LRESULT CALLBACK frmMain::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmMain*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<frmMain*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return self ? self->OnMessage(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT frmMain::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            PlayWaveAndWait(program_.settings.WAVE_End);
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace quen
