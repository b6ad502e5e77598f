#pragma once
#include <cstdint>

#include "platform/clock.h"

namespace kz::sim {

// A clock that moves only when told to: by a test, or by a simulated process that idles.
class SimClock final : public platform::Clock {
public:
    std::uint64_t milliseconds() const override { return now_; }
    void advance(std::uint64_t ms) { now_ += ms; }

private:
    std::uint64_t now_ = 1'000'000;  // not zero, so arithmetic from a start value is tested
};

}  // namespace kz::sim
