#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/command_rules.h"

namespace kz::app {
namespace {

// "/setup", "/service", "/install" and "/uninstall" match anywhere in any case; "/close",
// "/tutorial", "/options" and "/grantusers" must be the whole line.
TEST(ReadSwitches, SomeSwitchesMatchAnywhereOthersMustBeTheWholeLine) {
    struct Case { const char* line; bool StartupSwitches::*flag; bool set; };
    const Case cases[] = {
        {"foo /SETUP /service", &StartupSwitches::setup, true},
        {"foo /SETUP /service", &StartupSwitches::service, true},
        {"/Uninstall now", &StartupSwitches::uninstall, true},
        {"x/INSTALL", &StartupSwitches::install, true},
        {"", &StartupSwitches::install, false},
        {"/CLOSE", &StartupSwitches::closeAll, true},
        {"/close ", &StartupSwitches::closeAll, false},
        {"/close /mainstart", &StartupSwitches::closeAll, false},
        {"/Tutorial", &StartupSwitches::tutorial, true},
        {"/tutorial x", &StartupSwitches::tutorial, false},
        {"/OPTIONS", &StartupSwitches::options, true},
        {" /options", &StartupSwitches::options, false},
        {"/GrantUsers", &StartupSwitches::grantUsers, true},
        {"/grantusers /service", &StartupSwitches::grantUsers, false},
        {"/wait", &StartupSwitches::wait, true},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadSwitches(c.line).*c.flag, c.set) << c.line;
}

// "/wait" takes the line's last two characters, wherever they are, in tenths of a second.
TEST(ReadSwitches, WaitTakesTheLastTwoCharactersInTenthsOfASecond) {
    const std::pair<const char*, double> cases[] = {
        {"/WAIT07", 0.7}, {"/wait25", 2.5}, {"/wait x 12", 1.2}, {"/wait", 0.0}, {"/waitzz", 0.0}, {"/wait-5", -0.5}};
    for (const auto& [line, seconds] : cases) EXPECT_DOUBLE_EQ(ReadSwitches(line).waitSeconds, seconds) << line;
}

TEST(ExeCommandLine, QuotesAPathWithBlanksOnly) {
    EXPECT_EQ(ExeCommandLine("C:\\Kelvra\\", "/service"), "C:\\Kelvra\\zavora.exe /service");
    EXPECT_EQ(ExeCommandLine("C:\\Program Files\\Kelvra\\", "/mainstart"),
              "\"C:\\Program Files\\Kelvra\\zavora.exe\" /mainstart");
}

// The service ignores "close" but not "closeall"; other texts are wiped, and the
// comparisons are exact.
TEST(DecideCommand, WhatEachWindowDoesWithEachText) {
    struct Case { const char* caption; const char* text; CommandAction action; };
    const Case cases[] = {
        {"Kelvra Zavora Options", "close", CommandAction::Exit},
        {"Kelvra Zavora Loading", "close", CommandAction::Exit},
        {"Kelvra Zavora Service", "close", CommandAction::ResetText},
        {"Kelvra Zavora Service", "closeall", CommandAction::Exit},
        {"Kelvra Zavora Options", "closeall", CommandAction::Exit},
        {"Kelvra Zavora Options", "Close", CommandAction::ResetText},
        {"Kelvra Zavora Options", "close ", CommandAction::ResetText},
        {"Kelvra Zavora Options", "", CommandAction::ResetText},
        {"Kelvra Zavora Options", "Text1", CommandAction::Nothing},
    };
    for (const Case& c : cases) EXPECT_EQ(DecideCommand(c.caption, c.text), c.action) << c.caption << c.text;
}

}  // namespace
}  // namespace kz::app
