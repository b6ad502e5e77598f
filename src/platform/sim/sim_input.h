#pragma once
// The simulated keyboard of the simulated desktop: key state, layouts, the low-level hooks
// and synthesised input, behaving as Windows does where the program depends on it:
// - every event, typed or synthesised, goes through the installed keyboard hook first; an
//   event the hook swallows changes no key state and reaches no application;
// - events are handled one at a time: input synthesised while the hook runs waits in the
//   queue until the hook has answered (the system's input thread is waiting for it);
// - the key state keeps left, right and generic Shift, Ctrl and Alt in step, and Caps
//   Lock toggles on its key-down;
// - an Alt Gr layout reports a left Ctrl with the right Alt;
// - the extended-key flag decides the side of a Ctrl or Alt, whatever code names it;
// - asking the layout what a key types never changes the keyboard state.
// Everything sent and everything delivered is logged for the tests.
#include <deque>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/hooks.h"
#include "platform/keyboard.h"
#include "platform/sim/sim_layout.h"
#include "platform/synth_input.h"

namespace kz::sim {

// One call the program made to send input.
struct SentInput {
    enum class Kind { SendInput, KeybdEvent } kind = Kind::KeybdEvent;
    std::vector<platform::KeyboardInput> records;  // SendInput
    std::uint8_t vk = 0;                           // keybd_event
    std::uint32_t flags = 0;
    std::uintptr_t extraInfo = 0;
};

// One event as it went through the system.
struct Delivery {
    platform::KeyEvent event;
    bool injected = false;
    bool swallowed = false;
    char16_t unicode = 0;  // for a Unicode stroke: its character
};

class SimInput final : public platform::Keyboard,
                       public platform::SyntheticInput,
                       public platform::Hooks {
public:
    explicit SimInput(const SimLayout& layout = UsLayout());

    void setLayout(const SimLayout& layout);
    const SimLayout& layout() const { return *layout_; }
    // The event time stamps; tests keep it in step with the handler's clock.
    void setTime(std::uint32_t milliseconds) { time_ = milliseconds; }

    // --- The user's hands: each call queues the event and runs the queue to its end.
    void press(int vk);
    void release(int vk);
    void tap(int vk);  // press then release
    // Queues a physical event as given (flags, extra info) and runs the queue.
    void physical(const platform::KeyEvent& event);
    // Keys pressed and released faster than the hook answers: all queued, then run.
    void burst(std::initializer_list<std::pair<int, bool>> keysAndUps);
    // A mouse event of the user's hand, through the mouse hook when it is installed: true
    // when the hook swallowed it.
    bool mouse(const platform::MouseEvent& event) { return mouseSink_ != nullptr && mouseSink_->onMouseEvent(event); }
    // Delivers the waiting events, one at a time, unless an event is in the hook already.
    void pump();
    // A message pass of the hooking thread: the waiting events reach the hook now, nested
    // inside the event it is deciding when there is one, as Windows hands a hook its next
    // events while it lets messages run before answering.
    void deliverWaiting();
    std::size_t waiting() const { return queue_.size(); }

    // --- platform::Keyboard
    bool asyncKeyDown(int vk) const override;
    std::int16_t keyState(int vk) const override;
    platform::AsciiTranslation toAscii(int vk, bool shift) override;
    std::string layoutName() const override { return layout_->name; }

    // --- platform::SyntheticInput
    unsigned sendInput(std::span<const platform::KeyboardInput> records) override;
    void keybdEvent(std::uint8_t vk, std::uint32_t flags, std::uintptr_t extraInfo) override;

    // --- platform::Hooks
    bool installKeyboardHook(platform::KeyEventSink& sink) override;
    void removeKeyboardHook() override { keyboardSink_ = nullptr; }
    bool keyboardHookInstalled() const override { return keyboardSink_ != nullptr; }
    bool installMouseHook(platform::MouseEventSink& sink) override;
    void removeMouseHook() override { mouseSink_ = nullptr; }
    bool mouseHookInstalled() const override { return mouseSink_ != nullptr; }
    // Counts of installations, to tell "installed again" from "still installed".
    int mouseHookInstalls() const { return mouseHookInstalls_; }
    // The system drops a hook whose callback kept running too long, without telling the
    // program: its handle still looks valid, but no event reaches it until it is installed
    // again.
    void systemRemovesKeyboardHook() { keyboardHookDropped_ = true; }

    // --- What happened.
    const std::vector<SentInput>& sent() const { return sent_; }
    const std::vector<Delivery>& deliveries() const { return deliveries_; }
    void clearLogs();
    // The text the focused application received: Unicode strokes, and the characters of
    // key-downs that passed with neither Ctrl nor Alt down (Shift and Caps Lock applied;
    // dead keys combine with the next key).
    const std::u16string& typedText() const { return typed_; }
    // Key-downs of `vk` that reached the application.
    int keyDownsReceived(int vk) const;
    // The application would open its menu bar: an Alt key went down and up with no other
    // key reaching it in between. Counts every such Alt release since clearLogs.
    int menuActivations() const { return menuActivations_; }

    // Sets a key's state directly (for a test's starting position), without any event.
    void setKeyDown(int vk, bool down);
    void setCapsLock(bool on);

private:
    struct Queued {
        platform::KeyEvent event;
        bool injected = false;
        char16_t unicode = 0;
    };

    void enqueue(const platform::KeyEvent& event, bool injected, char16_t unicode = 0);
    void deliver(const Queued& queued);
    void applyToKeyState(const platform::KeyEvent& event);
    void applyToApplication(const Queued& queued);
    void setDown(int vk, bool down);

    const SimLayout* layout_;
    std::array<std::uint8_t, 256> state_{};  // 0x80 down, 0x01 toggled
    std::uint8_t appPendingDead_ = 0;        // the application's, for typedText
    std::deque<Queued> queue_;
    bool inHook_ = false;
    std::uint32_t time_ = 0;
    platform::KeyEventSink* keyboardSink_ = nullptr;
    bool keyboardHookDropped_ = false;
    platform::MouseEventSink* mouseSink_ = nullptr;
    int mouseHookInstalls_ = 0;

    std::vector<SentInput> sent_;
    std::vector<Delivery> deliveries_;
    std::u16string typed_;
    bool altAlone_ = false;  // an Alt key is down and nothing else reached the application
    int menuActivations_ = 0;
};

}  // namespace kz::sim
