#include "app/command_line.h"

#include <algorithm>

#include "app/names.h"
#include "settings/leading_number.h"

namespace kz::app {

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return out;
}

StartupSwitches ReadSwitches(std::string_view commandLine) {
    const std::string line = LowerAscii(commandLine);
    const auto contains = [&line](std::string_view s) { return line.find(s) != std::string::npos; };
    StartupSwitches s;
    s.setup = contains("/setup");
    s.wait = contains("/wait");
    if (s.wait) {
        // The delay is read from the line's last two characters, wherever the switch is.
        const std::string_view tail = std::string_view(line).substr(line.size() - 2);
        s.waitSeconds = LeadingNumber(tail) / 10.0;
    }
    s.uninstall = contains("/uninstall");
    s.install = contains("/install");
    s.service = contains("/service");
    s.closeAll = line == "/close";
    s.tutorial = line == "/tutorial";
    s.options = line == "/options";
    s.grantUsers = line == "/grantusers";
    return s;
}

std::string ExeCommandLine(std::string_view folder, std::string_view arguments) {
    std::string path = std::string(folder) + std::string(kExeName);
    if (path.find(' ') != std::string::npos) path = '"' + path + '"';
    return path + ' ' + std::string(arguments);
}

}  // namespace kz::app
