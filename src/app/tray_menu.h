#pragma once
// The tray icon's menu and how the icon's window reacts to its messages, without the
// system: the Windows side builds the menu from kTrayMenu, asks DecideTrayMessage what a
// message of the main window means, and hands the chosen item to RunTrayCommand.
#include <array>
#include <cstdint>
#include <string_view>

namespace kz::app {

// The icon's callback message: the shell posts it to the main window, with the mouse
// message (WM_LBUTTONUP, ...) in lParam.
inline constexpr unsigned kTrayCallbackMessage = 2025;
// Where help starts when it is opened from the tray menu.
inline constexpr std::string_view kTrayHelpTopic = "intro.htm";

enum class TrayCommand : std::uint16_t { Separator = 0, Tutorial = 1, About, Options, Help, Exit };

struct TrayMenuItem {
    TrayCommand command;
    std::string_view caption;  // empty for a separator
};

// The tray menu's items, top to bottom.
inline constexpr std::array<TrayMenuItem, 7> kTrayMenu{{
    {TrayCommand::Tutorial, "Tutorial"},
    {TrayCommand::Separator, ""},
    {TrayCommand::About, "About"},
    {TrayCommand::Options, "Options"},
    {TrayCommand::Help, "Help"},
    {TrayCommand::Separator, ""},
    {TrayCommand::Exit, "Exit"},
}};

// A message of the main window as the tray icon sees it. The numbers are the system's.
struct TrayMessage {
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

struct TraySystemMessages {
    unsigned taskbarCreated = 0;  // RegisterWindowMessage("TaskbarCreated"); 0 when unknown
};

enum class TrayReaction {
    PassOn,       // the window's own procedure handles it
    OpenMenu,     // a button went up over the icon
    HideWindow,   // minimising the window hides it
    ShowWindow,   // restoring a hidden window shows it
    AddIconAgain, // the taskbar was (re)created: the shell forgot our icon
};

// What the main window does with `m` while the icon exists. `windowVisible` is the main
// window's visibility. Minimise and restore are swallowed; the window's destruction is
// not decided here (the icon goes, then the message passes on).
TrayReaction DecideTrayMessage(const TrayMessage& m, bool windowVisible,
                               const TraySystemMessages& system);

// The actions behind the menu's items.
class TrayActions {
public:
    virtual ~TrayActions() = default;
    virtual void showTutorial() = 0;
    virtual void showAbout() = 0;
    virtual void openOptions() = 0;
    virtual void showHelp(std::string_view topic) = 0;
    virtual void exitProgram() = 0;
};

// Runs the action of the chosen item; a separator, or nothing chosen, does nothing.
void RunTrayCommand(TrayCommand command, TrayActions& actions);
// The command of a menu item id as the menu reports it (0 when the menu was dismissed).
TrayCommand TrayCommandFromId(unsigned id);

}  // namespace kz::app
