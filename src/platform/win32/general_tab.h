#pragma once
// The General page of the Options dialog: start-up, the trigger, the numbers, the
// all-characters screen's memory, the badge and automatic insertion. Every check box has a
// label beside it whose click flips the box.
#include <windows.h>

#include <array>
#include <functional>

#include "options/options_dialog.h"
#include "platform/win32/options_page.h"

namespace kz::win32 {

class GeneralTab final : private PageEvents {
public:
    // `edited` runs after every change the user makes on the page.
    GeneralTab(HWND dialog, FontCache& fonts, options::OptionsDialog& model,
               std::function<void()> edited);

    OptionsPage& page() { return page_; }
    // Shows the model's values.
    void sync();

private:
    void onCommand(int id, int code, HWND control) override;
    void onDrawItem(const DRAWITEMSTRUCT& item) override;
    void onPaint(HDC dc, int dpi) override;
    void create();

    FontCache& fonts_;
    options::OptionsDialog& model_;
    std::function<void()> edited_;
    OptionsPage page_;
    std::array<HWND, 6> boxes_{};  // by CheckBox - 1
    HWND combo_ = nullptr;
    HWND autoInsertLabel_ = nullptr;
};

}  // namespace kz::win32
