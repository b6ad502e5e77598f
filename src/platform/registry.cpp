#include "platform/registry.h"

namespace kz::platform {

std::vector<ValueName> ReadValueNames(const std::function<IndexAnswer(std::uint32_t index, ValueName& value)>& valueAt) {
    std::vector<ValueName> out;
    for (std::uint32_t index = 0;; ++index) {
        ValueName value;
        if (valueAt(index, value) != IndexAnswer::Value) return out;
        out.push_back(std::move(value));
    }
}

}  // namespace kz::platform
