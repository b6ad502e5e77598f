#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_registry.h"
#include "settings/running_settings.h"
#include "settings/setting_access.h"
#include "settings/startup_load.h"

namespace kz {
namespace {

using platform::Scope;

TEST(RunningSettings, FreshSystemGivesEveryDefault) {
    sim::SimRegistry registry;
    SettingsStore store(registry);
    const RunningSettings running = ReadRunningSettings(store, {});
    EXPECT_EQ(running.trigger, 0);
    EXPECT_EQ(running.disableKeys, "");
    EXPECT_FALSE(running.disableOtherKeys);
    EXPECT_TRUE(running.showNumbers);
    EXPECT_TRUE(running.rememberState);
    EXPECT_FALSE(running.autoInsert);
    EXPECT_FALSE(running.displayUnicodeSymbol);
    EXPECT_TRUE(settings::ReadFlag(store, settings::kAutoStart));
}

TEST(RunningSettings, ReadsEachValueFromItsSectionAndScope) {
    sim::SimRegistry registry;
    SettingsStore store(registry);
    store.write(Scope::PerUser, "Zavora", "Trigger", "5");
    store.write(Scope::MachineWide, "Zavora", "DisableKeys", "ab[[13]]");
    store.write(Scope::MachineWide, "Zavora", "DisableOtherKeys", "Yes");
    store.write(Scope::PerUser, "Zavora", "ShowNumbers", "yes");  // lower case: false
    store.write(Scope::PerUser, "Zavora\\AllCharactersScreen", "RememberState", "No");
    store.write(Scope::PerUser, "Zavora", "AutoInsert", "Yes");
    store.write(Scope::PerUser, "Zavora", "DisplayUnicodeSymbol", "Yes");
    // Values in the wrong scope or section are not seen.
    store.write(Scope::PerUser, "Zavora", "DisableOtherKeys", "No");
    store.write(Scope::PerUser, "Zavora", "RememberState", "Yes");

    const RunningSettings running =
        ReadRunningSettings(store, [](std::string_view t) { return "<" + std::string(t) + ">"; });
    EXPECT_EQ(running.trigger, 5);
    EXPECT_EQ(running.disableKeys, "<ab[[13]]>");
    EXPECT_TRUE(running.disableOtherKeys);
    EXPECT_FALSE(running.showNumbers);
    EXPECT_FALSE(running.rememberState);
    EXPECT_TRUE(running.autoInsert);
    EXPECT_TRUE(running.displayUnicodeSymbol);
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
