// Which keys the handler takes: what they type, asked the way the handler asks
// (CapsLockOn, the lower-case rule of the key table's index, the layout's name), and the
// keys it leaves alone although the trigger is held: the disable-keys text, keys without
// characters when DisableOtherKeys is on, and dead keys.
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

// With `held` down, does `key` open its popup, and does the application get it? The
// text compares what the key types, letter case counting and beyond ASCII as text
// (UTF-8, as the settings hold it); the UK pound key offers the euro sign.
TEST(DisabledKeysTest, TheDisableKeysTextAndDisableOtherKeysLetKeysPass) {
    struct Case { const sim::SimLayout& layout; const char* text; bool otherKeys; std::vector<int> held;
                  int key; bool opens; int received; };
    const Case cases[] = {
        {sim::UsLayout(), "E", false, {vk::kRMenu}, 'E', true, 0},  // types "e"
        {sim::UsLayout(), "E", false, {vk::kRMenu, vk::kLShift}, 'E', false, 1},
        {sim::UkLayout(), "", false, {vk::kRMenu, vk::kLShift}, '3', true, 0},
        {sim::UkLayout(), "x\u00A3y", false, {vk::kRMenu, vk::kLShift}, '3', false, 1},
        {sim::UsLayout(), "", false, {vk::kRMenu}, 'Q', false, 0},  // no characters: swallowed
        {sim::UsLayout(), "", true, {vk::kRMenu}, 'Q', false, 1},
        {sim::UsLayout(), "", true, {vk::kRMenu}, 'E', true, 0},
        {sim::UsInternationalLayout(), "", false, {vk::kRMenu}, 222, false, 1},  // a dead key
    };
    for (const Case& c : cases) {
        InputRig rig(c.layout);
        rig.keys[0xA3] = {u'\u20AC'};
        rig.settings.disableKeys = c.text;
        rig.settings.disableOtherKeys = c.otherKeys;
        for (int key : c.held) rig.sim.press(key);
        rig.sim.tap(c.key);
        EXPECT_EQ(rig.popup.shown(), c.opens) << c.layout.name << " " << c.text << " key " << c.key;
        EXPECT_EQ(rig.sim.keyDownsReceived(c.key), c.received) << c.layout.name << " " << c.text << " key " << c.key;
    }
}

// A dead key and the key after it reach the layout undisturbed when the trigger is not
// held, modifiers between them included; with the trigger held, the key after the dead
// key opens its popup.
TEST(DeadKeysTest, ADeadKeyAndTheKeyAfterItPassWhenTheTriggerIsNotHeld) {
    InputRig rig(sim::UsInternationalLayout());
    rig.sim.tap(222);  // dead acute
    rig.sim.tap('E');
    rig.sim.tap(222);
    rig.sim.press(vk::kLShift);
    EXPECT_TRUE(rig.handler.state().deadKeyPending);
    rig.sim.tap('E');
    rig.sim.release(vk::kLShift);
    EXPECT_FALSE(rig.handler.state().deadKeyPending);
    EXPECT_EQ(rig.typed(), u"\u00E9\u00C9");
    EXPECT_FALSE(rig.popup.shown());

    rig.sim.press(vk::kRMenu);
    rig.sim.tap(222);
    rig.sim.tap('E');
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.sim.keyDownsReceived('E'), 2);
}

}  // namespace
}  // namespace kz::testing
