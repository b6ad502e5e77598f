// Decoding a data file's bytes: any bytes give text, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "charset/text_file.h"
#include "charset/utf8.h"
#include "platform/sim/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kz::sim::Windows1252CodePage codePage;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = kz::DecodeTextFile(bytes, codePage);
    // Decoding never adds characters: one per byte at most.
    if (kz::utf8::ToUtf16(text).size() > size) __builtin_trap();
    return 0;
}
