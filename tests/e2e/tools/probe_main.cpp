// probe.exe: looks at the Windows desktop from outside for the end-to-end suite. It
// answers one command a line of stdin (words separated by tabs) with one JSON line on
// stdout until the end of its input, so a test pays for one start only.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <map>

#include "probe.h"

namespace probe {

HWND ParseHandle(const std::string& word) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::strtoull(word.c_str(), nullptr, 0)));
}

long long ParseNumber(const std::string& word) { return std::strtoll(word.c_str(), nullptr, 0); }

std::string Str(std::string_view utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + '"';
}

std::string Object(std::initializer_list<std::pair<std::string_view, std::string>> fields) {
    std::string out = "{";
    for (const auto& [name, value] : fields) out += (out.size() > 1 ? "," : "") + Str(name) + ":" + value;
    return out + "}";
}

std::string Array(const std::vector<std::string>& values) {
    std::string out = "[";
    for (const auto& value : values) out += (out.size() > 1 ? "," : "") + value;
    return out + "]";
}

namespace {

std::string Answer(const Args& words) {
    static const std::map<std::string, std::string (*)(const Args&)> commands = {
        {"windows", ListWindows},     {"children", ListChildren},   {"info", WindowInfo},
        {"text", WindowText},         {"focus", FocusInfo},         {"send", SendTo},
        {"post", PostTo},             {"dpi", ScreenDpi},           {"listview", ReadListView},
        {"processes", ListProcesses}, {"kill_all", KillAll},        {"reg_get", RegistryGet},
        {"reg_set", RegistrySet},     {"reg_delete", RegistryDelete}, {"reg_sddl", RegistrySecurity},
        {"exe_info", ExecutableInfo},
    };
    auto found = commands.find(words.at(0));
    if (found == commands.end()) return Object({{"error", Str("unknown command " + words[0])}});
    try {
        return found->second(Args(words.begin() + 1, words.end()));
    } catch (const std::exception&) {
        return Object({{"error", Str("missing arguments for " + words[0])}});
    }
}

int Serve() {
    std::string line;
    char chunk[4096];
    while (std::fgets(chunk, sizeof chunk, stdin)) {
        line += chunk;
        if (line.back() != '\n') continue;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        Args words;
        for (size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
            tab = line.find('\t', start);
            words.push_back(line.substr(start, tab - start));
        }
        line.clear();
        if (words[0].empty()) continue;
        std::string answer = Answer(words) + "\n";
        std::fwrite(answer.data(), 1, answer.size(), stdout);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace
}  // namespace probe

int wmain(int, wchar_t**) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    return probe::Serve();
}
