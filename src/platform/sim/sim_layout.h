#pragma once
// Keyboard layouts of the simulated desktop: what each key types with and without Shift,
// which keys are dead keys, and what a dead key makes of the key after it.
#include <array>
#include <cstdint>
#include <string>

namespace kz::sim {

struct SimKey {
    std::uint8_t normal = 0;   // ANSI code typed without modifiers, 0 = none
    std::uint8_t shifted = 0;  // with Shift
    bool deadNormal = false;   // `normal` is an accent waiting for the next key
    bool deadShifted = false;
};

struct SimLayout {
    std::string name;     // as GetKeyboardLayoutNameA reports it
    bool altGr = false;   // the right Alt also reports a left Ctrl, as Alt Gr layouts do
    std::array<SimKey, 256> keys{};
};

// US English (00000409): no dead keys, right Alt is plain Alt.
const SimLayout& UsLayout();
// UK English (00000809): "£" on Shift+3, "#" and "~" beside Enter, Alt Gr.
const SimLayout& UkLayout();
// US International (00020409): "'", "\"", "`", "~" and "^" are dead keys, Alt Gr.
const SimLayout& UsInternationalLayout();
// German (00000407): "^", the acute and the grave are dead keys, Alt Gr.
const SimLayout& GermanLayout();
// French (0000040C): digits on Shift, "^" and the diaeresis are dead keys, Alt Gr.
const SimLayout& FrenchLayout();

// The ANSI character an accent makes of `base`, 0 when they do not combine.
std::uint8_t ComposeDead(std::uint8_t accent, std::uint8_t base);

}  // namespace kz::sim
