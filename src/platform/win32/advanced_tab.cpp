#include "platform/win32/advanced_tab.h"

#include <string>

#include "platform/win32/gdi_canvas.h"
#include "platform/win32/wide_text.h"

namespace kz::win32 {
namespace {

using options::CheckBox;
using options::CheckLabel;

constexpr int kDisableKeysId = 400;
constexpr int kDisableOtherKeysId = 102;
constexpr int kDisableOtherKeysLabelId = 401;

std::wstring TextOf(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

}  // namespace

AdvancedTab::AdvancedTab(HWND dialog, FontCache& fonts, options::OptionsDialog& model,
                         std::function<void()> edited)
    : fonts_(fonts), model_(model), edited_(std::move(edited)), page_(dialog, fonts, *this) {
    page_.add({.text = L"Disable Zavora on these keys:", .box = {120, 120, 5295, 255}, .id = -1});
    page_.add({.text = L"(use this if you don't want Zavora to intercept a key press on certain "
                       L"keys. e.g. if another application needs a particular keystroke)",
               .box = {120, 480, 5295, 495}, .id = -1, .fitText = true});
    page_.add({.text = L"Type a list of keys in this box, e.g. \"aAb\" to disable Zavora on upper "
                       L"and lowercase \"A\"s and only lowercase \"B\"s.",
               .box = {120, 960, 5295, 495}, .id = -1, .fitText = true});
    page_.add({.text = L"For characters that cannot be seen enclose their keycode in double "
                       L"square brackets e.g. [[13]] for the return key.  See Help for more "
                       L"details.",
               .style = SS_NOPREFIX, .box = {120, 1440, 5295, 495}, .id = -1, .fitText = true,
               .growTwips = 90});
    keys_ = page_.add({.windowClass = L"EDIT", .style = ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
                       .exStyle = WS_EX_CLIENTEDGE, .box = {120, 2040, 5295, 285}, .id = kDisableKeysId});
    box_ = page_.add({.windowClass = L"BUTTON", .style = BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP,
                      .box = {120, 2820, 255, 255}, .id = kDisableOtherKeysId});
    page_.add({.text = L"Don't intercept keystroke when there are no characters associated with "
                       L"a key.",
               .style = SS_NOTIFY | WS_GROUP, .box = {480, 2760, 4935, 495}, .id = kDisableOtherKeysLabelId,
               .fitText = true, .growTwips = 300});
}

void AdvancedTab::sync() {
    SendMessageW(box_, BM_SETCHECK, model_.checked(CheckBox::DisableOtherKeys) ? BST_CHECKED : BST_UNCHECKED, 0);
    const std::wstring wanted = Widen(model_.disableKeysText());
    if (TextOf(keys_) != wanted) {
        syncing_ = true;
        SetWindowTextW(keys_, wanted.c_str());
        syncing_ = false;
    }
}

void AdvancedTab::onCommand(int id, int code, HWND control) {
    if (id == kDisableKeysId && code == EN_CHANGE) {
        if (syncing_) return;
        model_.disableKeysChanged(Narrow(TextOf(control)));
    } else if (id == kDisableOtherKeysId && code == BN_CLICKED) {
        model_.boxClicked(CheckBox::DisableOtherKeys, SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
    } else if (id == kDisableOtherKeysLabelId && code == STN_CLICKED) {
        model_.labelClicked(CheckLabel::DisableOtherKeys);
    } else {
        return;
    }
    edited_();
}

void AdvancedTab::onPaint(HDC dc, int dpi) {
    GdiCanvas canvas(dc, dpi, fonts_);
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    const int y = platform::TwipsToPixels(2520, dpi);
    canvas.drawLine({platform::TwipsToPixels(360, dpi), y}, {platform::TwipsToPixels(5400, dpi), y},
                    platform::Rgb{GetRValue(grey), GetGValue(grey), GetBValue(grey)});
}

}  // namespace kz::win32
