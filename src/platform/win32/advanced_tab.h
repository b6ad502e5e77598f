#pragma once
// The Advanced page of the Options dialog: the keys on which the program stays out of the
// way, and whether it intercepts keys that have no characters.
#include <windows.h>

#include <functional>

#include "options/options_dialog.h"
#include "platform/win32/options_page.h"

namespace kz::win32 {

class AdvancedTab final : private PageEvents {
public:
    AdvancedTab(HWND dialog, FontCache& fonts, options::OptionsDialog& model,
                std::function<void()> edited);

    OptionsPage& page() { return page_; }
    void sync();

private:
    void onCommand(int id, int code, HWND control) override;
    void onPaint(HDC dc, int dpi) override;

    FontCache& fonts_;
    options::OptionsDialog& model_;
    std::function<void()> edited_;
    OptionsPage page_;
    HWND keys_ = nullptr;
    HWND box_ = nullptr;
    bool syncing_ = false;  // the text set by sync() is no edit of the user's
};

}  // namespace kz::win32
