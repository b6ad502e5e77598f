#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/command_rules.h"

namespace kz::app {
namespace {

// "/setup", "/service", "/install" and "/uninstall" match anywhere in any case; "/close",
// "/tutorial", "/options" and "/grantusers" must be the whole line.
TEST(ReadSwitches, SomeSwitchesMatchAnywhereOthersMustBeTheWholeLine) {
    using S = StartupSwitches;
    struct Case { const char* line; bool S::*flag; bool set; };
    const Case cases[] = {
        {"foo /SETUP /service", &S::setup, true}, {"foo /SETUP /service", &S::service, true},
        {"/Uninstall now", &S::uninstall, true},  {"x/INSTALL", &S::install, true},
        {"", &S::install, false},                 {"/CLOSE", &S::closeAll, true},
        {"/close ", &S::closeAll, false},         {"/close /mainstart", &S::closeAll, false},
        {"/Tutorial", &S::tutorial, true},        {"/tutorial x", &S::tutorial, false},
        {"/OPTIONS", &S::options, true},          {" /options", &S::options, false},
        {"/GrantUsers", &S::grantUsers, true},    {"/grantusers /service", &S::grantUsers, false},
        {"/wait", &S::wait, true},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadSwitches(c.line).*c.flag, c.set) << c.line;
}

// The service ignores "close" but not "closeall"; other texts are wiped, and the
// comparisons are exact.
TEST(DecideCommand, WhatEachWindowDoesWithEachText) {
    using enum CommandAction;
    struct Case { const char* caption; const char* text; CommandAction action; };
    const Case cases[] = {
        {"Kelvra Zavora Options", "close", Exit},      {"Kelvra Zavora Loading", "close", Exit},
        {"Kelvra Zavora Service", "close", ResetText}, {"Kelvra Zavora Service", "closeall", Exit},
        {"Kelvra Zavora Options", "closeall", Exit},   {"Kelvra Zavora Options", "Close", ResetText},
        {"Kelvra Zavora Options", "close ", ResetText}, {"Kelvra Zavora Options", "", ResetText},
        {"Kelvra Zavora Options", "Text1", Nothing},
    };
    for (const Case& c : cases) EXPECT_EQ(DecideCommand(c.caption, c.text), c.action) << c.caption << c.text;
}

}  // namespace
}  // namespace kz::app
