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
    sim::SimRegistry registry;
    SettingsStore store{registry};
};

TEST_F(SettingsStoreTest, MissingValueOrKeyReadsTheDefault) {
    EXPECT_FALSE(registry.keyExists(Scope::PerUser, "Software\\Kelvra\\Zavora"));
    EXPECT_EQ(store.read(Scope::PerUser, "Zavora", "Trigger", "0"), "0");
    store.write(Scope::PerUser, "Zavora", "Other", "x");
    EXPECT_EQ(store.read(Scope::PerUser, "Zavora", "Trigger", "dflt"), "dflt");
}

TEST_F(SettingsStoreTest, OnlyPlainStringsCount) {
    registry.setRaw(Scope::PerUser, "Software\\Kelvra\\Zavora", "Trigger",
                    RawValue{ValueType::Other, std::string("\x03\0\0\0", 4)});
    registry.setRaw(Scope::PerUser, "Software\\Kelvra\\Zavora", "AutoStart",
                    RawValue{ValueType::ExpandString, "No"});
    EXPECT_EQ(store.read(Scope::PerUser, "Zavora", "Trigger", "0"), "0");
    EXPECT_EQ(store.read(Scope::PerUser, "Zavora", "AutoStart", "Yes"), "Yes");
}

TEST_F(SettingsStoreTest, EmbeddedNulCutsAndEmptyIsNotTheDefault) {
    registry.setRaw(Scope::PerUser, "Software\\Kelvra\\Zavora", "DisableKeys",
                    RawValue{ValueType::String, std::string("ab\0cd", 5)});
    EXPECT_EQ(store.read(Scope::PerUser, "Zavora", "DisableKeys", "x"), "ab");
    store.write(Scope::PerUser, "Zavora", "Empty", "");
    EXPECT_EQ(store.read(Scope::PerUser, "Zavora", "Empty", "dflt"), "");
    registry.setRaw(Scope::PerUser, "Software\\Kelvra\\Zavora", "LeadingNul",
                    RawValue{ValueType::String, std::string("\0x", 2)});
    EXPECT_EQ(store.read(Scope::PerUser, "Zavora", "LeadingNul", "dflt"), "");
}

TEST_F(SettingsStoreTest, WriteCreatesTheKeyAndItsParents) {
    store.write(Scope::MachineWide, "Zavora\\Languages", "Mine", "a:b");
    EXPECT_TRUE(registry.keyExists(Scope::MachineWide, "Software\\Kelvra"));
    EXPECT_TRUE(registry.keyExists(Scope::MachineWide, "Software\\Kelvra\\Zavora\\Languages"));
    EXPECT_EQ(store.read(Scope::MachineWide, "Zavora\\Languages", "Mine", ""), "a:b");
    store.write(Scope::PerUser, "Zavora", "Trigger", 12);
    EXPECT_EQ(store.read(Scope::PerUser, "Zavora", "Trigger", ""), "12");
}

TEST_F(SettingsStoreTest, ScopesAreIndependent) {
    store.write(Scope::PerUser, "Zavora", "Trigger", "3");
    store.write(Scope::MachineWide, "Zavora", "Trigger", "5");
    EXPECT_EQ(store.read(Scope::PerUser, "Zavora", "Trigger", ""), "3");
    EXPECT_EQ(store.read(Scope::MachineWide, "Zavora", "Trigger", ""), "5");
    store.remove(Scope::PerUser, "Zavora", "Trigger");
    EXPECT_EQ(store.read(Scope::PerUser, "Zavora", "Trigger", "gone"), "gone");
    EXPECT_EQ(store.read(Scope::MachineWide, "Zavora", "Trigger", ""), "5");
}

TEST_F(SettingsStoreTest, DeleteKeepsTheKeyAndIgnoresMissingValues) {
    store.write(Scope::PerUser, "Zavora", "A", "1");
    store.remove(Scope::PerUser, "Zavora", "A");
    store.remove(Scope::PerUser, "Zavora", "NeverWritten");
    store.remove(Scope::PerUser, "NoSuchSection", "A");
    EXPECT_TRUE(registry.keyExists(Scope::PerUser, "Software\\Kelvra\\Zavora"));
    EXPECT_TRUE(registry.values(Scope::PerUser, "Software\\Kelvra\\Zavora").empty());
}

TEST_F(SettingsStoreTest, RefusedWriteKeepsTheOldValue) {
    store.write(Scope::MachineWide, "Zavora", "CommHwds", "1");
    registry.setWritable(Scope::MachineWide, false);
    store.write(Scope::MachineWide, "Zavora", "CommHwds", "2");
    EXPECT_EQ(store.read(Scope::MachineWide, "Zavora", "CommHwds", ""), "1");
}

}  // namespace
}  // namespace kz
