#pragma once
// Virtual-key codes the program names, with the values Windows gives them.
namespace kz::vk {

inline constexpr int kBack = 8;
inline constexpr int kReturn = 13;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kMenu = 18;
inline constexpr int kCapital = 20;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPrior = 33;
inline constexpr int kNext = 34;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kPrint = 42;
inline constexpr int kSnapshot = 44;
inline constexpr int kF1 = 112;
inline constexpr int kF10 = 121;
inline constexpr int kF12 = 123;
inline constexpr int kLShift = 160;
inline constexpr int kRShift = 161;
inline constexpr int kLControl = 162;
inline constexpr int kRControl = 163;
inline constexpr int kLMenu = 164;
inline constexpr int kRMenu = 165;

// Shift, Ctrl and Alt in their generic and side-specific codes, except the generic Alt:
// the key handler's modifier set.
constexpr bool IsModifier(int key) {
    return key == kControl || key == kShift || (key >= kLShift && key <= kRMenu);
}

constexpr bool IsFunctionKey(int key) { return key >= kF1 && key <= kF12; }

}  // namespace kz::vk
