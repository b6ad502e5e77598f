#pragma once
// What the command line asks of a starting process. The line is compared in lower case;
// "contains" switches may stand anywhere, "is" switches must be the whole line.
#include <string>
#include <string_view>

namespace kz::app {

struct StartupSwitches {
    bool setup = false;             // contains "/setup": only the first-run picker
    bool wait = false;              // contains "/wait": wait, then end
    double waitSeconds = 0.0;       // the last two characters' numeric value / 10
    bool uninstall = false;         // contains "/uninstall": end
    bool install = false;           // contains "/install"
    bool service = false;           // contains "/service"
    bool closeAll = false;          // is "/close": the closing instance
    bool tutorial = false;          // is "/tutorial"
    bool options = false;           // is "/options"
    bool grantUsers = false;        // is "/grantusers": the installer's elevated step, then end
};

StartupSwitches ReadSwitches(std::string_view commandLine);

std::string LowerAscii(std::string_view text);

// The command line that starts the program in `folder` with `arguments`. The path is
// quoted when it holds a blank: unquoted, the system would try "C:\Program.exe" and the
// like first, which is fragile and a known way to run someone else's program.
std::string ExeCommandLine(std::string_view folder, std::string_view arguments);

}  // namespace kz::app
