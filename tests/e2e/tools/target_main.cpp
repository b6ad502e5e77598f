// target.exe: the window the end-to-end suite types into.
//   target.exe LOGFILE [CAPTION [LEFT TOP]]
// A top-level window (class "ZavoraE2ETarget", caption "Zavora E2E Target" unless given,
// 480 x 320 pixels at 100, 100 unless given)
// with a menu bar and an edit box that holds the focus. Every message the suite asserts
// on is appended to LOGFILE as one line:
//   READY <hwnd> <edit hwnd> <pid>
//   CHAR <hex code> / SYSCHAR <hex code>             as received by the edit box or window
//   KEYDOWN|KEYUP|SYSKEYDOWN|SYSKEYUP <vk hex> <scan hex> <extended 0|1>
//   ENTERMENULOOP / INITMENU / EXITMENULOOP / SYSCOMMAND <hex>
//   FOCUS 1|0 (the edit box gained or lost the focus), ACTIVATE 1|0
// The label above the edit box shows whether the edit box has the focus.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "target_log.h"

namespace target {
namespace {

constexpr wchar_t kClassName[] = L"ZavoraE2ETarget";
constexpr int kLabelHeight = 24;

struct Target {
    EventLog log;
    HWND window = nullptr;
    HWND label = nullptr;
    HWND edit = nullptr;
};

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*x", digits, value);
    return text;
}

std::string KeyLine(const char* kind, WPARAM wParam, LPARAM lParam) {
    unsigned scan = (static_cast<unsigned>(lParam) >> 16) & 0xff;
    unsigned extended = (static_cast<unsigned>(lParam) >> 24) & 1;
    return std::string(kind) + " " + Hex(static_cast<unsigned>(wParam), 2) + " " + Hex(scan, 2) +
           " " + std::to_string(extended);
}

// Logs the keyboard messages of either window; returns false for any other message.
bool LogKeyboard(const Target& t, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR: t.log.write("CHAR " + Hex(static_cast<unsigned>(wParam), 4)); return true;
        case WM_SYSCHAR: t.log.write("SYSCHAR " + Hex(static_cast<unsigned>(wParam), 4)); return true;
        case WM_KEYDOWN: t.log.write(KeyLine("KEYDOWN", wParam, lParam)); return true;
        case WM_KEYUP: t.log.write(KeyLine("KEYUP", wParam, lParam)); return true;
        case WM_SYSKEYDOWN: t.log.write(KeyLine("SYSKEYDOWN", wParam, lParam)); return true;
        case WM_SYSKEYUP: t.log.write(KeyLine("SYSKEYUP", wParam, lParam)); return true;
        default: return false;
    }
}

void ShowFocus(const Target& t, bool editHasFocus) {
    SetWindowTextW(t.label, editHasFocus ? L"focus: edit box" : L"focus: elsewhere");
    t.log.write(editHasFocus ? "FOCUS 1" : "FOCUS 0");
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
    auto* t = reinterpret_cast<Target*>(data);
    LogKeyboard(*t, message, wParam, lParam);
    if (message == WM_SETFOCUS) ShowFocus(*t, true);
    if (message == WM_KILLFOCUS) ShowFocus(*t, false);
    return DefSubclassProc(edit, message, wParam, lParam);
}

HMENU BuildMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 101, L"&New");
    AppendMenuW(file, MF_STRING, 102, L"E&xit");
    HMENU edit = CreatePopupMenu();
    AppendMenuW(edit, MF_STRING, 201, L"&Undo");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
    return bar;
}

void Layout(const Target& t) {
    RECT client = {};
    GetClientRect(t.window, &client);
    MoveWindow(t.label, 4, 2, client.right - 8, kLabelHeight - 4, TRUE);
    MoveWindow(t.edit, 0, kLabelHeight, client.right, client.bottom - kLabelHeight, TRUE);
}

void Create(Target& t, HWND window) {
    t.window = window;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    t.label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window,
                              nullptr, instance, nullptr);
    t.edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL,
                             0, 0, 0, 0, window, reinterpret_cast<HMENU>(1), instance, nullptr);
    SetWindowSubclass(t.edit, EditProc, 1, reinterpret_cast<DWORD_PTR>(&t));
    Layout(t);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* t = reinterpret_cast<Target*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!t) return DefWindowProcW(window, message, wParam, lParam);
    LogKeyboard(*t, message, wParam, lParam);
    switch (message) {
        case WM_CREATE: Create(*t, window); return 0;
        case WM_SIZE: Layout(*t); return 0;
        case WM_SETFOCUS: SetFocus(t->edit); return 0;
        case WM_ACTIVATE: t->log.write(LOWORD(wParam) != WA_INACTIVE ? "ACTIVATE 1" : "ACTIVATE 0"); break;
        case WM_ENTERMENULOOP: t->log.write("ENTERMENULOOP"); break;
        case WM_EXITMENULOOP: t->log.write("EXITMENULOOP"); break;
        case WM_INITMENU: t->log.write("INITMENU"); break;
        case WM_SYSCOMMAND: t->log.write("SYSCOMMAND " + Hex(static_cast<unsigned>(wParam & 0xfff0), 4)); break;
        case WM_COMMAND:
            if (LOWORD(wParam) == 102) DestroyWindow(window);
            break;
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace
}  // namespace target

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    target::Target t{target::EventLog(argc > 1 ? argv[1] : L"")};
    std::wstring caption = argc > 2 ? argv[2] : L"Zavora E2E Target";
    int left = argc > 4 ? _wtoi(argv[3]) : 100;
    int top = argc > 4 ? _wtoi(argv[4]) : 100;

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = target::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = target::kClassName;
    RegisterClassExW(&wc);
    HWND window = CreateWindowExW(0, target::kClassName, caption.c_str(), WS_OVERLAPPEDWINDOW,
                                  left, top, 480, 320, nullptr, target::BuildMenu(), instance, &t);
    if (!window) return 1;
    ShowWindow(window, show == SW_HIDE ? SW_SHOWNORMAL : show);
    UpdateWindow(window);
    SetForegroundWindow(window);
    SetFocus(t.edit);
    t.log.write("READY " + std::to_string(reinterpret_cast<std::uintptr_t>(window)) + " " +
                std::to_string(reinterpret_cast<std::uintptr_t>(t.edit)) + " " +
                std::to_string(GetCurrentProcessId()));

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    LocalFree(argv);
    return 0;
}
