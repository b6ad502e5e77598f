// A storm of random key and mouse events over every trigger, with AutoInsert on and off,
// on a plain and on an Alt Gr layout with dead keys. After every event: no key is down
// for the system that the user does not hold (so every key-down the program injected has
// had its key-up), and whenever the hands are free the handler is idle: a plain letter
// reaches the application; memory stays flat. The length comes from ZAVORA_STORM_EVENTS
// (scripts/storm.sh runs a million); the default is a few seconds' worth.
#include <gtest/gtest.h>
#include <malloc.h>

#include <bitset>
#include <cstdlib>
#include <random>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

constexpr int kKeys[] = {vk::kLControl, vk::kRControl, vk::kLMenu, vk::kRMenu, vk::kLShift, vk::kRShift,
                         112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123,
                         'E', 'C', 'D', 'A', 'Y', 'S', 'Q', '1', '2', '0', 222, 192, '6', 189,
                         vk::kSpace, vk::kReturn, vk::kEscape, vk::kBack, vk::kUp, vk::kDown, vk::kLeft, vk::kRight};
constexpr std::uint32_t kMouseMessages[] = {0x200, 0x201, 0x202, 0x204, 0x205, 0x20A};

// Runs `events` random events; returns the first fault found (a key down that is not
// held, or a handler not idle), or "".
std::string RunStorm(InputRig& rig, std::mt19937& random, long events) {
    const auto pick = [&random](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    std::bitset<256> held;
    std::size_t heapAtStart = 0;
    const auto release = [&](int key) {
        held[key] = false;
        rig.sim.release(key);
    };
    for (long i = 0; i < events; ++i) {
        const int roll = pick(100);
        if (roll < 8) {
            rig.advance(static_cast<std::uint64_t>(pick(700)));
        } else if (roll < 14) {
            rig.sim.mouse({.x = pick(1024), .y = pick(768), .message = kMouseMessages[pick(6)]});
        } else if (roll < 20) {
            rig.process.processPendingMessages();
        } else if (held.any() && roll < 60) {
            int n = pick(static_cast<int>(held.count()));
            for (int key = 0; key < 256; ++key) {
                if (held[key] && n-- == 0) release(key);
            }
        } else if (const int key = kKeys[pick(static_cast<int>(std::size(kKeys)))]; !held[key] || pick(2) == 0) {
            held[key] = true;
            rig.sim.press(key);  // a press, or the auto-repeat of a held key
        } else {
            release(key);
        }
        if (i % 4096 == 0) {
            rig.sim.clearLogs();
            rig.windows.helpTopics.clear();
            const std::size_t heap = mallinfo2().uordblks;
            if (heapAtStart == 0) heapAtStart = heap;
            if (heap > heapAtStart + (512u << 10)) return "event " + std::to_string(i) + ": memory grew";
        }

        // The keys the user's hands hold down for the system: an Alt Gr layout adds a left Ctrl.
        for (int key = 1; key < 256; ++key) {
            if (key == vk::kShift || key == vk::kControl || key == vk::kMenu || held[key]) continue;
            if (key == vk::kLControl && rig.sim.layout().altGr && held[vk::kRMenu]) continue;
            if (rig.sim.asyncKeyDown(key)) return "event " + std::to_string(i) + ": key " + std::to_string(key);
        }
        // Hands free: half a second on, a plain letter reaches the application once any
        // popup left open for a choice is closed.
        if (held.none()) {
            rig.advance(600);
            if (rig.popup.shown()) rig.sim.tap(vk::kEscape);
            const int before = rig.sim.keyDownsReceived('Q');
            rig.sim.tap('Q');
            if (rig.popup.shown() || rig.gesture.triggerHeld || rig.sim.keyDownsReceived('Q') != before + 1) {
                return "event " + std::to_string(i) + ": not idle with every key let go";
            }
        }
    }
    return "";
}

TEST(StormTest, NoKeyStaysDownAndTheHandlerComesBackToIdle) {
    const char* text = std::getenv("ZAVORA_STORM_EVENTS");
    const long events = text != nullptr && std::atol(text) > 0 ? std::atol(text) : 300000;
    std::mt19937 random(1);
    for (const sim::SimLayout* layout : {&sim::UsLayout(), &sim::GermanLayout()}) {
        for (int trigger = 0; trigger <= 16; ++trigger) {
            for (bool autoInsert : {false, true}) {
                InputRig rig(*layout);
                rig.settings.trigger = static_cast<std::int16_t>(trigger);
                rig.settings.autoInsert = autoInsert;
                EXPECT_EQ(RunStorm(rig, random, std::max(1L, events / (17 * 2 * 2))), "")
                    << layout->name << " trigger " << trigger << (autoInsert ? " AutoInsert" : "");
            }
        }
    }
}

}  // namespace
}  // namespace kz::testing
