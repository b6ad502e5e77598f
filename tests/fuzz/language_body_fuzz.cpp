// Language bodies: any text reads as lines of at most a quarter as many characters.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "charset/language_body.h"
#include "platform/sim/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kz::sim::Windows1252CodePage codePage;
    static const kz::AnsiTable ansi(codePage);
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    std::size_t characters = 0;
    for (const auto& line : kz::ReadLanguageBody(body, ansi)) characters += line.characters.size();
    if (characters > size) __builtin_trap();
    return 0;
}
