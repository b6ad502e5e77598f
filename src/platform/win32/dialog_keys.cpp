#include "platform/win32/dialog_keys.h"

#include "platform/win32/dpi.h"

namespace kz::win32 {
namespace {

constexpr wchar_t kDialogMark[] = L"KelvraZavoraDialog";

}  // namespace

UINT DialogKeyMessage() {
    static const UINT message = RegisterWindowMessageW(L"KelvraZavoraDialogKey");
    return message;
}

void MarkAsDialog(HWND window) {
    if (window != nullptr) SetPropW(window, kDialogMark, reinterpret_cast<HANDLE>(1));
}

void MoveDialogFocus(HWND window, WPARAM wParam, LPARAM lParam) {
    HWND target = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                      : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
    if (target == nullptr || !IsChild(window, target)) return;
    SetFocus(target);
    if ((SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        SendMessageW(target, EM_SETSEL, 0, -1);
    }
}

bool TranslateDialogKeys(MSG& message) {
    // Only keyboard and mnemonic messages need the dialog manager; the rest go straight on.
    if (message.hwnd == nullptr || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) {
        return false;
    }
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == nullptr || GetPropW(root, kDialogMark) == nullptr || !IsWindowVisible(root)) {
        return false;
    }
    if (SendMessageW(root, DialogKeyMessage(), 0, reinterpret_cast<LPARAM>(&message)) != 0) return true;
    return IsDialogMessageW(root, &message) != FALSE;
}

std::optional<LRESULT> AnswerDialogMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int defaultId,
                                           const std::function<void(int dpi)>& relayout) {
    switch (message) {
    case DM_GETDEFID:
        return defaultId != 0 ? MAKELONG(defaultId, DC_HASDEFID) : 0;
    case WM_NEXTDLGCTL:
        MoveDialogFocus(window, wParam, lParam);
        return 0;
    case WM_DPICHANGED:
        if (TestDpiOverride()) return 0;  // a DPI forced for a test stays
        MoveToSuggestedPlace(window, lParam);
        relayout(HIWORD(wParam));
        return 0;
    default:
        return std::nullopt;
    }
}

}  // namespace kz::win32
