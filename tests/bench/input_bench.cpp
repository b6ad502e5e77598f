// The key handler's cost per key event: idle, with the trigger held, with the popup
// shown, and the cost of opening the popup. The handler runs for every key typed on the
// desktop, so the idle path must stay far below a microsecond and must not allocate.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "../unit/input_test_rig.h"  // the same simulated desktop as the unit tests

// The replaced operator new takes its memory from malloc, so free is its match; GCC
// cannot see through the replacement and would call every inlined delete a mismatch.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

namespace {
std::atomic<long long> gAllocations{0};
}  // namespace

// Counts every allocation of the benchmark binary, so the idle path can show it makes none.
void* operator new(std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace kz::testing {
namespace {

platform::KeyEvent Down(int vk) { return {.vk = static_cast<std::uint32_t>(vk)}; }
platform::KeyEvent Up(int vk) {
    return {.vk = static_cast<std::uint32_t>(vk), .flags = platform::kKeyFlagUp};
}

void ReportAllocations(benchmark::State& state, long long before) {
    state.counters["allocs_per_event"] = benchmark::Counter(
        static_cast<double>(gAllocations.load() - before) / static_cast<double>(state.iterations()));
}

// Q goes down and up again and again through the handler, counting allocations.
void RunLetterDownUp(benchmark::State& state, InputRig& rig) {
    const platform::KeyEvent events[2] = {Down('Q'), Up('Q')};
    std::size_t i = 0;
    const long long before = gAllocations.load();
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.handler.handle(events[i++ & 1]));
    }
    ReportAllocations(state, before);
}

// Nothing held: a letter goes down and up.
void BM_HandlerIdle(benchmark::State& state) {
    InputRig rig;
    RunLetterDownUp(state, rig);
}
BENCHMARK(BM_HandlerIdle);

// F12 held (no Alt, so no menu mask): a key without characters is swallowed, nothing opens.
void BM_HandlerTriggerHeld(benchmark::State& state) {
    InputRig rig;
    rig.settings.trigger = 4;
    rig.sim.press(vk::kF12);
    RunLetterDownUp(state, rig);
}
BENCHMARK(BM_HandlerTriggerHeld);

// The popup is shown: arrow keys go to it, move the selection and redraw (recording view).
void BM_HandlerPopupShown(benchmark::State& state) {
    InputRig rig;
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('A');
    rig.sim.release(vk::kRMenu);
    const platform::KeyEvent events[4] = {Down(vk::kDown), Up(vk::kDown), Down(vk::kUp),
                                          Up(vk::kUp)};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.handler.handle(events[i++ & 3]));
    }
}
BENCHMARK(BM_HandlerPopupShown);

// Alt Gr held on the simulated desktop, E and C alternately: every key-down opens the
// popup for its key (layout, placement, selection), and the menu mask goes out and comes
// back through the handler.
void BM_OpenPopup(benchmark::State& state) {
    InputRig rig;
    rig.sim.press(vk::kRMenu);
    int keys[2] = {'E', 'C'};
    std::size_t i = 0;
    for (auto _ : state) {
        rig.sim.press(keys[i++ & 1]);
        state.PauseTiming();
        rig.sim.release(keys[(i - 1) & 1]);
        rig.sim.clearLogs();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPopup);

}  // namespace
}  // namespace kz::testing
