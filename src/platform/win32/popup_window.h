#pragma once
// The key popup on Windows: a top-level window that never takes the focus
// (WS_POPUP, tool window, no activation, topmost), painted through a double buffer from
// the model's draw state at the DPI of the monitor it shows on.
#include <windows.h>

#include <functional>
#include <vector>

#include "popup/popup_draw_state.h"
#include "popup/popup_view.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/scroll_bar.h"

namespace kz::win32 {

// The popup's window class: the mouse hook posts clicks only to this window and its children.
inline constexpr wchar_t kPopupClassName[] = L"KelvraZavoraPopup";

class PopupWindow final : public PopupView {
public:
    // Where the window reads what to draw; called on every paint.
    using StateSource = std::function<PopupDrawState()>;

    // `fonts`: the run's font cache, which outlives the window.
    PopupWindow(HINSTANCE instance, FontCache& fonts);
    ~PopupWindow() override;
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;

    // The model is made after the window (it needs the view), so it is attached later.
    void setStateSource(StateSource source) { source_ = std::move(source); }
    // An attempt to close the window (WM_CLOSE) hides the popup instead; this says how.
    void setCloseHandler(std::function<void()> handler) { onClose_ = std::move(handler); }

    // The all-characters screen's scroll bars live in this window; their WM_VSCROLL is
    // handed to them. A bar must be removed before it goes.
    void addScrollBar(ScrollBar& bar) { scrollBars_.push_back(&bar); }
    void removeScrollBar(ScrollBar& bar) { std::erase(scrollBars_, &bar); }

    // Mouse messages that reach the window (posted by the mouse hook, or the system's own
    // when no hook is installed), with the position in the window's pixels.
    using MouseHandler = std::function<void(UINT message, WPARAM buttons, int x, int y)>;
    void setMouseHandler(MouseHandler handler) { onMouse_ = std::move(handler); }
    // WM_DPICHANGED: the model learns the new DPI and the suggested corner, and places the
    // window through place(); without a handler the window only resizes itself.
    using DpiHandler = std::function<void(int dpi, int left, int top)>;
    void setDpiHandler(DpiHandler handler) { onDpi_ = std::move(handler); }

    HWND handle() const { return window_; }
    int dpi() const { return dpi_; }
    // The run-long fonts, shared with the all-characters panel that draws inside.
    FontCache& fonts() { return fonts_; }

    // PopupView
    void redraw() override;
    void layoutChanged() override;
    void place(const PopupBounds& bounds) override;
    void show() override;
    void hide() override;
    void setTopmost() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void onPaint();
    void onDpiChanged(int dpi, const RECT& suggested);
    void onScrollBar(HWND bar, WPARAM wParam);
    void applySize(int left, int top);
    int pixelWidth() const;
    int pixelHeight() const;

    HWND window_ = nullptr;
    int dpi_ = 96;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
    int left_ = 0;  // the last place, in pixels
    int top_ = 0;
    FontCache& fonts_;
    StateSource source_;
    std::function<void()> onClose_;
    MouseHandler onMouse_;
    DpiHandler onDpi_;
    std::vector<ScrollBar*> scrollBars_;
};

}  // namespace kz::win32
