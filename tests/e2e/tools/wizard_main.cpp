// wizard.exe: a stand-in for the installer's wizard window, which the language picker
// covers while it is up.
//   wizard.exe LEFT TOP WIDTH HEIGHT
// A dialog window of the system's dialog class with the installer's caption "Setup -
// Kelvra Zavora" at that place and size; it stays until it is closed or ended.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

namespace {

// An empty dialog template: DLGTEMPLATE followed by three empty arrays (menu, class, title).
struct EmptyDialog {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        DestroyWindow(dialog);
        return TRUE;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return FALSE;
}

int Argument(int argc, wchar_t** argv, int index, int fallback) {
    return index < argc ? static_cast<int>(std::wcstol(argv[index], nullptr, 10)) : fallback;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    EmptyDialog page{};
    page.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    HWND dialog = CreateDialogIndirectParamW(instance, &page.header, nullptr, DialogProc, 0);
    if (dialog == nullptr) return 1;
    SetWindowTextW(dialog, L"Setup - Kelvra Zavora");
    SetWindowPos(dialog, nullptr, Argument(argc, argv, 1, 150), Argument(argc, argv, 2, 120),
                 Argument(argc, argv, 3, 500), Argument(argc, argv, 4, 390), SWP_NOZORDER);
    ShowWindow(dialog, SW_SHOW);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(dialog, &msg)) DispatchMessageW(&msg);
    }
    return 0;
}
