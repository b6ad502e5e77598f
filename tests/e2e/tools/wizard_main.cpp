// wizard.exe: a stand-in for the installer's wizard, which the language picker covers
// while it is up.
//   wizard.exe LEFT TOP WIDTH HEIGHT
// A window of the system's dialog class captioned "Setup - Kelvra Zavora" at that place
// and size; it stays until it is ended.
#include <windows.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 5) return 2;
    HWND wizard = CreateWindowExW(0, MAKEINTATOM(32770), L"Setup - Kelvra Zavora",
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, _wtoi(argv[1]), _wtoi(argv[2]),
                                  _wtoi(argv[3]), _wtoi(argv[4]), nullptr, nullptr, nullptr, nullptr);
    MSG msg{};
    while (wizard && GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return wizard ? 0 : 1;
}
