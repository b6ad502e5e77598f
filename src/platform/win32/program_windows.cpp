#include "platform/win32/program_windows.h"

#include <windows.h>

namespace kz::win32 {
namespace {

BOOL CALLBACK FindProgramWindow(HWND window, LPARAM found) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    if (std::wstring_view(name, static_cast<std::size_t>(length)).starts_with(kProgramClassPrefix)) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

// Counting by class (not "any window of the thread") ignores the windows the system
// makes on its own for a GUI thread, such as the IME window.
bool AnyProgramWindowLeft() {
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), FindProgramWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace kz::win32
