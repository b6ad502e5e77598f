#include "platform/win32/main_window.h"

#include "platform/win32/screen.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_binding.h"

namespace kz::win32 {
namespace {

constexpr UINT kDestroyLater = WM_APP + 1;
constexpr UINT kRunLater = WM_APP + 2;
constexpr UINT_PTR kTimerId = 1;
constexpr int kCommandBoxId = 101;

WNDPROC g_editProc = nullptr;  // the system EDIT procedure our command box class builds on

LRESULT CALLBACK CommandBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(g_editProc, hwnd, message, wParam, lParam);
}

std::wstring WideClass(std::string_view name) { return Widen(name); }

}  // namespace

void RegisterMainWindowClasses(HINSTANCE instance) {
    static bool done = false;
    if (done) return;
    done = true;

    WNDCLASSEXW main{};
    main.cbSize = sizeof main;
    main.lpfnWndProc = &Win32MainWindow::WindowProc;
    main.hInstance = instance;
    main.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    const std::wstring mainName = WideClass(platform::kMainWindowClass);
    main.lpszClassName = mainName.c_str();
    RegisterClassExW(&main);

    // Superclass of EDIT: the same control under our own class name.
    WNDCLASSEXW box{};
    box.cbSize = sizeof box;
    if (GetClassInfoExW(nullptr, L"EDIT", &box)) {
        g_editProc = box.lpfnWndProc;
        box.lpfnWndProc = CommandBoxProc;
        box.hInstance = instance;
        const std::wstring boxName = WideClass(platform::kCommandBoxClass);
        box.lpszClassName = boxName.c_str();
        RegisterClassExW(&box);
    }
}

Win32MainWindow::Win32MainWindow(HINSTANCE instance, platform::MainWindowListener& listener)
    : instance_(instance), listener_(listener) {
    RegisterMainWindowClasses(instance);
    const Scale scale = ScreenScale();
    // A fixed dialog frame, no minimise or maximise box; hidden until the Options dialog.
    hwnd_ = CreateWindowExW(WS_EX_DLGMODALFRAME, WideClass(platform::kMainWindowClass).c_str(),
                            L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                            CW_USEDEFAULT, scale.toPixelsX(6240), scale.toPixelsY(7300), nullptr,
                            nullptr, instance, this);
    if (hwnd_ == nullptr) return;
    // Beyond the dialog's width: it has a handle but the user never sees it.
    box_ = CreateWindowExW(WS_EX_CLIENTEDGE, WideClass(platform::kCommandBoxClass).c_str(),
                           L"Text1", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                           scale.toPixelsX(6840), scale.toPixelsY(6360), scale.toPixelsX(855),
                           scale.toPixelsY(375), hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCommandBoxId)), instance, nullptr);
    sessionNotices(true);
}

// Unlocking and reconnecting the session are reported only to windows that ask; the
// program then puts its keyboard hook in again, which the system may have dropped.
// Loaded by name so that the executable starts where the library is missing.
void Win32MainWindow::sessionNotices(bool on) {
    HMODULE library = LoadLibraryW(L"wtsapi32.dll");
    if (library == nullptr) return;
    constexpr DWORD kThisSessionOnly = 0;
    if (on) {
        using Register = BOOL(WINAPI*)(HWND, DWORD);
        if (auto fn = reinterpret_cast<Register>(reinterpret_cast<void*>(
                GetProcAddress(library, "WTSRegisterSessionNotification")))) {
            fn(hwnd_, kThisSessionOnly);
        }
    } else {
        using Unregister = BOOL(WINAPI*)(HWND);
        if (auto fn = reinterpret_cast<Unregister>(reinterpret_cast<void*>(
                GetProcAddress(library, "WTSUnRegisterSessionNotification")))) {
            fn(hwnd_);
        }
    }
    FreeLibrary(library);
}

Win32MainWindow::~Win32MainWindow() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);  // teardown messages find no object
        DestroyWindow(hwnd_);
    }
}

LRESULT CALLBACK Win32MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchToWindowObject(hwnd, message, wParam, lParam, &Win32MainWindow::hwnd_, &Win32MainWindow::handle);
}

LRESULT Win32MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kCommandBoxId && HIWORD(wParam) == EN_CHANGE && live()) {
                listener_.onCommandTextChanged();
                return 0;
            }
            break;
        case WM_CLOSE:
            if (live()) listener_.onCloseRequested();
            return 0;
        case WM_TIMER:
            if (wParam == kTimerId && live()) listener_.onTimer();
            return 0;
        case WM_COPYDATA:
            return onCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case kRunLater:
            if (!later_.empty() && live()) {
                auto work = std::move(later_.front());
                later_.pop_front();
                work();
            }
            return 0;
        case kDestroyLater:
            DestroyWindow(hwnd_);
            return 0;
        case WM_POWERBROADCAST:
            if ((wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) && live()) {
                listener_.onSystemResumed();
            }
            return TRUE;
        case WM_WTSSESSION_CHANGE:
            if ((wParam == WTS_SESSION_UNLOCK || wParam == WTS_CONSOLE_CONNECT ||
                 wParam == WTS_REMOTE_CONNECT) && live()) {
                listener_.onSystemResumed();
            }
            return 0;
        case WM_DESTROY:
            sessionNotices(false);
            break;
        case WM_NCDESTROY:
            box_ = nullptr;  // destroyed with its parent
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// The second command channel. The text goes into the command box exactly as WM_SETTEXT
// would put it, so the box's change handler applies the usual rules; a disabled box
// (an instance that is sending commands itself) refuses it.
LRESULT Win32MainWindow::onCopyData(const COPYDATASTRUCT& data) {
    if (data.dwData != kCommandCopyDataId || !live() || box_ == nullptr || !IsWindowEnabled(box_)) {
        return FALSE;
    }
    const std::size_t size = data.lpData == nullptr ? 0 : data.cbData;
    const std::string text(static_cast<const char*>(data.lpData), size);
    SetWindowTextW(box_, Widen(text).c_str());
    return TRUE;
}

platform::WindowHandle Win32MainWindow::handle() const {
    return live() ? reinterpret_cast<platform::WindowHandle>(hwnd_) : 0;
}

void Win32MainWindow::setCaption(std::string_view caption) {
    if (live()) SetWindowTextW(hwnd_, Widen(caption).c_str());
}

std::string Win32MainWindow::caption() const {
    if (!live()) return {};
    wchar_t text[256] = {};
    const int length = GetWindowTextW(hwnd_, text, 256);
    return Narrow(std::wstring_view(text, static_cast<std::size_t>(length)));
}

void Win32MainWindow::setVisible(bool visible) {
    if (live()) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Win32MainWindow::isVisible() const { return live() && IsWindowVisible(hwnd_); }

bool Win32MainWindow::setTopmost(bool topmost) {
    return live() && SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                                  SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32MainWindow::setIcon(std::string_view resourceName, bool ownerToo) {
    if (!live()) return;
    const std::wstring name = Widen(resourceName);
    const auto load = [&](int cx, int cy) {
        return static_cast<HICON>(LoadImageW(instance_, name.c_str(), IMAGE_ICON,
                                             GetSystemMetrics(cx), GetSystemMetrics(cy), LR_SHARED));
    };
    HICON big = load(SM_CXICON, SM_CYICON);
    HICON small = load(SM_CXSMICON, SM_CYSMICON);
    if (big == nullptr && small == nullptr) return;  // keep the default icon
    const auto apply = [&](HWND window) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    };
    if (ownerToo) {
        HWND owner = hwnd_;
        for (HWND next = GetWindow(owner, GW_OWNER); next != nullptr; next = GetWindow(next, GW_OWNER)) {
            owner = next;
        }
        if (owner != hwnd_) apply(owner);
    }
    apply(hwnd_);
}

void Win32MainWindow::setOuterWidthTwips(int twips) {
    if (!live()) return;
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    SetWindowPos(hwnd_, nullptr, 0, 0, ScreenScale().toPixelsX(twips), rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

platform::WindowHandle Win32MainWindow::commandBox() const {
    return live() ? reinterpret_cast<platform::WindowHandle>(box_) : 0;
}

std::string Win32MainWindow::commandText() const {
    if (!live() || box_ == nullptr) return {};
    wchar_t text[256] = {};
    const int length = GetWindowTextW(box_, text, 256);
    return Narrow(std::wstring_view(text, static_cast<std::size_t>(length)));
}

void Win32MainWindow::setCommandText(std::string_view text) {
    if (live() && box_ != nullptr) SetWindowTextW(box_, Widen(text).c_str());
}

void Win32MainWindow::setCommandBoxEnabled(bool enabled) {
    if (live() && box_ != nullptr) EnableWindow(box_, enabled ? TRUE : FALSE);
}

bool Win32MainWindow::commandBoxEnabled() const {
    return live() && box_ != nullptr && IsWindowEnabled(box_);
}

void Win32MainWindow::startTimer(unsigned intervalMs) {
    if (live()) SetTimer(hwnd_, kTimerId, intervalMs, nullptr);
}

void Win32MainWindow::stopTimer() {
    if (hwnd_ != nullptr) KillTimer(hwnd_, kTimerId);
}

// Unloading often starts inside a message of this very window (a command arriving in
// the box), so the window is taken out of sight and out of every lookup at once (hidden,
// caption cleared, box disabled) and destroyed at the next turn of the message loop.
void Win32MainWindow::destroy() {
    if (!live()) return;
    destroying_ = true;
    KillTimer(hwnd_, kTimerId);
    ShowWindow(hwnd_, SW_HIDE);
    SetWindowTextW(hwnd_, L"");
    if (box_ != nullptr) EnableWindow(box_, FALSE);
    PostMessageW(hwnd_, kDestroyLater, 0, 0);
}

void Win32MainWindow::runLater(std::function<void()> work) {
    if (!live()) return;
    later_.push_back(std::move(work));
    if (!PostMessageW(hwnd_, kRunLater, 0, 0)) later_.pop_back();
}

}  // namespace kz::win32
