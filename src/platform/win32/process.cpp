#include "platform/win32/process.h"

#include <windows.h>

#include <deque>
#include <functional>

#include "platform/win32/dialog_keys.h"
#include "platform/win32/program_windows.h"
#include "platform/win32/wide_text.h"

namespace kz::win32 {

std::wstring ArgumentsOf(const wchar_t* commandLine) {
    if (commandLine == nullptr) return {};
    const wchar_t* p = commandLine;
    if (*p == L'"') {
        ++p;
        while (*p != L'\0' && *p != L'"') ++p;
        if (*p == L'"') ++p;
    } else {
        while (*p != L'\0' && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

const std::string& Win32Process::applicationFolder() {
    if (!folder_.empty()) return folder_;
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return folder_;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // long paths: the buffer was too small
    }
    path.resize(path.find_last_of(L'\\') + 1);  // keeps the backslash; npos + 1 is 0
    folder_ = Narrow(path);
    return folder_;
}

std::string Win32Process::commandLine() const { return Narrow(ArgumentsOf(GetCommandLineW())); }

bool Win32Process::start(std::string_view commandLine, platform::ShowMode show) {
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show == platform::ShowMode::Normal       ? SW_SHOWNORMAL
                          : show == platform::ShowMode::NoActivate ? SW_SHOWNOACTIVATE
                                                                   : SW_HIDE;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return false;  // nothing to report to anyone: the caller carries on
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

void Win32Process::end() { ExitProcess(0); }

bool Win32Process::ended() const { return !AnyProgramWindowLeft(); }

namespace {

std::deque<std::function<void()>>& PostedWork() {
    static std::deque<std::function<void()>> work;
    return work;
}

// A thread timer reaches every message loop of the thread, a modal one included, where a
// thread message would be lost.
void CALLBACK RunPostedWork(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    auto& queue = PostedWork();
    for (auto count = queue.size(); count > 0 && !queue.empty(); --count) {
        auto work = std::move(queue.front());
        queue.pop_front();
        work();
    }
}

}  // namespace

void Win32Process::post(std::function<void()> work) {
    PostedWork().push_back(std::move(work));
    SetTimer(nullptr, 0, 0, &RunPostedWork);
}

void Win32Process::processPendingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the main loop to see
            return;
        }
        if (TranslateDialogKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Win32Process::idle(unsigned maxMs) {
    MsgWaitForMultipleObjectsEx(0, nullptr, maxMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void Win32Process::hideFromTaskList() {
    // Only the oldest systems have RegisterServiceProcess; everywhere else this is a no-op.
    using RegisterServiceProcessFn = DWORD(WINAPI*)(DWORD, DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr) return;
    auto fn = reinterpret_cast<RegisterServiceProcessFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "RegisterServiceProcess")));
    if (fn != nullptr) fn(GetCurrentProcessId(), 1);
}

// A named mutex: the system lets it go when its holder ends, also when it crashes, and
// the next waiter then gets it (abandoned, which is as good here).
bool Win32Process::takeStartLock(unsigned maxMs) {
    if (holdsStartLock_) return true;
    if (startLock_ == nullptr) startLock_ = CreateMutexW(nullptr, FALSE, L"KelvraZavoraStartUp");
    if (startLock_ == nullptr) return holdsStartLock_ = true;  // no lock to be had: start as before
    HANDLE lock = startLock_;
    const DWORD result = MsgWaitForMultipleObjectsEx(1, &lock, maxMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    holdsStartLock_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED_0;
    return holdsStartLock_;
}

void Win32Process::releaseStartLock() {
    if (holdsStartLock_ && startLock_ != nullptr) ReleaseMutex(startLock_);
    holdsStartLock_ = false;
}

int RunMessageLoop() {
    MSG msg{};
    while (AnyProgramWindowLeft()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (TranslateDialogKeys(msg)) continue;  // Tab, arrows, Enter, Escape in our dialogs
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace kz::win32
