#pragma once
#include <cstdint>
#include <string_view>

namespace kz {

// The trigger number stored in `Trigger`: the text's leading number rounded to the
// nearest integer, halves to even ("2.5" is 2, "3.5" is 4). A text that is not a number,
// or whose value does not fit 16 bits, is 0 (Alt Gr). Values that fit but lie outside
// 0 to 16 are kept as read: the key handler ignores triggers it does not know.
std::int16_t ParseTrigger(std::string_view text);

}  // namespace kz
