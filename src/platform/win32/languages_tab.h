#pragma once
// The Languages page of the Options dialog: the language list and its commands.
#include <windows.h>

#include <functional>
#include <optional>

#include "options/options_dialog.h"
#include "platform/win32/language_list_view.h"
#include "platform/win32/options_page.h"

namespace kz::win32 {

class LanguagesTab final : private PageEvents {
public:
    LanguagesTab(HWND dialog, FontCache& fonts, options::OptionsDialog& model,
                 std::function<void()> edited);

    OptionsPage& page() { return page_; }
    LanguageListView& list() { return *list_; }
    // Edit and Delete enabled as the model says.
    void sync();

private:
    void onCommand(int id, int code, HWND control) override;
    LRESULT onNotify(const NMHDR& header) override;

    options::OptionsDialog& model_;
    std::function<void()> edited_;
    OptionsPage page_;
    std::optional<LanguageListView> list_;
    HWND edit_ = nullptr;
    HWND delete_ = nullptr;
};

}  // namespace kz::win32
