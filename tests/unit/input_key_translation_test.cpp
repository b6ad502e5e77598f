// What keys type, asked the way the handler asks: KeyToChar, IsDeadKey, CapsLockOn, the
// lower-case rule of the key table's index and the layout's name.
#include <gtest/gtest.h>

#include "input_test_rig.h"
#include "keys/key_translation.h"
#include "keys/virtual_keys.h"
#include "platform/layout_name.h"
#include "platform/sim/code_page.h"
#include "platform/sim/sim_input.h"

namespace kz {
namespace {

// What a key types on each layout, with or without Shift (a modifier types nothing), and
// whether it is a dead key there.
TEST(KeyTranslationTest, KeyToCharFollowsTheLayoutAndShift) {
    struct Case { const sim::SimLayout& layout; int key; bool shift; int typed; bool dead; };
    const Case cases[] = {
        {sim::UsLayout(), 'E', false, 'e', false},   {sim::UsLayout(), 'E', true, 'E', false},
        {sim::UsLayout(), '3', true, '#', false},    {sim::UsLayout(), 222, false, '\'', false},
        {sim::UsLayout(), vk::kRMenu, false, 0, false}, {sim::UkLayout(), '3', true, 0xA3, false},
        {sim::UkLayout(), 222, false, '#', false},   {sim::UsInternationalLayout(), 222, false, '\'', true},
        {sim::UsInternationalLayout(), '6', true, '^', true}, {sim::UsInternationalLayout(), '6', false, '6', false},
    };
    for (const Case& c : cases) {
        sim::SimInput sim(c.layout);
        EXPECT_EQ(IsDeadKey(sim, c.key, c.shift), c.dead) << c.layout.name << " " << c.key;
        EXPECT_EQ(KeyToChar(sim, c.key, c.shift), c.typed) << c.layout.name << " " << c.key;
        // Had an accent stayed pending in the layout, e would come back as e-acute.
        EXPECT_EQ(KeyToChar(sim, 'E', false), 'e') << c.layout.name << " " << c.key;
    }
}

TEST(KeyTranslationTest, CapsLockIsOnExactlyWhenToggled) {
    sim::SimInput sim;
    EXPECT_FALSE(CapsLockOn(sim));
    sim.tap(vk::kCapital);
    EXPECT_TRUE(CapsLockOn(sim));
    sim.press(vk::kCapital);  // held down while on: state -127... then it toggles off
    EXPECT_FALSE(CapsLockOn(sim));
    sim.release(vk::kCapital);
    sim.setCapsLock(true);
    sim.setKeyDown(vk::kCapital, true);
    EXPECT_EQ(sim.keyState(vk::kCapital), -127);
    EXPECT_TRUE(CapsLockOn(sim));
}

// The key table is indexed by the lower case of what the key types, in the system's code
// page: the same byte is a different letter in each, or no letter at all.
TEST(KeyTranslationTest, KeysFindTheirEntryByTheCodePagesOwnLowerCase) {
    struct Case {
        int codePage;
        AnsiChar typed;  // with Shift
        AnsiChar entry;
    };
    const Case cases[] = {
        {1252, 0xC9, 0xE9},  // E acute
        {1252, 0x8A, 0x9A},  // S caron
        {1252, 0x9F, 0xFF},  // Y diaeresis
        {1250, 0xA5, 0xB9},  // A ogonek
        {1250, 0xA3, 0xB3},  // L stroke
        {1251, 0xDF, 0xFF},  // Cyrillic ya
        {1251, 0xD7, 0xF7},  // Cyrillic che, the multiplication sign in 1252
        {1251, 0x80, 0x90},  // Cyrillic dje
        {1254, 0xDD, 'i'},   // dotted capital I
        {1254, 0xD0, 0xF0},  // G breve
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codePage);
        SCOPED_TRACE(static_cast<int>(c.typed));
        sim::SimLayout layout = sim::UsLayout();
        layout.keys[219] = {.normal = c.entry, .shifted = c.typed};
        testing::InputRig rig(layout, c.codePage);
        rig.keys[c.entry] = {u'\u01FF'};
        rig.sim.press(vk::kRMenu);
        rig.sim.press(vk::kLShift);
        rig.sim.tap(219);
        EXPECT_TRUE(rig.popup.shown());
        EXPECT_EQ(rig.popup.keyChars(), CandidateList{u'\u01FF'});
    }
    // Without a lower case, a byte indexes its own entry.
    EXPECT_EQ(MakeLowerCaseTable(sim::SimCodePage(1252))[0xD7], 0xD7);
}

// Another thread's layout is named from the handle's layout half, not its language half.
TEST(KeyTranslationTest, LayoutNamesFromHandles) {
    const platform::LayoutIdLookup lookup = [](unsigned id) -> std::optional<std::string> {
        if (id == 1) return "00020409";
        return std::nullopt;
    };
    EXPECT_EQ(platform::LayoutNameOfHandle(0x08090809, lookup), "00000809");
    EXPECT_EQ(platform::LayoutNameOfHandle(0x04090407, lookup), "00000409");  // German input, US keys
    EXPECT_EQ(platform::LayoutNameOfHandle(0xF0010409, lookup), "00020409");
    EXPECT_EQ(platform::LayoutNameOfHandle(0xF0070407, lookup), "00000407");  // an unlisted variant
    EXPECT_EQ(platform::LayoutNameOfHandle(0xE0010411, lookup), "E0010411");
}

}  // namespace
}  // namespace kz
