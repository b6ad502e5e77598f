#include <gtest/gtest.h>

#include "platform/sim/sim_registry.h"
#include "settings/settings_store.h"

namespace kz {
namespace {

using platform::RawValue;
using platform::Scope;
using platform::ValueType;

class SettingsStoreTest : public ::testing::Test {
protected:
    std::string read(std::string_view name, Scope scope = Scope::PerUser) {
        return store.read(scope, "Zavora", name, "<default>");
    }
    void setRaw(std::string_view name, ValueType type, std::string bytes) {
        registry.setRaw(Scope::PerUser, "Software\\Kelvra\\Zavora", name, RawValue{type, std::move(bytes)});
    }
    sim::SimRegistry registry;
    SettingsStore store{registry};
};

// A missing value or key reads the default, and so does anything but a plain string; an
// embedded NUL cuts the text, and an empty text is no default.
TEST_F(SettingsStoreTest, OnlyPlainStringsCountAndMissingValuesReadTheDefault) {
    EXPECT_EQ(read("Trigger"), "<default>");
    store.write(Scope::PerUser, "Zavora", "Other", "x");
    EXPECT_EQ(read("Trigger"), "<default>");
    setRaw("Trigger", ValueType::Other, std::string("\x03\0\0\0", 4));
    setRaw("AutoStart", ValueType::ExpandString, "No");
    setRaw("DisableKeys", ValueType::String, std::string("ab\0cd", 5));
    setRaw("LeadingNul", ValueType::String, std::string("\0x", 2));
    store.write(Scope::PerUser, "Zavora", "Empty", "");
    EXPECT_EQ(read("Trigger"), "<default>");
    EXPECT_EQ(read("AutoStart"), "<default>");
    EXPECT_EQ(read("DisableKeys"), "ab");
    EXPECT_EQ(read("LeadingNul"), "");
    EXPECT_EQ(read("Empty"), "");
}

// Writing creates the key and its parents; the scopes are independent; deleting keeps
// the key and ignores missing values; a refused write keeps the old value.
TEST_F(SettingsStoreTest, WritesAndDeletesStayInTheirScope) {
    store.write(Scope::MachineWide, "Zavora\\Languages", "Mine", "a:b");
    EXPECT_TRUE(registry.keyExists(Scope::MachineWide, "Software\\Kelvra"));
    EXPECT_EQ(store.read(Scope::MachineWide, "Zavora\\Languages", "Mine", ""), "a:b");
    store.write(Scope::PerUser, "Zavora", "Trigger", 12);
    store.write(Scope::MachineWide, "Zavora", "Trigger", "5");
    EXPECT_EQ(read("Trigger"), "12");
    store.remove(Scope::PerUser, "Zavora", "Trigger");
    store.remove(Scope::PerUser, "Zavora", "NeverWritten");
    store.remove(Scope::PerUser, "NoSuchSection", "A");
    EXPECT_EQ(read("Trigger"), "<default>");
    EXPECT_EQ(read("Trigger", Scope::MachineWide), "5");
    EXPECT_TRUE(registry.keyExists(Scope::PerUser, "Software\\Kelvra\\Zavora"));
    EXPECT_TRUE(registry.values(Scope::PerUser, "Software\\Kelvra\\Zavora").empty());

    registry.setWritable(Scope::MachineWide, false);
    store.write(Scope::MachineWide, "Zavora", "Trigger", "2");
    EXPECT_EQ(read("Trigger", Scope::MachineWide), "5");
}

}  // namespace
}  // namespace kz
