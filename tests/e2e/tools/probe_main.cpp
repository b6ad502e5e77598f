// probe.exe: looks at the Windows desktop from outside for the end-to-end suite.
//   probe.exe COMMAND ARG...   answers one command with one JSON line on stdout
//   probe.exe serve            answers one command per stdin line (fields separated by
//                              tabs) until end of input, so a test pays for one start only
// Commands are listed in probe_commands.h.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "probe_commands.h"

namespace probe {

using Command = void (*)(const Args&, Json&);

HWND ParseHandle(const std::string& word) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::strtoull(word.c_str(), nullptr, 0)));
}

long long ParseNumber(const std::string& word) {
    return std::strtoll(word.c_str(), nullptr, 0);
}

namespace {

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"windows", ListWindows}, {"children", ListChildren}, {"info", WindowInfo},
        {"text", WindowText},     {"focus", FocusInfo},       {"send", SendToWindow},
        {"post", PostToWindow},   {"settext", SetText},       {"screen", ScreenInfo},
        {"listview", ReadListView}, {"procs", ListProcesses}, {"kill", KillProcess},
        {"regget", RegistryGet},  {"regset", RegistrySet},   {"regdel", RegistryDelete},
        {"reglist", RegistryList},  {"killall", KillAll},     {"exeinfo", ExecutableInfo},
        {"regsddl", RegistrySecurity},
    };
    return commands;
}

std::string Answer(const std::string& name, const Args& args) {
    Json out;
    auto found = Commands().find(name);
    if (found == Commands().end()) {
        out.beginObject().field("error", ("unknown command " + name).c_str()).endObject();
        return out.text();
    }
    try {
        found->second(args, out);
    } catch (const std::exception&) {
        Json error;
        error.beginObject().field("error", ("missing arguments for " + name).c_str()).endObject();
        return error.text();
    }
    return out.text();
}

void Reply(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

Args SplitTabs(std::string line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    Args fields;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

int Serve() {
    std::string line;
    char chunk[4096];
    while (std::fgets(chunk, sizeof chunk, stdin)) {
        line += chunk;
        if (line.empty() || line.back() != '\n') continue;
        Args fields = SplitTabs(line);
        line.clear();
        if (fields.empty() || fields[0].empty()) continue;
        if (fields[0] == "quit") break;
        std::string name = fields[0];
        fields.erase(fields.begin());
        Reply(Answer(name, fields));
    }
    return 0;
}

}  // namespace
}  // namespace probe

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    if (argc < 2) {
        std::fputs("usage: probe.exe serve | COMMAND ARG...\n", stderr);
        return 2;
    }
    std::string name = probe::Utf8(argv[1]);
    if (name == "serve") return probe::Serve();
    probe::Args args;
    for (int i = 2; i < argc; ++i) args.push_back(probe::Utf8(argv[i]));
    probe::Reply(probe::Answer(name, args));
    return 0;
}
