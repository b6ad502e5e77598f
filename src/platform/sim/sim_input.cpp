#include "platform/sim/sim_input.h"

#include <utility>

namespace kz::sim {
namespace {

using platform::kKeyFlagExtended;
using platform::kKeyFlagInjected;
using platform::kKeyFlagUp;

constexpr int kShift = 16, kControl = 17, kMenu = 18, kCapital = 20;
constexpr int kLShift = 160, kRShift = 161, kLControl = 162, kRControl = 163;
constexpr int kLMenu = 164, kRMenu = 165;
constexpr std::uint32_t kAltGrCtrlScan = 0x21D;

constexpr bool IsAlt(int vk) { return vk == kMenu || vk == kLMenu || vk == kRMenu; }

// The side a Ctrl or Alt lands on is the extended flag's, whichever code names it: a
// left Ctrl sent with the flag goes down (or up) as the right Ctrl, as on Windows.
int SideOf(int vk, bool extended) {
    switch (vk) {
        case kShift: return kLShift;
        case kControl: case kLControl: case kRControl: return extended ? kRControl : kLControl;
        case kMenu: case kLMenu: case kRMenu: return extended ? kRMenu : kLMenu;
        default: return vk;
    }
}

int GenericOf(int side) {
    if (side == kLShift || side == kRShift) return kShift;
    if (side == kLControl || side == kRControl) return kControl;
    if (side == kLMenu || side == kRMenu) return kMenu;
    return 0;
}

bool IsExtendedKey(int vk) {
    return vk == kRMenu || vk == kRControl || (vk >= 33 && vk <= 46) || vk == 144;
}

}  // namespace

SimInput::SimInput(const SimLayout& layout) : layout_(&layout) {}

void SimInput::setLayout(const SimLayout& layout) {
    layout_ = &layout;
    appPendingDead_ = 0;
}

// --- Physical keys.

void SimInput::press(int vk) {
    if (layout_->altGr && vk == kRMenu) {
        enqueue({.vk = kLControl, .scanCode = kAltGrCtrlScan, .time = time_}, false);
    }
    const std::uint32_t flags = IsExtendedKey(vk) ? kKeyFlagExtended : 0;
    enqueue({.vk = static_cast<std::uint32_t>(vk), .flags = flags, .time = time_}, false);
    pump();
}

void SimInput::release(int vk) {
    if (layout_->altGr && vk == kRMenu) {
        enqueue({.vk = kLControl, .scanCode = kAltGrCtrlScan, .flags = kKeyFlagUp, .time = time_},
                false);
    }
    const std::uint32_t flags = (IsExtendedKey(vk) ? kKeyFlagExtended : 0) | kKeyFlagUp;
    enqueue({.vk = static_cast<std::uint32_t>(vk), .flags = flags, .time = time_}, false);
    pump();
}

void SimInput::tap(int vk) {
    press(vk);
    release(vk);
}

void SimInput::physical(const platform::KeyEvent& event) {
    enqueue(event, false);
    pump();
}

void SimInput::burst(std::initializer_list<std::pair<int, bool>> keysAndUps) {
    for (const auto& [vk, up] : keysAndUps) {
        const std::uint32_t flags = (IsExtendedKey(vk) ? kKeyFlagExtended : 0) | (up ? kKeyFlagUp : 0);
        enqueue({.vk = static_cast<std::uint32_t>(vk), .flags = flags, .time = time_}, false);
    }
    pump();
}

void SimInput::enqueue(const platform::KeyEvent& event, bool injected, char16_t unicode) {
    queue_.push_back({event, injected, unicode});
}

void SimInput::pump() {
    if (inHook_) return;  // the input thread waits for the hook's answer
    deliverWaiting();
}

void SimInput::deliverWaiting() {
    while (!queue_.empty()) {
        const Queued next = queue_.front();
        queue_.pop_front();
        deliver(next);
    }
}

void SimInput::deliver(const Queued& queued) {
    bool swallowed = false;
    if (keyboardSink_ && !keyboardHookDropped_) {
        const bool outer = std::exchange(inHook_, true);
        swallowed = keyboardSink_->onKeyEvent(queued.event);
        inHook_ = outer;
    }
    if (!swallowed) {
        applyToApplication(queued);
        applyToKeyState(queued.event);
    }
    deliveries_.push_back({queued.event, queued.injected, swallowed, queued.unicode});
}

// --- Key state.

void SimInput::setDown(int vk, bool down) {
    const int side = vk;
    if (down) {
        state_[side] |= 0x80;
    } else {
        state_[side] &= static_cast<std::uint8_t>(~0x80);
    }
    if (const int generic = GenericOf(side)) {
        const int left = generic == kShift ? kLShift : generic == kControl ? kLControl : kLMenu;
        const bool either = (state_[left] & 0x80) || (state_[left + 1] & 0x80);
        state_[generic] = either ? (state_[generic] | 0x80) : (state_[generic] & 0x7F);
    }
}

void SimInput::applyToKeyState(const platform::KeyEvent& event) {
    if (event.vk == platform::kPacketKey) return;  // a Unicode stroke holds no key
    const bool up = event.isUp();
    const int vk = SideOf(static_cast<int>(event.vk & 0xFF), event.flags & kKeyFlagExtended);
    if (vk == kCapital && !up && !(state_[kCapital] & 0x80)) state_[kCapital] ^= 0x01;
    setDown(vk, !up);
}

void SimInput::setKeyDown(int vk, bool down) { setDown(SideOf(vk, IsExtendedKey(vk)), down); }

void SimInput::setCapsLock(bool on) {
    state_[kCapital] = static_cast<std::uint8_t>((state_[kCapital] & 0x80) | (on ? 1 : 0));
}

bool SimInput::asyncKeyDown(int vk) const {
    return vk >= 0 && vk < 256 && (state_[vk] & 0x80) != 0;
}

std::int16_t SimInput::keyState(int vk) const {
    if (vk < 0 || vk >= 256) return 0;
    const int down = (state_[vk] & 0x80) ? -128 : 0;
    return static_cast<std::int16_t>(down | (state_[vk] & 0x01));
}

// Asked the way ToUnicodeEx asks with "keep the keyboard state": the answer never leaves
// an accent pending, neither for the program nor for the application.
platform::AsciiTranslation SimInput::toAscii(int vk, bool shift) {
    if (vk < 0 || vk >= 256) return {};
    const SimKey& key = layout_->keys[vk];
    const std::uint8_t ch = shift ? key.shifted : key.normal;
    if (ch == 0) return {};
    if (shift ? key.deadShifted : key.deadNormal) return {-1, ch};
    return {1, ch};
}

// --- The application with the focus.

void SimInput::applyToApplication(const Queued& queued) {
    const platform::KeyEvent& event = queued.event;
    const int vk = static_cast<int>(event.vk & 0xFF);
    if (event.isUp()) {
        if (IsAlt(vk) && altAlone_) {
            ++menuActivations_;
            altAlone_ = false;
        }
        return;
    }
    if (IsAlt(vk)) {
        if (!asyncKeyDown(kMenu)) altAlone_ = !asyncKeyDown(kControl);
        return;
    }
    altAlone_ = false;
    if (queued.unicode != 0) {
        typed_.push_back(queued.unicode);
        return;
    }
    if (asyncKeyDown(kControl) || asyncKeyDown(kMenu)) return;
    const SimKey& key = layout_->keys[vk];
    const bool shift = asyncKeyDown(kShift);
    std::uint8_t ch = shift ? key.shifted : key.normal;
    if (ch == 0) return;
    if ((shift ? key.deadShifted : key.deadNormal)) {
        appPendingDead_ = ch;
        return;
    }
    if (vk >= 'A' && vk <= 'Z' && (state_[kCapital] & 0x01)) ch ^= 0x20;
    if (ch < 32) return;
    if (appPendingDead_ != 0) {
        const std::uint8_t composed = ComposeDead(appPendingDead_, ch);
        if (composed == 0) typed_.push_back(appPendingDead_);
        typed_.push_back(composed != 0 ? composed : ch);
        appPendingDead_ = 0;
        return;
    }
    typed_.push_back(ch);
}

int SimInput::keyDownsReceived(int vk) const {
    int count = 0;
    for (const Delivery& d : deliveries_) {
        if (!d.swallowed && !d.event.isUp() && static_cast<int>(d.event.vk) == vk) ++count;
    }
    return count;
}

void SimInput::clearLogs() {
    sent_.clear();
    deliveries_.clear();
    typed_.clear();
    menuActivations_ = 0;
}

// --- Synthesised input.

unsigned SimInput::sendInput(std::span<const platform::KeyboardInput> records) {
    SentInput call{.kind = SentInput::Kind::SendInput, .records = {}};
    call.records.assign(records.begin(), records.end());
    sent_.push_back(std::move(call));
    for (const platform::KeyboardInput& record : records) {
        const bool unicode = (record.flags & platform::kKeyEventUnicode) != 0;
        std::uint32_t flags = kKeyFlagInjected;
        if (record.flags & platform::kKeyEventKeyUp) flags |= kKeyFlagUp;
        if (record.flags & platform::kKeyEventExtendedKey) flags |= kKeyFlagExtended;
        const platform::KeyEvent event{.vk = unicode ? platform::kPacketKey : record.vk,
                                       .scanCode = record.scan,
                                       .flags = flags,
                                       .time = time_,
                                       .extraInfo = record.extraInfo};
        enqueue(event, true, unicode ? static_cast<char16_t>(record.scan) : u'\0');
    }
    pump();
    return static_cast<unsigned>(records.size());
}

void SimInput::keybdEvent(std::uint8_t vk, std::uint32_t flags, std::uintptr_t extraInfo) {
    sent_.push_back({.kind = SentInput::Kind::KeybdEvent, .records = {}, .vk = vk, .flags = flags,
                     .extraInfo = extraInfo});
    std::uint32_t eventFlags = kKeyFlagInjected;
    if (flags & platform::kKeyEventKeyUp) eventFlags |= kKeyFlagUp;
    if (flags & platform::kKeyEventExtendedKey) eventFlags |= kKeyFlagExtended;
    enqueue({.vk = vk, .flags = eventFlags, .time = time_, .extraInfo = extraInfo}, true);
    pump();
}

// --- Hooks.

bool SimInput::installKeyboardHook(platform::KeyEventSink& sink) {
    if (keyboardSink_ == nullptr) keyboardHookDropped_ = false;  // a new hook
    keyboardSink_ = &sink;
    return true;
}

bool SimInput::installMouseHook(platform::MouseEventSink& sink) {
    mouseSink_ = &sink;
    ++mouseHookInstalls_;
    return true;
}

}  // namespace kz::sim
