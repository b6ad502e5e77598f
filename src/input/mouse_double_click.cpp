#include "input/mouse_double_click.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "settings/leading_number.h"

namespace kz {
namespace {

constexpr std::string_view kMouseKey = "Control Panel\\Mouse";

int ReadNumber(const platform::Registry& registry, std::string_view name, int fallback) {
    const std::optional<platform::RawValue> value = registry.query(platform::Scope::PerUser, kMouseKey, name);
    if (!value || value->type == platform::ValueType::Other) return fallback;
    const std::string_view text(value->text.data(), std::min(value->text.find('\0'), value->text.size()));
    const double number = LeadingNumber(text);
    // Far beyond any real setting; keeps the arithmetic below in range.
    constexpr double kLimit = 1'000'000'000.0;
    if (!(number > -kLimit)) return static_cast<int>(-kLimit);
    if (!(number < kLimit)) return static_cast<int>(kLimit);
    return static_cast<int>(std::lround(number));
}

}  // namespace

DoubleClickSettings ReadDoubleClickSettings(const platform::Registry& registry) {
    DoubleClickSettings settings;
    settings.width = ReadNumber(registry, "DoubleClickWidth", settings.width);
    settings.height = ReadNumber(registry, "DoubleClickHeight", settings.height);
    settings.speedMs = ReadNumber(registry, "DoubleClickSpeed", settings.speedMs);
    return settings;
}

bool IsDoubleClick(const DoubleClickSettings& settings, int x, int y, std::uint64_t now, int lastX,
                   int lastY, std::uint64_t lastTime) {
    const long long dx = std::llabs(static_cast<long long>(x) - lastX);
    const long long dy = std::llabs(static_cast<long long>(y) - lastY);
    const long long due = static_cast<long long>(lastTime) + settings.speedMs;
    return dx <= settings.width && dy <= settings.height && due >= static_cast<long long>(now);
}

}  // namespace kz
