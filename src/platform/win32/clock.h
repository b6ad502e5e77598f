#pragma once
#include "platform/clock.h"

namespace kz::win32 {

// GetTickCount64: 64 bits, so the 49-day wrap-around of the 32-bit counter never shows.
class Win32Clock final : public platform::Clock {
public:
    std::uint64_t milliseconds() const override;
};

}  // namespace kz::win32
