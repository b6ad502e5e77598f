#pragma once
// The all-characters screen on Windows: a white child of the popup that holds
// the screen's controls. The option buttons "Character Types" / "Languages" and the two
// captions are standard controls; the type/language list and the characters
// list are drawn here through the popup's canvas and font cache; each list
// has a standard scroll bar beside it.
//
// Mouse messages reach the panel and its controls from the mouse hook (posted, so the
// application keeps the focus); the panel hands them to the popup's mouse handlers in
// the popup window's coordinates. No control here ever takes the focus.
#include <windows.h>

#include <array>
#include <memory>

#include "platform/win32/popup_window.h"
#include "platform/win32/scroll_bar.h"
#include "platform/win32/scroll_bar_press.h"
#include "platform/win32/window_subclass.h"
#include "popup/all_characters_screen.h"
#include "popup/popup_mouse.h"

namespace kz::win32 {

class AllCharactersPanel final : public AllCharactersView {
public:
    AllCharactersPanel(HINSTANCE instance, PopupWindow& popup);
    ~AllCharactersPanel() override;
    AllCharactersPanel(const AllCharactersPanel&) = delete;
    AllCharactersPanel& operator=(const AllCharactersPanel&) = delete;

    // The screen and the popup's mouse handlers are made after the panel (they need it as
    // their view); the scroll bars come with the screen, which owns their models.
    void attach(AllCharacters& screen, PopupMouse& mouse);

    // Shown in the all-characters screen only.
    void setVisible(bool visible);
    // Places the panel and its controls at the popup's current DPI.
    void layout();

    HWND handle() const { return window_; }

    // AllCharactersView
    void redrawTopList() override;
    void redrawList() override;
    void captionsChanged() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onOptionMessage(int index, HWND option, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void onPaint();
    void onMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void onOptionPress(int index, UINT message, WPARAM wParam);
    void syncBars();
    RECT local(const TwipsBox& box) const;
    HWND makeChild(const wchar_t* className, DWORD style);

    PopupWindow& popup_;
    HINSTANCE instance_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    std::array<HWND, 2> options_{};
    std::array<WindowSubclass, 2> optionSubclasses_;
    HWND topCaption_ = nullptr;
    HWND charactersCaption_ = nullptr;
    AllCharacters* screen_ = nullptr;
    PopupMouse* mouse_ = nullptr;
    std::unique_ptr<ScrollBar> topBar_;
    std::unique_ptr<ScrollBar> charactersBar_;
    std::unique_ptr<ScrollBarPress> topPress_;
    std::unique_ptr<ScrollBarPress> charactersPress_;
};

}  // namespace kz::win32
