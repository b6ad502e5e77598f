#pragma once
// Drawing the popup window: the frame (pictures, case selector, arrow strips, lines) and
// the rows of the key popup. Everything is computed from the model's state and
// drawn through a Canvas, so the same code paints on Windows and records in tests.
#include "platform/canvas.h"
#include "popup/popup_draw_state.h"
#include "popup/popup_render_layout.h"

namespace kz {

// The fonts of the key popup.
platform::FontSpec CandidateFont();  // "Arial" 26: the candidate characters
platform::FontSpec NumberFont();     // "Arial Black" 11: number labels and the badge letter
platform::FontSpec CaseLabelFont();  // "Arial" 9.75 point bold: "abc" and "ABC"

// A twips box of the window in the canvas's pixels.
platform::Rect ToPixels(const platform::Canvas& canvas, const TwipsBox& box);

// The whole window for the state's mode, background first. In the all-characters screen
// only the frame and the white list container are drawn; its lists have their own routines.
void PaintPopup(platform::Canvas& canvas, const PopupDrawState& state);

// The grey disc with a white "U" that marks a character outside the system code page: a
// disc 16 pixels across whose top left corner lies `discLeft` pixels from the area's left
// and `discTop` pixels below `originY` (lengths in 96-dpi pixels, `originY` in the
// canvas's pixels).
void DrawUnicodeBadge(platform::Canvas& canvas, int discLeft, int originY, int discTop);

// The rows of the key popup into the canvas's current area, `width` ×
// `height` pixels: cleared, the selection bar, then per row the character, its number
// label and, for a character outside the system code page, the "U" badge.
void DrawRows(platform::Canvas& canvas, const PopupDrawState& state, int width, int height);

}  // namespace kz
