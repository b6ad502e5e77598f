// The tray icon's menu and the decisions of the window that owns the icon.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/tray_menu.h"

namespace kz::app {
namespace {

constexpr unsigned kSysCommand = 0x0112;
constexpr unsigned kTaskbarCreated = 0xC123;  // a registered message's number
const TraySystemMessages kSystem{kTaskbarCreated};

TrayMessage IconMouse(unsigned mouseMessage) {
    return {kTrayCallbackMessage, 0, static_cast<std::intptr_t>(mouseMessage)};
}

TEST(TrayMessages, ReleasingEitherButtonOverTheIconOpensTheMenuAndNothingElseDoes) {
    EXPECT_EQ(DecideTrayMessage(IconMouse(0x0202), false, kSystem), TrayReaction::OpenMenu);
    EXPECT_EQ(DecideTrayMessage(IconMouse(0x0205), true, kSystem), TrayReaction::OpenMenu);
    // Presses, double clicks, moves and the middle button pass on and open nothing.
    for (unsigned other : {0x0200u, 0x0201u, 0x0203u, 0x0204u, 0x0206u, 0x0207u, 0x0208u}) {
        EXPECT_EQ(DecideTrayMessage(IconMouse(other), false, kSystem), TrayReaction::PassOn)
            << std::hex << other;
    }
    // Only the low word is the mouse message (newer shells put more in the high word).
    TrayMessage withHighWord = IconMouse(0x0205);
    withHighWord.lParam |= 0x00040000;
    EXPECT_EQ(DecideTrayMessage(withHighWord, false, kSystem), TrayReaction::OpenMenu);
    // The mouse message numbers mean nothing when they are not the icon's callback.
    EXPECT_EQ(DecideTrayMessage({0x0202, 0, 0}, false, kSystem), TrayReaction::PassOn);
}

TEST(TrayMessages, MinimiseHidesAndRestoreShowsOnlyAHiddenWindow) {
    const TrayMessage minimise{kSysCommand, 0xF020, 0};
    const TrayMessage restore{kSysCommand, 0xF120, 0};
    const TrayMessage restoreWithMouseBits{kSysCommand, 0xF122, 0};
    const TrayMessage closeCommand{kSysCommand, 0xF060, 0};
    EXPECT_EQ(DecideTrayMessage(minimise, true, kSystem), TrayReaction::HideWindow);
    EXPECT_EQ(DecideTrayMessage(restore, false, kSystem), TrayReaction::ShowWindow);
    EXPECT_EQ(DecideTrayMessage(restoreWithMouseBits, false, kSystem), TrayReaction::ShowWindow);
    EXPECT_EQ(DecideTrayMessage(restore, true, kSystem), TrayReaction::PassOn);
    EXPECT_EQ(DecideTrayMessage(closeCommand, true, kSystem), TrayReaction::PassOn);
}

TEST(TrayMessages, ANewTaskbarGetsTheIconAgain) {
    EXPECT_EQ(DecideTrayMessage({kTaskbarCreated, 0, 0}, false, kSystem),
              TrayReaction::AddIconAgain);
    // Without the registered number no message is mistaken for it.
    EXPECT_EQ(DecideTrayMessage({0, 0, 0}, false, TraySystemMessages{}), TrayReaction::PassOn);
}

class RecordingActions final : public TrayActions {
public:
    void showTutorial() override { calls.push_back("tutorial"); }
    void showAbout() override { calls.push_back("about"); }
    void openOptions() override { calls.push_back("options"); }
    void showHelp(std::string_view topic) override { calls.push_back("help " + std::string(topic)); }
    void exitProgram() override { calls.push_back("exit"); }
    std::vector<std::string> calls;
};

TEST(TrayMenu, EachItemRunsItsActionThroughTheIdTheMenuReports) {
    RecordingActions actions;
    for (const TrayMenuItem& item : kTrayMenu) {
        if (item.command == TrayCommand::Separator) continue;
        RunTrayCommand(TrayCommandFromId(static_cast<unsigned>(item.command)), actions);
    }
    EXPECT_EQ(actions.calls, (std::vector<std::string>{"tutorial", "about", "options",
                                                       "help intro.htm", "exit"}));
}

TEST(TrayMenu, ADismissedMenuOrAnUnknownIdDoesNothing) {
    RecordingActions actions;
    RunTrayCommand(TrayCommandFromId(0), actions);
    RunTrayCommand(TrayCommandFromId(99), actions);
    RunTrayCommand(TrayCommand::Separator, actions);
    EXPECT_TRUE(actions.calls.empty());
}

}  // namespace
}  // namespace kz::app
