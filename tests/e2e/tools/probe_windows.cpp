// Window queries and messages of the probe: everything reads other processes' windows
// from outside, the way a test sees them.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/gdi_holders.h"
#include "probe_commands.h"

namespace probe {
namespace {

constexpr UINT kTimeoutMs = 3000;

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

// WM_GETTEXT through SendMessageTimeout: a hung window answers nothing instead of
// hanging the probe. The system copies the text across processes for this message.
std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs,
                             &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kTimeoutMs, &copied))
        return {};
    text.resize(copied);
    return text;
}

void Describe(HWND window, Json& out) {
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(window, &pid);
    RECT rect = {};
    GetWindowRect(window, &rect);
    out.beginObject();
    out.key("hwnd").handle(window);
    out.field("pid", pid).field("tid", tid);
    out.key("class").value(ClassOf(window));
    out.key("text").value(TextOf(window));
    out.field("visible", IsWindowVisible(window) != FALSE);
    out.field("enabled", IsWindowEnabled(window) != FALSE);
    out.field("style", static_cast<unsigned long long>(GetWindowLongPtrW(window, GWL_STYLE) & 0xffffffff));
    out.field("exstyle", static_cast<unsigned long long>(GetWindowLongPtrW(window, GWL_EXSTYLE) & 0xffffffff));
    out.field("id", static_cast<long long>(GetWindowLongPtrW(window, GWLP_ID)));
    out.key("parent").handle(GetAncestor(window, GA_PARENT));
    out.key("owner").handle(GetWindow(window, GW_OWNER));
    out.key("rect").beginArray().value(rect.left).value(rect.top).value(rect.right).value(rect.bottom).endArray();
    out.endObject();
}

BOOL CALLBACK Collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

void DescribeAll(const std::vector<HWND>& windows, Json& out) {
    out.beginArray();
    for (HWND w : windows) Describe(w, out);
    out.endArray();
}

}  // namespace

void ListWindows(const Args&, Json& out) {
    std::vector<HWND> windows;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    DescribeAll(windows, out);
}

void ListChildren(const Args& args, Json& out) {
    std::vector<HWND> windows;
    EnumChildWindows(ParseHandle(args.at(0)), Collect, reinterpret_cast<LPARAM>(&windows));
    DescribeAll(windows, out);
}

void WindowInfo(const Args& args, Json& out) {
    HWND window = ParseHandle(args.at(0));
    if (!IsWindow(window)) {
        out.beginObject().field("exists", false).endObject();
        return;
    }
    Describe(window, out);
}

void WindowText(const Args& args, Json& out) {
    HWND window = ParseHandle(args.at(0));
    out.beginObject().field("exists", IsWindow(window) != FALSE);
    out.key("text").value(TextOf(window));
    out.endObject();
}

void FocusInfo(const Args&, Json& out) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    HWND foreground = GetForegroundWindow();
    GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info);
    out.beginObject();
    out.key("foreground").handle(foreground);
    out.key("active").handle(info.hwndActive);
    out.key("focus").handle(info.hwndFocus);
    out.key("capture").handle(info.hwndCapture);
    out.key("menuowner").handle(info.hwndMenuOwner);
    out.field("inmenu", (info.flags & GUI_INMENUMODE) != 0);
    out.endObject();
}

void SendToWindow(const Args& args, Json& out) {
    DWORD_PTR result = 0;
    BOOL ok = SendMessageTimeoutW(ParseHandle(args.at(0)), static_cast<UINT>(ParseNumber(args.at(1))),
                                  ParseNumber(args.at(2)), ParseNumber(args.at(3)), SMTO_ABORTIFHUNG,
                                  kTimeoutMs, &result);
    out.beginObject().field("ok", ok != FALSE).field("result", static_cast<long long>(result)).endObject();
}

void PostToWindow(const Args& args, Json& out) {
    BOOL ok = PostMessageW(ParseHandle(args.at(0)), static_cast<UINT>(ParseNumber(args.at(1))),
                           ParseNumber(args.at(2)), ParseNumber(args.at(3)));
    out.beginObject().field("ok", ok != FALSE).endObject();
}

void SetText(const Args& args, Json& out) {
    std::wstring text = Wide(args.at(1));
    DWORD_PTR result = 0;
    BOOL ok = SendMessageTimeoutW(ParseHandle(args.at(0)), WM_SETTEXT, 0,
                                  reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                                  kTimeoutMs, &result);
    out.beginObject().field("ok", ok != FALSE).field("result", static_cast<long long>(result)).endObject();
}

void ScreenInfo(const Args&, Json& out) {
    const int dpi = GetDeviceCaps(kz::win32::WindowDc(nullptr).get(), LOGPIXELSX);
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    out.beginObject();
    out.field("width", GetSystemMetrics(SM_CXSCREEN)).field("height", GetSystemMetrics(SM_CYSCREEN));
    out.field("dpi", dpi);
    out.key("workarea").beginArray().value(work.left).value(work.top).value(work.right).value(work.bottom).endArray();
    POINT cursor = {};
    GetCursorPos(&cursor);
    out.key("cursor").beginArray().value(cursor.x).value(cursor.y).endArray();
    out.endObject();
}

}  // namespace probe
