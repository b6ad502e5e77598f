// groups.dat: any text gives at most 1001 type names.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "charset/group_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (kz::ParseGroupNames(text).size() > kz::kMaxGroups) __builtin_trap();
    return 0;
}
