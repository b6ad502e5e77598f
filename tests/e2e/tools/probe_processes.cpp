// Processes as the Windows side sees them (the Linux side only sees wine loaders).
#include <windows.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "probe_commands.h"

namespace probe {

namespace {

// The image names of every process, from one snapshot.
template <typename Visit>
void ForEachProcess(Visit visit) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        visit(entry);
    CloseHandle(snapshot);
}

bool Terminate(DWORD pid) {
    // Process ids are reused at once: an id read a moment ago may be this probe's own.
    if (pid == GetCurrentProcessId()) return false;
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!process) return false;
    bool ok = TerminateProcess(process, 1) != FALSE;
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
    return ok;
}

}  // namespace

void ListProcesses(const Args&, Json& out) {
    out.beginArray();
    ForEachProcess([&](const PROCESSENTRY32W& entry) {
        out.beginObject();
        out.field("pid", entry.th32ProcessID).field("ppid", entry.th32ParentProcessID);
        out.key("exe").value(entry.szExeFile);
        out.endObject();
    });
    out.endArray();
}

// kill PID [EXE]: with EXE, only while that id still belongs to a process of that name.
void KillProcess(const Args& args, Json& out) {
    auto pid = static_cast<DWORD>(ParseNumber(args.at(0)));
    bool matches = args.size() < 2;
    if (!matches) {
        std::wstring exe = Wide(args[1]);
        ForEachProcess([&](const PROCESSENTRY32W& entry) {
            if (entry.th32ProcessID == pid && lstrcmpiW(entry.szExeFile, exe.c_str()) == 0) matches = true;
        });
    }
    out.beginObject().field("ok", matches && Terminate(pid)).endObject();
}

// killall EXE: every process of that image name but this probe; answers how many ended.
void KillAll(const Args& args, Json& out) {
    std::wstring exe = Wide(args.at(0));
    std::vector<DWORD> pids;
    ForEachProcess([&](const PROCESSENTRY32W& entry) {
        if (lstrcmpiW(entry.szExeFile, exe.c_str()) == 0) pids.push_back(entry.th32ProcessID);
    });
    int killed = 0;
    for (DWORD pid : pids) killed += Terminate(pid) ? 1 : 0;
    out.beginObject().field("killed", killed).endObject();
}

}  // namespace probe
