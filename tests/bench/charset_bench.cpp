// The key table build and the character table load over the shipped data files.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "charset/character_file.h"
#include "charset/data_files.h"
#include "charset/key_table_builder.h"
#include "charset/language_order.h"
#include "platform/sim/code_page.h"
#include "platform/sim/sim_input.h"
#include "platform/sim/sim_registry.h"

namespace kz {
namespace {

const std::string kFolder = ZAVORA_DATA_DIR;

void BM_BuildKeyTableAllLanguages(benchmark::State& state) {
    sim::Windows1252CodePage codePage;
    sim::SimRegistry registry;
    SettingsStore store(registry);
    sim::SimInput keyboard(sim::UkLayout());
    std::string everything;
    std::size_t languages = 0;
    for (const auto& entry : ParseLanguageOrder(ReadDefaultOrder(kFolder, codePage))) {
        everything += entry.name + ";";
        ++languages;
    }
    store.write(platform::Scope::PerUser, "Zavora", "Languages", everything);
    auto characters = std::make_unique<CharacterTable>();
    for (auto _ : state) {
        KeyTable table = BuildKeyTable({store, codePage, keyboard, kFolder}, *characters);
        benchmark::DoNotOptimize(table);
    }
    state.counters["languages"] = static_cast<double>(languages);
}
BENCHMARK(BM_BuildKeyTableAllLanguages)->Unit(benchmark::kMillisecond);

void BM_LoadCharacterTable(benchmark::State& state) {
    sim::Windows1252CodePage codePage;
    auto characters = std::make_unique<CharacterTable>();
    for (auto _ : state) {
        LoadCharacterTable(*characters, kFolder, codePage);
        benchmark::DoNotOptimize(characters->size());
    }
    state.counters["characters"] = static_cast<double>(characters->size());
}
BENCHMARK(BM_LoadCharacterTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kz
