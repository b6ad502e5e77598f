// Processes as the Windows side sees them (the Linux side only sees wine loaders).
#include <windows.h>
#include <tlhelp32.h>

#include "probe_commands.h"

namespace probe {

void ListProcesses(const Args&, Json& out) {
    out.beginArray();
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        out.endArray();
        return;
    }
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        out.beginObject();
        out.field("pid", entry.th32ProcessID).field("ppid", entry.th32ParentProcessID);
        out.key("exe").value(entry.szExeFile);
        out.endObject();
    }
    CloseHandle(snapshot);
    out.endArray();
}

void KillProcess(const Args& args, Json& out) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                                 static_cast<DWORD>(ParseNumber(args.at(0))));
    bool ok = false;
    if (process) {
        ok = TerminateProcess(process, 1) != FALSE;
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
    out.beginObject().field("ok", ok).endObject();
}

}  // namespace probe
