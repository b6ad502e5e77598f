#pragma once
// One of the language editor's two drawn lists: a focusable child window painted through a
// double buffer like the all-characters screen's characters list, and a standard scroll bar
// beside it. It shows a CharacterList of the editor model and reports the user's mouse,
// keys and scrolling to the owner, which runs the model's handler and calls sync() afterwards.
#include <windows.h>

#include <functional>
#include <memory>

#include "charset/character_table.h"
#include "editor/character_list.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/scroll_bar.h"
#include "platform/win32/window_subclass.h"
#include "popup/scroll_bar_model.h"

namespace kz::win32 {

struct EditorCharListEvents {
    std::function<void(int yTwips)> mouseDown;
    std::function<void()> doubleClick;
    std::function<void(editor::ListKey)> keyDown;
    std::function<void(int value)> scrolled;  // the user moved the scroll bar
    std::function<void()> barFocused;         // the scroll bar received the focus
};

struct EditorCharListSetup {
    HWND parent = nullptr;
    int id = 0;
    const CharacterTable* characters = nullptr;
    const bool* displayUnicodeSymbol = nullptr;
    FontCache* fonts = nullptr;
    EditorCharListEvents events;
};

class EditorCharList {
public:
    explicit EditorCharList(EditorCharListSetup setup);
    ~EditorCharList();
    EditorCharList(const EditorCharList&) = delete;
    EditorCharList& operator=(const EditorCharList&) = delete;

    HWND handle() const { return window_; }
    HWND barHandle() const { return bar_ ? bar_->handle() : nullptr; }
    // True when the list or its scroll bar has the keyboard focus.
    bool hasFocus() const;

    // Places the list and its bar (client pixels of the parent) and draws at `dpi`.
    void place(const RECT& list, const RECT& bar, int dpi);
    // Shows `list` (the model's, from now on) and draws it again: after every change of
    // the model the thumb follows.
    void show(const editor::CharacterList& list);
    // The parent's WM_VSCROLL; true when it was this list's bar.
    bool routeScroll(HWND bar, WPARAM wParam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void sync();
    void onPaint();
    void onKey(WPARAM key);

    EditorCharListSetup s_;
    const editor::CharacterList* list_ = nullptr;  // none until the model is attached
    HWND window_ = nullptr;
    int dpi_ = 96;
    ScrollBarModel barModel_;
    std::unique_ptr<ScrollBar> bar_;
    WindowSubclass barSubclass_;  // tells the editor when the bar takes the focus
};

}  // namespace kz::win32
