// What keys type, asked the way the handler asks: CapsLockOn, the lower-case rule of the
// key table's index and the layout's name.
#include <gtest/gtest.h>

#include "input_test_rig.h"
#include "keys/key_translation.h"
#include "platform/layout_name.h"

namespace kz::testing {
namespace {

TEST(KeyTranslationTest, CapsLockIsOnExactlyWhenToggled) {
    sim::SimInput sim;
    EXPECT_FALSE(CapsLockOn(sim));
    sim.tap(vk::kCapital);
    EXPECT_TRUE(CapsLockOn(sim));
    sim.press(vk::kCapital);  // held down while on: it toggles off
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
    struct Case { int codePage; AnsiChar typed, entry; };  // typed with Shift
    const Case cases[] = {
        {1252, 0xC9, 0xE9},  // E acute
        {1250, 0xA5, 0xB9},  // A ogonek
        {1251, 0xD7, 0xF7},  // Cyrillic che, the multiplication sign in 1252
        {1254, 0xDD, 'i'},   // dotted capital I
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.codePage) + " " + std::to_string(c.typed));
        sim::SimLayout layout = sim::UsLayout();
        layout.keys[219] = {.normal = c.entry, .shifted = c.typed};
        InputRig rig(layout, c.codePage);
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
        return id == 1 ? std::optional<std::string>("00020409") : std::nullopt;
    };
    EXPECT_EQ(platform::LayoutNameOfHandle(0x08090809, lookup), "00000809");
    EXPECT_EQ(platform::LayoutNameOfHandle(0x04090407, lookup), "00000409");  // German input, US keys
    EXPECT_EQ(platform::LayoutNameOfHandle(0xF0010409, lookup), "00020409");
    EXPECT_EQ(platform::LayoutNameOfHandle(0xF0070407, lookup), "00000407");  // an unlisted variant
    EXPECT_EQ(platform::LayoutNameOfHandle(0xE0010411, lookup), "E0010411");
}

}  // namespace
}  // namespace kz::testing
