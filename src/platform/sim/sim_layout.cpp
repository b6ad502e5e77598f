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

// German (00000407): "^" and the acute and grave accents are dead keys; the quotes are
// Shift + 2 and Shift + #.
SimLayout MakeGerman() {
    SimLayout layout = MakeUs();
    layout.name = "00000407";
    layout.altGr = true;
    constexpr std::string_view kShiftedDigits = "=!\"\xA7$%&/()";
    for (int d = 0; d <= 9; ++d) {
        Set(layout, '0' + d, static_cast<std::uint8_t>('0' + d), static_cast<std::uint8_t>(kShiftedDigits[d]));
    }
    Set(layout, 186, 0xFC, 0xDC);  // u umlaut
    Set(layout, 187, '+', '*');
    Set(layout, 188, ',', ';');
    Set(layout, 190, '.', ':');
    Set(layout, 191, '#', '\'');
    Set(layout, 192, 0xF6, 0xD6);  // o umlaut
    Set(layout, 219, 0xDF, '?');   // sharp s
    Set(layout, 220, '^', 0xB0);   // dead circumflex, degree sign
    Set(layout, 221, 0xB4, '`');   // dead acute, dead grave
    Set(layout, 222, 0xE4, 0xC4);  // a umlaut
    Set(layout, 226, '<', '>');
    layout.keys[220].deadNormal = true;
    layout.keys[221].deadNormal = layout.keys[221].deadShifted = true;
    return layout;
}

// French (0000040C): the digits need Shift, the unshifted top row types & e-acute " ' (
// - e-grave _ c-cedilla a-grave; "^" and the diaeresis are dead keys.
SimLayout MakeFrench() {
    SimLayout layout = MakeUs();
    layout.name = "0000040C";
    layout.altGr = true;
    constexpr std::string_view kTopRow = "\xE0&\xE9\"'(-\xE8_\xE7";
    for (int d = 0; d <= 9; ++d) {
        Set(layout, '0' + d, static_cast<std::uint8_t>(kTopRow[d]), static_cast<std::uint8_t>('0' + d));
    }
    Set(layout, 186, '$', 0xA3);
    Set(layout, 187, '=', '+');
    Set(layout, 188, ',', '?');
    Set(layout, 189, 0, 0);
    Set(layout, 190, ';', '.');
    Set(layout, 191, ':', '/');
    Set(layout, 192, 0xF9, '%');
    Set(layout, 219, ')', 0xB0);
    Set(layout, 220, '*', 0xB5);
    Set(layout, 221, '^', 0xA8);  // dead circumflex, dead diaeresis
    Set(layout, 222, 0xB2, 0);
    Set(layout, 223, '!', 0xA7);
    Set(layout, 226, '<', '>');
    layout.keys[221].deadNormal = layout.keys[221].deadShifted = true;
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

const SimLayout& GermanLayout() {
    static const SimLayout kLayout = MakeGerman();
    return kLayout;
}

const SimLayout& FrenchLayout() {
    static const SimLayout kLayout = MakeFrench();
    return kLayout;
}

std::uint8_t ComposeDead(std::uint8_t accent, std::uint8_t base) {
    static constexpr Composition kTable[] = {
        {'\'', "aeiouycAEIOUYC", "\xE1\xE9\xED\xF3\xFA\xFD\xE7\xC1\xC9\xCD\xD3\xDA\xDD\xC7"},
        {'`', "aeiouAEIOU", "\xE0\xE8\xEC\xF2\xF9\xC0\xC8\xCC\xD2\xD9"},
        {'^', "aeiouAEIOU", "\xE2\xEA\xEE\xF4\xFB\xC2\xCA\xCE\xD4\xDB"},
        {'"', "aeiouyAEIOU", "\xE4\xEB\xEF\xF6\xFC\xFF\xC4\xCB\xCF\xD6\xDC"},
        {'~', "aonAON", "\xE3\xF5\xF1\xC3\xD5\xD1"},
        {0xB4, "aeiouyAEIOUY", "\xE1\xE9\xED\xF3\xFA\xFD\xC1\xC9\xCD\xD3\xDA\xDD"},
        {0xA8, "aeiouyAEIOU", "\xE4\xEB\xEF\xF6\xFC\xFF\xC4\xCB\xCF\xD6\xDC"},
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
