// target.exe: the window the end-to-end suite types into.
//   target.exe LOGFILE CAPTION LEFT TOP
// A 480 x 320 top-level window (class "ZavoraE2ETarget") with a menu bar and an edit box
// that holds the focus. What the suite asserts on is appended to LOGFILE, one line each:
//   READY <hwnd> <edit hwnd> <pid>
//   CHAR <hex code> / SYSCHAR <hex code>   as received by the edit box or the window
//   ENTERMENULOOP / INITMENU               the menu bar was entered
// The file is opened for every line, so a test may empty it and the next line still
// lands at its new start.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

struct Target {
    std::wstring logPath;
    HWND edit = nullptr;

    void log(const std::string& line) const {
        HANDLE file = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE |
                                  FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        DWORD written = 0;
        WriteFile(file, (line + "\n").data(), static_cast<DWORD>(line.size() + 1), &written, nullptr);
        CloseHandle(file);
    }
    void logCharacter(UINT message, WPARAM code) const {
        char text[32];
        std::snprintf(text, sizeof text, "%s %04x", message == WM_CHAR ? "CHAR" : "SYSCHAR",
                      static_cast<unsigned>(code));
        if (message == WM_CHAR || message == WM_SYSCHAR) log(text);
    }
};

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
    reinterpret_cast<const Target*>(data)->logCharacter(message, wParam);
    return DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* t = reinterpret_cast<Target*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!t) return DefWindowProcW(window, message, wParam, lParam);
    t->logCharacter(message, wParam);
    switch (message) {
        case WM_CREATE:
            t->edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE |
                                      ES_AUTOVSCROLL, 0, 0, 0, 0, window, nullptr, nullptr, nullptr);
            SetWindowSubclass(t->edit, EditProc, 1, reinterpret_cast<DWORD_PTR>(t));
            return 0;
        case WM_SIZE:
            MoveWindow(t->edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_SETFOCUS: SetFocus(t->edit); return 0;
        case WM_ENTERMENULOOP: t->log("ENTERMENULOOP"); break;
        case WM_INITMENU: t->log("INITMENU"); break;
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HMENU MenuBar() {
    HMENU bar = CreateMenu(), file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 100, L"&New");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    return bar;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 5) return 2;
    Target t{argv[1]};
    WNDCLASSEXW wc = {sizeof wc};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"ZavoraE2ETarget";
    RegisterClassExW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, argv[2], WS_OVERLAPPEDWINDOW, _wtoi(argv[3]),
                                  _wtoi(argv[4]), 480, 320, nullptr, MenuBar(), instance, &t);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    SetFocus(t.edit);
    t.log("READY " + std::to_string(reinterpret_cast<std::uintptr_t>(window)) + " " +
          std::to_string(reinterpret_cast<std::uintptr_t>(t.edit)) + " " +
          std::to_string(GetCurrentProcessId()));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
