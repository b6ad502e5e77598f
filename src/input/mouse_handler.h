#pragma once
// The mouse while the popup is shown. A low-level mouse hook is installed when the popup
// opens; its procedure copies each event and calls onMouseEvent, which decides:
// - a button over the popup is swallowed, so the application keeps the focus, and posted
//   to the popup's window under the pointer with coordinates relative to that window;
//   a second left press close enough in time and place also posts a double click;
// - the wheel scrolls the popup from anywhere on the screen;
// - dragging a scroll bar's thumb of the all-characters screen moves its list;
// - any button pressed outside the popup closes it and still reaches the application.
// The hook removes itself when the popup closes or is found hidden.
#include <cstdint>

#include "input/mouse_double_click.h"
#include "keys/tutorial_link.h"
#include "platform/clock.h"
#include "platform/hooks.h"
#include "platform/keyboard.h"
#include "platform/mouse_windows.h"
#include "platform/registry.h"
#include "platform/synth_input.h"
#include "popup/popup_links.h"

namespace kz {

class PopupList;
class PopupMouse;
class AllCharacters;

// The handler's memory between events.
struct MouseHandlerState {
    bool leftDown = false;
    bool rightDown = false;
    bool middleDown = false;
    platform::WindowHandle captureWindow = 0;  // where the left button last went down
    int lastClickX = 0;                        // the last left press inside the popup
    int lastClickY = 0;
    std::uint64_t lastClickTime = 0;
    int wheelRest = 0;  // wheel delta not yet worth a step (120 make one)
};

class MouseHandler final : public platform::MouseEventSink, public PopupMouseHook {
public:
    struct Links {
        platform::Hooks& hooks;
        const platform::Keyboard& keyboard;  // the buttons' state when the hook goes in
        const platform::Clock& clock;
        const platform::Registry& registry;  // the double-click settings
        platform::MouseWindows& windows;
        platform::SyntheticInput& input;     // the trigger keys' release on an outside click
        const TutorialLink& tutorial;
        PopupList& popup;
        PopupMouse& popupMouse;              // the key popup's arrows, for the wheel
        AllCharacters* screen = nullptr;     // the all-characters screen's scroll bars
    };

    explicit MouseHandler(Links links) : links_(links) {}
    MouseHandler(const MouseHandler&) = delete;
    MouseHandler& operator=(const MouseHandler&) = delete;

    // PopupMouseHook: installed when the popup has been shown (the buttons' state is read
    // again each time); removed by the popup's hiding sequence.
    void install() override;
    void remove() override;

    // The decision for one event: true swallows it.
    bool handle(const platform::MouseEvent& event) noexcept;
    bool onMouseEvent(const platform::MouseEvent& event) noexcept override { return handle(event); }

    const MouseHandlerState& state() const { return state_; }
    const DoubleClickSettings& doubleClickSettings() const { return doubleClick_; }

private:
    bool decide(const platform::MouseEvent& event);
    void trackButtons(std::uint32_t message);
    bool insidePopup(int x, int y) const;
    bool dragThumb(const platform::MouseEvent& event, const platform::Rect& rect, int buttons);
    void turnWheel(const platform::MouseEvent& event);
    void scrollOneNotch(bool towardsUser);
    void postDoubleClick(const platform::MouseEvent& event, platform::WindowHandle target,
                         const platform::Rect& rect, int buttons);
    void closePopupFromOutside();
    void post(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
              const platform::Rect& rect, int x, int y);

    Links links_;
    MouseHandlerState state_;
    DoubleClickSettings doubleClick_;
};

}  // namespace kz
