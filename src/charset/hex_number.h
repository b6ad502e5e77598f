#pragma once
// Hexadecimal and rounded decimal numbers as the data formats write them.
#include <cstdint>
#include <optional>
#include <string_view>

namespace kz {

// A characters.dat code field: its leading hexadecimal digits (upper or lower case), so
// "e9", "00e9" and "00E9" are all 233 and an empty or non-hexadecimal field is 0. Nothing
// when the value needs more than 16 bits.
std::optional<char16_t> ReadCodeField(std::string_view field);

// One character group of a language body: one to four hexadecimal digits and nothing
// else. Nothing when any character is not a hexadecimal digit.
std::optional<char16_t> ReadHexGroup(std::string_view group);

// `value` rounded to the nearest whole number, halves to the even neighbour (the rounding
// of a number stored into an integer), or nothing when it does not fit in [low, high].
std::optional<long> RoundToRange(double value, long low, long high);

}  // namespace kz
