// A storm of random key and mouse events over every trigger, with AutoInsert on and off,
// on a plain and on an Alt Gr layout with dead keys. After every event: no key is down
// for the system that the user does not hold (so every key-down the program injected has
// had its key-up), and whenever the hands are free the handler is idle: a plain letter
// reaches the application. Memory stays flat. The length comes from ZAVORA_STORM_EVENTS
// (scripts/storm.sh runs a million); the default is a few seconds' worth.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdlib>
#include <random>
#include <sstream>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

constexpr int kKeys[] = {vk::kLControl, vk::kRControl, vk::kLMenu, vk::kRMenu, vk::kLShift, vk::kRShift,
                         112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123,
                         'E', 'C', 'D', 'A', 'Y', 'S', 'Q', '1', '2', '0', 222, 192, '6', 189,
                         vk::kSpace, vk::kReturn, vk::kEscape, vk::kBack, vk::kUp, vk::kDown,
                         vk::kLeft, vk::kRight};
constexpr std::uint32_t kMouseMessages[] = {0x200, 0x201, 0x202, 0x204, 0x205, 0x20A};

long StormEvents() {
    const char* text = std::getenv("ZAVORA_STORM_EVENTS");
    const long events = text != nullptr ? std::atol(text) : 0;
    return events > 0 ? events : 300000;
}

std::size_t HeapInUse() { return mallinfo2().uordblks; }

class Storm {
public:
    Storm(const sim::SimLayout& layout, int trigger, bool autoInsert, unsigned seed)
        : rig_(layout), random_(seed) {
        rig_.settings.trigger = static_cast<std::int16_t>(trigger);
        rig_.settings.autoInsert = autoInsert;
        std::ostringstream name;
        name << layout.name << " trigger " << trigger << (autoInsert ? " AutoInsert" : "");
        name_ = name.str();
    }

    // Runs `events` events; returns the first violations found (at most a few).
    std::vector<std::string> run(long events) {
        std::size_t baseline = 0;
        for (long i = 0; i < events && violations_.size() < 5; ++i) {
            step();
            check(i);
            if (i % 4096 == 4095) {
                rig_.sim.clearLogs();
                rig_.windows.helpTopics.clear();
                const std::size_t heap = HeapInUse();
                if (baseline == 0) baseline = heap;
                if (heap > baseline + (512u << 10)) report(i, "memory grew by " + std::to_string(heap - baseline));
            }
        }
        return violations_;
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    void step() {
        const int roll = pick(100);
        if (roll < 8) {
            rig_.advance(static_cast<std::uint64_t>(pick(700)));
        } else if (roll < 14) {
            rig_.sim.mouse({.x = pick(1024), .y = pick(768), .message = kMouseMessages[pick(6)]});
        } else if (roll < 20) {
            rig_.process.processPendingMessages();
        } else if (held_.any() && roll < 60) {
            release(heldKey());
        } else {
            const int key = kKeys[pick(static_cast<int>(std::size(kKeys)))];
            if (held_[key] && pick(2) == 0) {
                rig_.sim.press(key);  // auto-repeat
            } else if (held_[key]) {
                release(key);
            } else {
                held_[key] = true;
                rig_.sim.press(key);
            }
        }
    }

    int heldKey() {
        int n = pick(static_cast<int>(held_.count()));
        for (int key = 0; key < 256; ++key) {
            if (held_[key] && n-- == 0) return key;
        }
        return 0;
    }

    void release(int key) {
        held_[key] = false;
        rig_.sim.release(key);
    }

    // The keys the user's hands hold down for the system: an Alt Gr layout adds a left Ctrl.
    bool heldBySystemRules(int key) const {
        if (held_[key]) return true;
        return key == vk::kLControl && rig_.sim.layout().altGr && held_[vk::kRMenu];
    }

    void check(long i) {
        for (int key = 1; key < 256; ++key) {
            if (key == vk::kShift || key == vk::kControl || key == vk::kMenu) continue;
            if (rig_.sim.asyncKeyDown(key) && !heldBySystemRules(key)) {
                report(i, "key " + std::to_string(key) + " is down but not held");
            }
        }
        if (held_.none()) checkIdle(i);
    }

    // Hands free: half a second on, a plain letter reaches the application once any popup
    // left open for a choice is closed.
    void checkIdle(long i) {
        rig_.advance(600);
        if (rig_.popup.shown()) rig_.sim.tap(vk::kEscape);
        const int before = rig_.sim.keyDownsReceived('Q');
        rig_.sim.tap('Q');
        if (rig_.popup.shown() || rig_.gesture.triggerHeld || rig_.sim.keyDownsReceived('Q') != before + 1) {
            report(i, "not idle with every key let go");
        }
    }

    void report(long i, const std::string& what) {
        violations_.push_back(name_ + ", event " + std::to_string(i) + ": " + what);
    }

    InputRig rig_;
    std::mt19937 random_;
    std::bitset<256> held_;
    std::string name_;
    std::vector<std::string> violations_;
};

TEST(StormTest, NoKeyStaysDownAndTheHandlerComesBackToIdle) {
    const sim::SimLayout* layouts[] = {&sim::UsLayout(), &sim::GermanLayout()};
    const long perRun = std::max(1L, StormEvents() / (17 * 2 * 2));
    unsigned seed = 1;
    for (const sim::SimLayout* layout : layouts) {
        for (int trigger = 0; trigger <= 16; ++trigger) {
            for (bool autoInsert : {false, true}) {
                Storm storm(*layout, trigger, autoInsert, seed++);
                for (const std::string& violation : storm.run(perRun)) ADD_FAILURE() << violation;
            }
        }
    }
}

}  // namespace
}  // namespace kz::testing
