#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/command_rules.h"

namespace kz::app {
namespace {

TEST(ReadSwitches, ContainsSwitchesMatchAnywhereInAnyCase) {
    const auto s = ReadSwitches("foo /SETUP /service");
    EXPECT_TRUE(s.setup);
    EXPECT_TRUE(s.service);
    EXPECT_TRUE(ReadSwitches("/Uninstall now").uninstall);
    EXPECT_TRUE(ReadSwitches("x/INSTALL").install);
    EXPECT_FALSE(ReadSwitches("").install);
}

TEST(ReadSwitches, IsSwitchesMustBeTheWholeLine) {
    EXPECT_TRUE(ReadSwitches("/close").closeAll);
    EXPECT_TRUE(ReadSwitches("/CLOSE").closeAll);
    EXPECT_FALSE(ReadSwitches("/close ").closeAll);
    EXPECT_FALSE(ReadSwitches("/close /mainstart").closeAll);
    EXPECT_TRUE(ReadSwitches("/Tutorial").tutorial);
    EXPECT_FALSE(ReadSwitches("/tutorial x").tutorial);
    EXPECT_TRUE(ReadSwitches("/OPTIONS").options);
    EXPECT_FALSE(ReadSwitches(" /options").options);
    EXPECT_TRUE(ReadSwitches("/GrantUsers").grantUsers);
    EXPECT_FALSE(ReadSwitches("/grantusers /service").grantUsers);
}

TEST(ReadSwitches, WaitTakesTheLastTwoCharactersInTenthsOfASecond) {
    EXPECT_DOUBLE_EQ(ReadSwitches("/WAIT07").waitSeconds, 0.7);
    EXPECT_DOUBLE_EQ(ReadSwitches("/wait25").waitSeconds, 2.5);
    EXPECT_DOUBLE_EQ(ReadSwitches("/wait x 12").waitSeconds, 1.2);  // need not follow the switch
    EXPECT_DOUBLE_EQ(ReadSwitches("/wait").waitSeconds, 0.0);       // "it"
    EXPECT_DOUBLE_EQ(ReadSwitches("/waitzz").waitSeconds, 0.0);
    EXPECT_DOUBLE_EQ(ReadSwitches("/wait-5").waitSeconds, -0.5);    // no wait at all
    EXPECT_TRUE(ReadSwitches("/wait").wait);
}

TEST(ExeCommandLine, QuotesAPathWithBlanksOnly) {
    EXPECT_EQ(ExeCommandLine("C:\\Kelvra\\", "/service"), "C:\\Kelvra\\zavora.exe /service");
    EXPECT_EQ(ExeCommandLine("C:\\Program Files\\Kelvra\\", "/mainstart"),
              "\"C:\\Program Files\\Kelvra\\zavora.exe\" /mainstart");
}

TEST(DecideCommand, ServiceIgnoresCloseButNotCloseAll) {
    EXPECT_EQ(DecideCommand("Kelvra Zavora Options", "close"), CommandAction::Exit);
    EXPECT_EQ(DecideCommand("Kelvra Zavora Loading", "close"), CommandAction::Exit);
    EXPECT_EQ(DecideCommand("Kelvra Zavora Service", "close"), CommandAction::ResetText);
    EXPECT_EQ(DecideCommand("Kelvra Zavora Service", "closeall"), CommandAction::Exit);
    EXPECT_EQ(DecideCommand("Kelvra Zavora Options", "closeall"), CommandAction::Exit);
}

TEST(DecideCommand, OtherTextsAreWipedAndComparisonsAreExact) {
    EXPECT_EQ(DecideCommand("Kelvra Zavora Options", "Close"), CommandAction::ResetText);
    EXPECT_EQ(DecideCommand("Kelvra Zavora Options", "close "), CommandAction::ResetText);
    EXPECT_EQ(DecideCommand("Kelvra Zavora Options", ""), CommandAction::ResetText);
    EXPECT_EQ(DecideCommand("Kelvra Zavora Options", "Text1"), CommandAction::Nothing);
}

}  // namespace
}  // namespace kz::app
