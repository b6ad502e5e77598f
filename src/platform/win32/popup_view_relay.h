#pragma once
// The view the popup model talks to on Windows: the popup window, plus the
// all-characters panel, which is shown in mode 2 only and follows the window's place and
// DPI.
#include <functional>

#include "platform/win32/all_characters_panel.h"
#include "platform/win32/popup_window.h"
#include "popup/popup_view.h"

namespace kz::win32 {

class PopupViewRelay final : public PopupView {
public:
    PopupViewRelay(PopupWindow& window, AllCharactersPanel& panel) : window_(window), panel_(panel) {}

    // The model's mode; the model is made after its view.
    void setModeSource(std::function<int()> mode) { mode_ = std::move(mode); }

    void redraw() override { window_.redraw(); }
    void layoutChanged() override {
        window_.layoutChanged();
        panel_.setVisible(allCharacters());
    }
    void place(const PopupBounds& bounds) override {
        window_.place(bounds);
        panel_.layout();
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

private:
    bool allCharacters() const { return mode_ && mode_() == 2; }

    PopupWindow& window_;
    AllCharactersPanel& panel_;
    std::function<int()> mode_;
};

}  // namespace kz::win32
