#include "app/tray_menu.h"

namespace kz::app {
namespace {

// The system's message numbers the tray decisions read.
constexpr unsigned kSysCommand = 0x0112;     // WM_SYSCOMMAND
constexpr unsigned kLeftButtonUp = 0x0202;   // WM_LBUTTONUP
constexpr unsigned kRightButtonUp = 0x0205;  // WM_RBUTTONUP
constexpr std::uintptr_t kMinimize = 0xF020; // SC_MINIMIZE
constexpr std::uintptr_t kRestore = 0xF120;  // SC_RESTORE
// The low four bits of a system command are the system's own.
constexpr std::uintptr_t kSysCommandMask = 0xFFF0;

}  // namespace

TrayReaction DecideTrayMessage(const TrayMessage& m, bool windowVisible,
                               const TraySystemMessages& system) {
    if (m.message == kTrayCallbackMessage) {
        // Only a release opens the menu: a press that ends elsewhere opens nothing.
        const auto mouse = static_cast<unsigned>(m.lParam & 0xFFFF);
        return mouse == kLeftButtonUp || mouse == kRightButtonUp ? TrayReaction::OpenMenu
                                                                 : TrayReaction::PassOn;
    }
    if (m.message == kSysCommand) {
        const std::uintptr_t command = m.wParam & kSysCommandMask;
        if (command == kMinimize) return TrayReaction::HideWindow;
        if (command == kRestore && !windowVisible) return TrayReaction::ShowWindow;
        return TrayReaction::PassOn;
    }
    if (system.taskbarCreated != 0 && m.message == system.taskbarCreated) {
        return TrayReaction::AddIconAgain;
    }
    return TrayReaction::PassOn;
}

TrayCommand TrayCommandFromId(unsigned id) {
    for (const TrayMenuItem& item : kTrayMenu) {
        if (item.command != TrayCommand::Separator && static_cast<unsigned>(item.command) == id) {
            return item.command;
        }
    }
    return TrayCommand::Separator;
}

void RunTrayCommand(TrayCommand command, TrayActions& actions) {
    switch (command) {
    case TrayCommand::Tutorial: return actions.showTutorial();
    case TrayCommand::About: return actions.showAbout();
    case TrayCommand::Options: return actions.openOptions();
    case TrayCommand::Help: return actions.showHelp(kTrayHelpTopic);
    case TrayCommand::Exit: return actions.exitProgram();
    case TrayCommand::Separator: return;
    }
}

}  // namespace kz::app
