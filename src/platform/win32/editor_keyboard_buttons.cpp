#include "platform/win32/editor_keyboard_buttons.h"

#include "editor/editor_texts.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/dpi.h"

namespace kz::win32 {

namespace {

constexpr double kKeyPoints = 8.25;
constexpr int kFrameBasePixels = 2;

// A button caption shows "&" itself, not as the mark of an access key.
std::wstring ButtonText(std::string_view caption) {
    std::wstring text;
    for (wchar_t c : Widen(caption)) {
        if (c == L'&') text += L'&';
        text += c;
    }
    return text;
}

platform::FontSpec KeyFont(const editor::KeyButton& key) {
    return platform::pointFont(kKeyPoints, key.fontName(), key.bold);
}

RECT KeyPixels(const platform::TwipsBox& twips, int dpi) { return ToRect(platform::PixelsOf(twips, dpi)); }

HWND MakeButton(HWND parent, int id, const wchar_t* text) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    return CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

}  // namespace

EditorKeyboard::EditorKeyboard(HWND parent, int firstId, FontCache& fonts)
    : parent_(parent), firstId_(firstId), fonts_(fonts) {
    for (int key = 0; key < editor::kKeyCount; ++key) {
        keys_[static_cast<std::size_t>(key)] = MakeButton(parent_, firstId_ + key, L"");
    }
    shift_ = MakeButton(parent_, firstId_ + editor::kKeyCount, Widen(editor::kShiftCaption).c_str());
}

std::optional<int> EditorKeyboard::keyOf(int controlId) const {
    const int key = controlId - firstId_;
    if (key < 0 || key >= editor::kKeyCount) return std::nullopt;
    return key;
}

void EditorKeyboard::show(const editor::KeyButtons& keys, int dpi) {
    for (int key = 0; key < editor::kKeyCount; ++key) {
        const editor::KeyButton& model = keys[static_cast<std::size_t>(key)];
        const Shown wanted{.caption = ButtonText(model.caption),
                           .enabled = model.enabled,
                           .visible = model.visible,
                           .font = fonts_.get(KeyFont(model), dpi),
                           .place = KeyPixels(model.place, dpi)};
        apply(keys_[static_cast<std::size_t>(key)], shown_[static_cast<std::size_t>(key)], wanted);
    }
    const Shown shift{.caption = Widen(editor::kShiftCaption),
                      .enabled = true,
                      .visible = true,
                      .font = fonts_.get(platform::pointFont(kKeyPoints, "Arial", false), dpi),
                      .place = KeyPixels(editor::kShiftButton, dpi)};
    apply(shift_, shown_.back(), shift);
}

void EditorKeyboard::apply(HWND button, Shown& shown, const Shown& wanted) {
    if (button == nullptr) return;
    if (shown.font != wanted.font) SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(wanted.font), TRUE);
    if (shown.caption != wanted.caption) SetWindowTextW(button, wanted.caption.c_str());
    if (shown.enabled != wanted.enabled) EnableWindow(button, wanted.enabled ? TRUE : FALSE);
    if (!EqualRect(&shown.place, &wanted.place)) {
        MoveWindow(button, wanted.place.left, wanted.place.top, wanted.place.right - wanted.place.left,
                   wanted.place.bottom - wanted.place.top, TRUE);
    }
    if (shown.visible != wanted.visible) ShowWindow(button, wanted.visible ? SW_SHOW : SW_HIDE);
    shown = wanted;
}

RECT EditorKeyboard::FrameBounds(const platform::TwipsBox& frame, int dpi) {
    RECT bounds = KeyPixels(frame, dpi);
    const int ring = platform::BasePixelsToPixels(kFrameBasePixels, dpi);
    InflateRect(&bounds, ring, ring);
    return bounds;
}

void EditorKeyboard::PaintFrames(platform::Canvas& canvas, const platform::TwipsBox& selectedFrame,
                                 std::optional<platform::TwipsBox> shiftFrame) {
    const auto ring = [&canvas](const platform::TwipsBox& frame, platform::Rgb color) {
        const RECT outer = FrameBounds(frame, canvas.dpi());
        const int width = canvas.scaleBasePixels(kFrameBasePixels);
        const platform::Rect r = FromRect(outer);
        canvas.fillRect({r.left, r.top, r.right, r.top + width}, color);
        canvas.fillRect({r.left, r.bottom - width, r.right, r.bottom}, color);
        canvas.fillRect({r.left, r.top, r.left + width, r.bottom}, color);
        canvas.fillRect({r.right - width, r.top, r.right, r.bottom}, color);
    };
    ring(selectedFrame, canvas.systemColor(platform::SystemColor::Highlight));
    if (shiftFrame) ring(*shiftFrame, canvas.systemColor(platform::SystemColor::WindowText));
}

}  // namespace kz::win32
