#pragma once
// The popup's windows on Windows: the popup window, plus the all-characters panel, which
// is shown in mode 2 only and follows the window's place and DPI.
#include <windows.h>

#include "app/program_windows.h"
#include "platform/win32/all_characters_panel.h"
#include "platform/win32/popup_screen.h"
#include "platform/win32/popup_window.h"
#include "popup/popup_view.h"

namespace kz::win32 {

class Win32PopupWindows final : public app::PopupWindows, private PopupView {
public:
    // `fonts`: the run's font cache, which outlives the popup.
    Win32PopupWindows(HINSTANCE instance, FontCache& fonts) : window_(instance, fonts), panel_(instance, window_) {}

    PopupView& view() override { return *this; }
    AllCharactersView& screenView() override { return panel_; }
    const ScreenSource& screen() const override { return screen_; }
    void attach(PopupList& popup, AllCharacters& screen, PopupMouse& mouse) override {
        popup_ = &popup;
        panel_.attach(screen, mouse);
        window_.setStateSource([&popup] { return popup.drawState(); });
        window_.setCloseHandler([&popup] { popup.hidePopup(); });
        window_.setMouseHandler([&mouse](UINT message, WPARAM buttons, int x, int y) {
            mouse.onWindowMessage(message, static_cast<int>(buttons), x, y);
        });
        window_.setDpiHandler([&popup](int dpi, int left, int top) { popup.onDpiChanged(dpi, {left, top}); });
    }

private:
    // PopupView
    void redraw() override { window_.redraw(); }
    void layoutChanged() override {
        window_.layoutChanged();
        panel_.setVisible(allCharacters());
    }
    // The panel is laid out only for the all-characters screen: a key popup never shows
    // it, and its controls, fonts and scroll bars would cost the key popup its first frame.
    void place(const PopupBounds& bounds) override {
        window_.place(bounds);
        if (allCharacters()) panel_.layout();
    }
    void show() override {
        panel_.setVisible(allCharacters());
        window_.show();
    }
    void hide() override {
        window_.hide();
        panel_.setVisible(false);
    }
    void setTopmost() override { window_.setTopmost(); }

    bool allCharacters() const { return popup_ != nullptr && popup_->mode() == 2; }

    PopupWindow window_;
    AllCharactersPanel panel_;
    PopupScreen screen_;
    PopupList* popup_ = nullptr;  // the model, once attached
};

}  // namespace kz::win32
