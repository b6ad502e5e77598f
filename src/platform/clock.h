#pragma once
#include <cstdint>

namespace kz::platform {

// The system tick clock. Milliseconds since an arbitrary start; never runs backwards
// within one process (the 32-bit system counter's wrap-around is the backend's business).
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t milliseconds() const = 0;
};

}  // namespace kz::platform
