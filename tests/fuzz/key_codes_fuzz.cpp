// The [[n]] notation: any text expands, and every expansion step shortens it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "charset/key_codes.h"
#include "platform/sim/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kz::sim::Windows1252CodePage codePage;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (kz::ExpandKeyCodes(text, codePage).size() > size) __builtin_trap();
    return 0;
}
