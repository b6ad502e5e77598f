#pragma once
// The popup's mouse handlers. Clicks reach the popup as window messages that the mouse
// hook posts to it (the popup never takes the focus); the window hands each one to
// onMessage with the control it landed on, or lets hitTest find the control from the
// window's own coordinates. Coordinates reach the handlers in twips from the control's
// top left corner.
#include <cstdint>

#include "popup/popup_render_layout.h"

namespace kz {

class PopupList;
class AllCharacters;

enum class PopupControl {
    None,
    Rows,             // pic1, the key popup's rows
    ArrowUp,          // scroll(0) / noscroll(0)
    ArrowDown,        // scroll(1) / noscroll(1)
    CaseLower,        // Label8(0) "abc"
    CaseUpper,        // Label8(1) "ABC"
    OptionTypes,      // Option1(0)
    OptionLanguages,  // Option1(1)
    TopList,          // Picture2
    TopBar,           // ScrollbarPlus2
    CharacterList,    // Picture1
    CharactersBar,    // ScrollbarPlus1
};

struct ControlHit {
    PopupControl control = PopupControl::None;
    int xTwips = 0;  // from the control's top left corner
    int yTwips = 0;
};

// The control under (x, y) twips from the window's top left corner in `mode` (1 the key
// popup with lastRow + 1 rows; 2 the all-characters screen).
ControlHit HitTestPopup(int mode, int lastRow, int xTwips, int yTwips);
// The control's box in window twips (empty for None).
TwipsBox ControlBox(int mode, int lastRow, PopupControl control);

// Window messages of the mouse as the handlers know them.
namespace mouse_message {
inline constexpr std::uint32_t kMove = 0x200;
inline constexpr std::uint32_t kLeftDown = 0x201;
inline constexpr std::uint32_t kLeftUp = 0x202;
inline constexpr std::uint32_t kLeftDoubleClick = 0x203;
inline constexpr std::uint32_t kRightDown = 0x204;
inline constexpr std::uint32_t kRightUp = 0x205;
inline constexpr std::uint32_t kMiddleDown = 0x207;
inline constexpr std::uint32_t kMiddleUp = 0x208;
inline constexpr std::uint32_t kWheel = 0x20A;
}  // namespace mouse_message

// Button bits of a mouse message's wParam (MK_LBUTTON, MK_RBUTTON).
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

class PopupMouse {
public:
    // `screen` may be null: the all-characters screen's controls then do nothing.
    PopupMouse(PopupList& popup, AllCharacters* screen) : popup_(popup), screen_(screen) {}

    // One mouse message for `control`; x and y in twips from the control's corner.
    void onMessage(PopupControl control, std::uint32_t message, int buttons, int xTwips, int yTwips);
    // One mouse message in the popup window's own coordinates (pixels), for a window that
    // draws its controls itself.
    void onWindowMessage(std::uint32_t message, int buttons, int xPixels, int yPixels);

    // The handlers, by control and event.
    void rowsMouseDown(int yTwips);
    void rowsDoubleClick();
    // The arrows of the key popup: 0 up, 1 down; an inactive arrow does nothing.
    void arrowMouseDown(int index);
    void caseLabelMouseDown(int index);
    void charactersListDoubleClick();

private:
    void mouseDown(PopupControl control, int buttons, int xTwips, int yTwips);
    void doubleClick(PopupControl control);
    void mouseMove(PopupControl control, int buttons, int xTwips, int yTwips);
    void typeSelected();

    PopupList& popup_;
    AllCharacters* screen_;
};

}  // namespace kz
