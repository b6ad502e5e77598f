// Window queries and messages of the probe: other processes' windows, read from outside
// the way a test sees them.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/gdi_holders.h"
#include "probe.h"

namespace probe {
namespace {

// A hung window answers 0 within 3 s instead of hanging the probe.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 3000, &result)
               ? static_cast<LRESULT>(result)
               : 0;
}

// The system copies WM_GETTEXT's text across processes.
std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    LRESULT copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

long long Optional(const Args& args, size_t index) {
    return index < args.size() ? ParseNumber(args[index]) : 0;
}

std::string Rect(const RECT& r) { return Array({Num(r.left), Num(r.top), Num(r.right), Num(r.bottom)}); }

std::string Describe(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t cls[256] = {};
    GetClassNameW(window, cls, 256);
    RECT rect = {};
    GetWindowRect(window, &rect);
    return Object({{"hwnd", Num(window)}, {"pid", Num(pid)}, {"cls", Str(std::wstring_view(cls))},
                   {"text", Str(TextOf(window))}, {"visible", Bool(IsWindowVisible(window))},
                   {"enabled", Bool(IsWindowEnabled(window))},
                   {"style", Num(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)))},
                   {"exstyle", Num(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)))},
                   {"parent", Num(GetAncestor(window, GA_PARENT))}, {"rect", Rect(rect)}});
}

BOOL CALLBACK Collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<std::string>*>(list)->push_back(Describe(window));
    return TRUE;
}

// Another process's list view fills its records in its own address space: one block
// there holds the record, and the text buffer after it.
class RemoteText {
public:
    explicit RemoteText(HWND list) : list_(list) {
        DWORD pid = 0;
        GetWindowThreadProcessId(list, &pid);
        process_.reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
        if (process_) base_ = VirtualAllocEx(process_.get(), nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteText() {
        if (base_) VirtualFreeEx(process_.get(), base_, 0, MEM_RELEASE);
    }
    RemoteText(const RemoteText&) = delete;
    RemoteText& operator=(const RemoteText&) = delete;

    bool ok() const { return base_ != nullptr; }
    // The row's first column.
    std::string of(int row) const {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(base_) + 256);
        item.cchTextMax = 511;
        WriteProcessMemory(process_.get(), base_, &item, sizeof item, nullptr);
        SendMessageW(list_, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(base_));
        wchar_t buffer[512] = {};
        ReadProcessMemory(process_.get(), item.pszText, buffer, sizeof buffer - sizeof(wchar_t), nullptr);
        return Str(std::wstring_view(buffer));
    }

private:
    HWND list_;
    kz::win32::UniqueHandle process_;
    void* base_ = nullptr;
};

}  // namespace

std::string ListWindows(const Args&) {
    std::vector<std::string> windows;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    return Array(windows);
}

std::string ListChildren(const Args& args) {
    std::vector<std::string> windows;
    EnumChildWindows(ParseHandle(args.at(0)), Collect, reinterpret_cast<LPARAM>(&windows));
    return Array(windows);
}

std::string WindowInfo(const Args& args) {
    HWND window = ParseHandle(args.at(0));
    return IsWindow(window) ? Describe(window) : "null";
}

std::string WindowText(const Args& args) { return Str(TextOf(ParseHandle(args.at(0)))); }

std::string FocusInfo(const Args&) {
    HWND foreground = GetForegroundWindow();
    GUITHREADINFO info = {sizeof info};
    GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info);
    return Object({{"foreground", Num(foreground)}, {"focus", Num(info.hwndFocus)},
                   {"inmenu", Bool(info.flags & GUI_INMENUMODE)}});
}

std::string SendTo(const Args& args) {
    LRESULT result = Send(ParseHandle(args.at(0)), static_cast<UINT>(ParseNumber(args.at(1))),
                          static_cast<WPARAM>(Optional(args, 2)), Optional(args, 3));
    return Num(static_cast<long long>(result));
}

std::string PostTo(const Args& args) {
    return Bool(PostMessageW(ParseHandle(args.at(0)), static_cast<UINT>(ParseNumber(args.at(1))),
                             static_cast<WPARAM>(Optional(args, 2)), Optional(args, 3)));
}

std::string ScreenDpi(const Args&) {
    return Num(GetDeviceCaps(kz::win32::WindowDc(nullptr).get(), LOGPIXELSX));
}

// {"top", "rows": [{"text", "checked", "selected"}]}: the first column's text.
std::string ReadListView(const Args& args) {
    HWND list = ParseHandle(args.at(0));
    RemoteText text(list);
    if (!text.ok()) return "null";
    std::vector<std::string> rows;
    for (int r = 0; r < static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); ++r) {
        auto state =
            static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, r, LVIS_STATEIMAGEMASK | LVIS_SELECTED));
        // State image 2 is the ticked box of a list with check boxes.
        rows.push_back(Object({{"text", text.of(r)},
                               {"checked", Bool(((state & LVIS_STATEIMAGEMASK) >> 12) == 2)},
                               {"selected", Bool(state & LVIS_SELECTED)}}));
    }
    const auto top = static_cast<long long>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    return Object({{"top", Num(top)}, {"rows", Array(rows)}});
}

}  // namespace probe
