#include "language.h"

#include <algorithm>

namespace datagen {

bool Language::offers(char32_t code) const {
    return std::any_of(keys.begin(), keys.end(), [code](const auto& key) {
        return std::find(key.second.begin(), key.second.end(), code) != key.second.end();
    });
}

std::size_t Language::characterCount() const {
    std::size_t count = 0;
    for (const auto& [key, codes] : keys) count += codes.size();
    return count;
}

}  // namespace datagen
