#pragma once
// The language editor's on-screen keyboard on Windows: the 47 key buttons and
// the Shift button as real push buttons, showing the model's KeyButtons
// (captions, place, enabled, visible, "Arial" or "Arial Black"), and the two frames that
// mark the selected key and the shift state, painted by the parent around the buttons.
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "editor/key_buttons.h"
#include "platform/canvas.h"
#include "platform/win32/font_cache.h"

namespace kz::win32 {

class EditorKeyboard {
public:
    // Buttons get the control ids firstId + index (0 to 46) and firstId + 47 for Shift.
    EditorKeyboard(HWND parent, int firstId, FontCache& fonts);
    EditorKeyboard(const EditorKeyboard&) = delete;
    EditorKeyboard& operator=(const EditorKeyboard&) = delete;

    // The key index of a button's control id; none for other controls.
    std::optional<int> keyOf(int controlId) const;
    bool isShift(int controlId) const { return controlId == firstId_ + editor::kKeyCount; }
    HWND button(int key) const { return keys_[static_cast<std::size_t>(key)]; }

    // Shows the model's keys at `dpi`; only what changed is sent to the buttons.
    void show(const editor::KeyButtons& keys, int dpi);

    // The selected-key frame and, while the shift state is on, the shift frame: rings
    // just outside the framed button, drawn by the parent's paint.
    static void PaintFrames(platform::Canvas& canvas, const platform::TwipsBox& selectedFrame,
                            std::optional<platform::TwipsBox> shiftFrame);
    // The parent's pixels a frame covers, to repaint it when it moves.
    static RECT FrameBounds(const platform::TwipsBox& frame, int dpi);

private:
    struct Shown {
        std::wstring caption;
        bool enabled = true;
        bool visible = true;
        HFONT font = nullptr;
        RECT place{};
    };
    void apply(HWND button, Shown& shown, const Shown& wanted);

    HWND parent_;
    int firstId_;
    FontCache& fonts_;
    std::array<HWND, editor::kKeyCount> keys_{};
    HWND shift_ = nullptr;
    std::array<Shown, editor::kKeyCount + 1> shown_{};
};

}  // namespace kz::win32
