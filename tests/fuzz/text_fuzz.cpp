// Texts as files and settings hold them: any bytes decode to at most one character per
// byte, give at most 1001 type names (groups.dat), and expand the [[n]] notation of
// settings texts so that every expansion step shortens them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "charset/group_file.h"
#include "charset/key_codes.h"
#include "charset/text_file.h"
#include "charset/utf8.h"
#include "platform/sim/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kz::sim::Windows1252CodePage codePage;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (kz::utf8::ToUtf16(kz::DecodeTextFile(bytes, codePage)).size() > size) __builtin_trap();
    if (kz::ParseGroupNames(bytes).size() > kz::kMaxGroups) __builtin_trap();
    if (kz::ExpandKeyCodes(bytes, codePage).size() > size) __builtin_trap();
    return 0;
}
