#pragma once
// Keyboard navigation in the program's modeless windows (the Options dialog, the about
// box): Tab, the arrow keys, Enter and Escape as in any Windows dialog. A window asks for
// it with MarkAsDialog; the message loop offers every message to TranslateDialogKeys.
// The mark is a property of the window itself, so no list of windows is kept anywhere.
#include <windows.h>

#include <functional>
#include <optional>

namespace kz::win32 {

void MarkAsDialog(HWND window);
// The message a marked window receives first, with the MSG in lParam, for its own keys
// (Ctrl+Tab between the pages of a tabbed dialog); a non-zero answer takes the key.
UINT DialogKeyMessage();
// WM_NEXTDLGCTL for a marked window that is no dialog of the system (the dialog manager
// moves the focus with it on the arrow keys): focuses the control it names, or the next
// or previous one in the Tab order; a text box gets its text selected, as in a dialog.
void MoveDialogFocus(HWND window, WPARAM wParam, LPARAM lParam);
// IsDialogMessage for the marked top-level window that `message` belongs to. True when it
// handled the message, which must then not be dispatched again.
bool TranslateDialogKeys(MSG& message);

// The messages that the program's own dialog windows (the about box, the language picker,
// the tutorial) answer alike: Enter's default button `defaultId` (0: none at the moment),
// focus moves asked for by the dialog keys, and a move to a monitor of another DPI, where
// the window takes the suggested place and `relayout` lays it out for the new DPI. Empty for
// any other message.
std::optional<LRESULT> AnswerDialogMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int defaultId,
                                           const std::function<void(int dpi)>& relayout);

}  // namespace kz::win32
