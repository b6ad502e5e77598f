#pragma once
// Keyboard navigation in the program's modeless windows (the Options dialog, the about
// box): Tab, the arrow keys, Enter and Escape as in any Windows dialog. A window asks for
// it with MarkAsDialog; the message loop offers every message to TranslateDialogKeys.
// The mark is a property of the window itself, so no list of windows is kept anywhere.
#include <windows.h>

namespace kz::win32 {

void MarkAsDialog(HWND window);
// The message a marked window receives first, with the MSG in lParam, for its own keys
// (Ctrl+Tab between the pages of a tabbed dialog); a non-zero answer takes the key.
UINT DialogKeyMessage();
// IsDialogMessage for the marked top-level window that `message` belongs to. True when it
// handled the message, which must then not be dispatched again.
bool TranslateDialogKeys(MSG& message);

}  // namespace kz::win32
