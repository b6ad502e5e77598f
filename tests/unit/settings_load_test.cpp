// Reading stored settings: what counts as a stored text, the trigger number, the running
// settings with their defaults, and the order of the start-up steps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_registry.h"
#include "settings/running_settings.h"
#include "settings/setting_access.h"
#include "settings/startup_load.h"
#include "settings/trigger.h"

namespace kz {
namespace {

using platform::Scope;
using platform::ValueType;

// A missing value or key reads the default, and so does anything but a plain string; an
// embedded NUL cuts the text.
TEST(SettingsStore, OnlyPlainStringsCountAndMissingValuesReadTheDefault) {
    sim::SimRegistry registry;
    SettingsStore store(registry);
    const auto read = [&](std::string_view name) { return store.read(Scope::PerUser, "Zavora", name, "<default>"); };
    const auto setRaw = [&](std::string_view name, ValueType type, std::string bytes) {
        registry.setRaw(Scope::PerUser, "Software\\Kelvra\\Zavora", name, platform::RawValue{type, std::move(bytes)});
    };
    EXPECT_EQ(read("Trigger"), "<default>");
    setRaw("Trigger", ValueType::Other, std::string("\x03\0\0\0", 4));
    setRaw("AutoStart", ValueType::ExpandString, "No");
    setRaw("DisableKeys", ValueType::String, std::string("ab\0cd", 5));
    setRaw("LeadingNul", ValueType::String, std::string("\0x", 2));
    EXPECT_EQ(read("Trigger"), "<default>");
    EXPECT_EQ(read("AutoStart"), "<default>");
    EXPECT_EQ(read("DisableKeys"), "ab");
    EXPECT_EQ(read("LeadingNul"), "");
}

// The number a text starts with (blanks inside skipped), rounded half to even, and 0 when
// it does not fit 16 bits.
TEST(ParseTrigger, RoundsHalvesToEvenAndKeepsOnlySixteenBitValues) {
    const std::pair<std::string, int> cases[] = {
        {"3xyz", 3},     {"xyz", 0},       {"", 0},           {"16", 16},         {"2.5", 2},     {"3.5", 4},
        {"2.51", 3},     {"2.49", 2},      {"-2.5", -2},      {"-0.5", 0},        {"17", 17},     {"-1", -1},
        {"32767", 32767}, {"-32768", -32768}, {"32768", 0},   {"32767.5", 0},     {"-32769", 0},  {" 1 6x", 16},
        {"+7", 7},       {"--3", 0},       {".5", 0},         {"1.5.5", 2},       {std::string(400, '9'), 0},
    };
    for (const auto& [text, trigger] : cases) EXPECT_EQ(ParseTrigger(text), trigger) << text;
}

// Each running setting: its default on a fresh system, and the value read when its own
// section and scope hold it. Flags are on for "Yes" exactly; values in another scope or
// section are not seen.
TEST(RunningSettings, EachValueHasItsDefaultAndItsOwnSectionAndScope) {
    sim::SimRegistry registry;
    SettingsStore store(registry);
    const RunningSettings fresh = ReadRunningSettings(store, {});
    EXPECT_TRUE(settings::ReadFlag(store, settings::kAutoStart));
    store.write(Scope::PerUser, "Zavora", "Trigger", "5");
    store.write(Scope::MachineWide, "Zavora", "DisableKeys", "ab[[13]]");
    store.write(Scope::MachineWide, "Zavora", "DisableOtherKeys", "Yes");
    store.write(Scope::PerUser, "Zavora", "ShowNumbers", "yes");
    store.write(Scope::PerUser, "Zavora\\AllCharactersScreen", "RememberState", "No");
    store.write(Scope::PerUser, "Zavora", "AutoInsert", "Yes");
    store.write(Scope::PerUser, "Zavora", "DisplayUnicodeSymbol", "Yes");
    store.write(Scope::PerUser, "Zavora", "DisableOtherKeys", "No");
    store.write(Scope::PerUser, "Zavora", "RememberState", "Yes");
    const RunningSettings read =
        ReadRunningSettings(store, [](std::string_view t) { return "<" + std::string(t) + ">"; });

    struct Flag { bool RunningSettings::*flag; bool byDefault; bool stored; };
    const Flag flags[] = {
        {&RunningSettings::disableOtherKeys, false, true}, {&RunningSettings::showNumbers, true, false},
        {&RunningSettings::rememberState, true, false},     {&RunningSettings::autoInsert, false, true},
        {&RunningSettings::displayUnicodeSymbol, false, true},
    };
    for (std::size_t i = 0; i < std::size(flags); ++i) {
        EXPECT_EQ(fresh.*flags[i].flag, flags[i].byDefault) << "flag " << i;
        EXPECT_EQ(read.*flags[i].flag, flags[i].stored) << "flag " << i;
    }
    EXPECT_EQ(fresh.trigger, 0);
    EXPECT_EQ(fresh.disableKeys, "");
    EXPECT_EQ(read.trigger, 5);
    EXPECT_EQ(read.disableKeys, "<ab[[13]]>");
    store.write(Scope::PerUser, "Zavora\\AllCharactersScreen", "RememberState", "Yes");
    EXPECT_TRUE(ReadRunningSettings(store, {}).rememberState) << "its own value, not another flag's";
}

class RecordingSteps final : public StartupLoadSteps {
public:
    explicit RecordingSteps(SettingsStore& store) : store_(store) {}
    void loadLanguages() override {
        log.push_back("languages");
        // Whatever the language load writes is already visible to the settings read.
        store_.write(Scope::PerUser, "Zavora", "Trigger", "2");
    }
    std::string expandKeyCodes(std::string_view text) override {
        log.push_back("expand " + std::string(text));
        return std::string(text);
    }
    void loadPopupHidden() override { log.push_back("popup"); }
    void processPendingMessages() override { log.push_back("messages"); }
    void installKeyboardHook() override { log.push_back("hook"); }
    std::vector<std::string> log;

private:
    SettingsStore& store_;
};

TEST(StartupLoad, RunsItsStepsInOrder) {
    sim::SimRegistry registry;
    SettingsStore store(registry);
    store.write(Scope::MachineWide, "Zavora", "DisableKeys", "q");
    RecordingSteps steps(store);
    RunningSettings running;
    StartupLoad(store, running, steps);
    EXPECT_EQ(steps.log, (std::vector<std::string>{"languages", "expand q", "popup", "messages", "hook"}));
    EXPECT_EQ(running.trigger, 2);
    EXPECT_EQ(running.disableKeys, "q");
}

}  // namespace
}  // namespace kz
