// The all-characters screen with the shipped data: opening it (the data files, the
// language list, the remembered state and the first fill of both lists) and one keystroke
// of the search by name over the whole character table. Targets: 5 ms and 1 ms.
#include <benchmark/benchmark.h>

#include "../unit/input_test_rig.h"  // the same simulated desktop as the unit tests
#include "charset/character_file.h"

namespace kz::testing {
namespace {

// The program's own screen on the shipped data files, in the popup's all-characters mode.
struct ShippedScreen {
    ShippedScreen() {
        input.world.setApplicationFolder(ZAVORA_DATA_DIR);
        LoadCharacterTable(input.characters, ZAVORA_DATA_DIR, input.codePage);
        input.popup.setMode(2);
    }
    InputRig input;
    AllCharacters& screen = input.program.popup()->screen();
};

void BM_OpenAllCharactersScreen(benchmark::State& state) {
    ShippedScreen s;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.input.popup.DefaultWidth());
    }
    state.counters["languages"] = static_cast<double>(s.screen.languageNames().size());
    state.counters["types"] = static_cast<double>(s.screen.groupNames().size());
}
BENCHMARK(BM_OpenAllCharactersScreen)->Unit(benchmark::kMicrosecond);

// The longest the keyboard hook's callback runs, on the paths that do the most: the key
// that opens the all-characters screen (range 0: Alt Gr + space) or the key popup (1:
// Alt Gr + E) for the first time after start-up on the shipped data. The system drops a
// hook whose callback runs past about 300 ms (less on some machines), so these must stay
// far below that. Each run is a fresh program.
void BM_WorstHookCallback(benchmark::State& state) {
    struct ShippedWorld : sim::SimWorld {
        ShippedWorld() { setApplicationFolder(ZAVORA_DATA_DIR); }
    };
    struct Machine {
        ShippedWorld world;
        sim::SimProcess process{world, 1, ""};
        sim::Windows1252CodePage codePage;
        SettingsStore store{world.registry()};
        sim::SimProgramWindows windows;
        app::Program program{SimProgramLinks(process, store, codePage, windows)};
    };
    const int opener = state.range(0) == 0 ? vk::kSpace : 'E';
    for (auto _ : state) {
        state.PauseTiming();
        auto machine = std::make_unique<Machine>();
        machine->program.start();
        machine->world.input().press(vk::kRMenu);
        state.ResumeTiming();
        machine->world.input().press(opener);
        state.PauseTiming();
        if (!machine->program.popup()->popup().shown()) state.SkipWithError("nothing opened");
        machine.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WorstHookCallback)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

// Each iteration is two keystrokes, "o" then Backspace, on top of the search "e ": each
// runs the search over every name of the table.
void BM_SearchKeystroke(benchmark::State& state) {
    ShippedScreen s;
    s.input.popup.DefaultWidth();
    s.screen.searchKey('E', 'e');
    s.screen.searchKey(vk::kSpace, ' ');
    const std::size_t capacity = s.screen.gridChars().capacity();
    for (auto _ : state) {
        s.screen.searchKey('O', 'o');
        s.screen.searchKey(vk::kBack, 0);
        benchmark::DoNotOptimize(s.screen.gridChars().data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 2);
    state.counters["table"] = static_cast<double>(s.input.characters.size());
    state.counters["result_list_grew"] = s.screen.gridChars().capacity() != capacity ? 1 : 0;
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kz::testing
