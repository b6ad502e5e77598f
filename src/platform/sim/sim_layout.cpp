#include "platform/sim/sim_layout.h"

#include <string_view>

namespace kz::sim {
namespace {

void Set(SimLayout& layout, int vk, std::uint8_t normal, std::uint8_t shifted) {
    layout.keys[vk].normal = normal;
    layout.keys[vk].shifted = shifted;
}

SimLayout MakeUs() {
    SimLayout layout;
    layout.name = "00000409";
    for (int vk = 'A'; vk <= 'Z'; ++vk) {
        Set(layout, vk, static_cast<std::uint8_t>(vk + 32), static_cast<std::uint8_t>(vk));
    }
    constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";
    for (int d = 0; d <= 9; ++d) {
        Set(layout, '0' + d, static_cast<std::uint8_t>('0' + d),
            static_cast<std::uint8_t>(kShiftedDigits[d]));
    }
    Set(layout, 32, ' ', ' ');
    Set(layout, 8, 8, 8);
    Set(layout, 9, 9, 9);
    Set(layout, 13, 13, 13);
    Set(layout, 27, 27, 27);
    Set(layout, 186, ';', ':');
    Set(layout, 187, '=', '+');
    Set(layout, 188, ',', '<');
    Set(layout, 189, '-', '_');
    Set(layout, 190, '.', '>');
    Set(layout, 191, '/', '?');
    Set(layout, 192, '`', '~');
    Set(layout, 219, '[', '{');
    Set(layout, 220, '\\', '|');
    Set(layout, 221, ']', '}');
    Set(layout, 222, '\'', '"');
    return layout;
}

SimLayout MakeUk() {
    SimLayout layout = MakeUs();
    layout.name = "00000809";
    layout.altGr = true;
    Set(layout, '2', '2', '"');
    Set(layout, '3', '3', 0xA3);  // pound sign
    Set(layout, 192, '\'', '@');
    Set(layout, 222, '#', '~');
    Set(layout, 223, '`', 0xAC);  // not sign
    Set(layout, 226, '\\', '|');
    return layout;
}

SimLayout MakeUsInternational() {
    SimLayout layout = MakeUs();
    layout.name = "00020409";
    layout.altGr = true;
    layout.keys[222].deadNormal = layout.keys[222].deadShifted = true;  // ' and "
    layout.keys[192].deadNormal = layout.keys[192].deadShifted = true;  // ` and ~
    layout.keys['6'].deadShifted = true;                                // ^
    return layout;
}

struct Composition {
    std::uint8_t accent;
    std::string_view bases;
    std::string_view results;
};

}  // namespace

const SimLayout& UsLayout() {
    static const SimLayout kLayout = MakeUs();
    return kLayout;
}

const SimLayout& UkLayout() {
    static const SimLayout kLayout = MakeUk();
    return kLayout;
}

const SimLayout& UsInternationalLayout() {
    static const SimLayout kLayout = MakeUsInternational();
    return kLayout;
}

std::uint8_t ComposeDead(std::uint8_t accent, std::uint8_t base) {
    static constexpr Composition kTable[] = {
        {'\'', "aeiouycAEIOUYC", "\xE1\xE9\xED\xF3\xFA\xFD\xE7\xC1\xC9\xCD\xD3\xDA\xDD\xC7"},
        {'`', "aeiouAEIOU", "\xE0\xE8\xEC\xF2\xF9\xC0\xC8\xCC\xD2\xD9"},
        {'^', "aeiouAEIOU", "\xE2\xEA\xEE\xF4\xFB\xC2\xCA\xCE\xD4\xDB"},
        {'"', "aeiouyAEIOU", "\xE4\xEB\xEF\xF6\xFC\xFF\xC4\xCB\xCF\xD6\xDC"},
        {'~', "aonAON", "\xE3\xF5\xF1\xC3\xD5\xD1"},
    };
    if (base == ' ') return accent;
    for (const Composition& row : kTable) {
        if (row.accent != accent) continue;
        const auto at = row.bases.find(static_cast<char>(base));
        if (at != std::string_view::npos) return static_cast<std::uint8_t>(row.results[at]);
    }
    return 0;
}

}  // namespace kz::sim
