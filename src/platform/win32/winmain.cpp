// zavora.exe: builds the platform objects, runs the start-up its command line asks for,
// then the message loop until no window of the program is left.
#include <windows.h>
#include <commctrl.h>

#include "app/command_line.h"
#include "app/program.h"
#include "platform/win32/clock.h"
#include "platform/win32/code_page.h"
#include "platform/win32/desktop.h"
#include "platform/win32/hooks.h"
#include "platform/win32/keyboard.h"
#include "platform/win32/machine_settings_access.h"
#include "platform/win32/mouse_windows.h"
#include "platform/win32/process.h"
#include "platform/win32/registry.h"
#include "platform/win32/shell.h"
#include "platform/win32/synth_input.h"
#include "settings/settings_store.h"

namespace {

void InitControlClasses() {
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof init;
    init.dwICC = ICC_USEREX_CLASSES;
    InitCommonControlsEx(&init);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    InitControlClasses();
    kz::win32::Win32Registry registry;
    kz::win32::Win32Clock clock;
    kz::win32::Win32Process process;
    // Run by the elevated installer only: no window, no instance, just the key's security.
    if (kz::app::ReadSwitches(process.commandLine()).grantUsers)
        return static_cast<int>(kz::win32::GrantUsersMachineSettings());
    kz::win32::Win32Desktop desktop(instance);
    kz::win32::SystemCodePage codePage;
    kz::win32::Win32Keyboard keyboard;
    kz::win32::Win32SyntheticInput input;
    kz::win32::Win32Hooks hooks;
    kz::win32::Win32MouseWindows mouseWindows;
    kz::SettingsStore store(registry);
    kz::win32::Win32ProgramWindows windows({.instance = instance,
                                            .store = store,
                                            .codePage = codePage,
                                            .applicationFolder = process.applicationFolder()});
    kz::app::Program program({.desktop = desktop,
                              .process = process,
                              .clock = clock,
                              .registry = registry,
                              .store = store,
                              .codePage = codePage,
                              .keyboard = keyboard,
                              .input = input,
                              .hooks = hooks,
                              .mouseWindows = mouseWindows,
                              .windows = windows});
    program.start();
    return kz::win32::RunMessageLoop();
}
