#pragma once
// The probe's commands. Each takes its arguments as UTF-8 words and writes exactly one
// JSON value into `out`. Window handles travel as decimal numbers (hex with 0x is accepted).
#include <string>
#include <vector>

#include "json_writer.h"

namespace probe {

using Args = std::vector<std::string>;

HWND ParseHandle(const std::string& word);
long long ParseNumber(const std::string& word);

// probe_windows.cpp
void ListWindows(const Args& args, Json& out);     // windows
void ListChildren(const Args& args, Json& out);    // children HWND
void WindowInfo(const Args& args, Json& out);      // info HWND
void WindowText(const Args& args, Json& out);      // text HWND
void FocusInfo(const Args& args, Json& out);       // focus
void SendToWindow(const Args& args, Json& out);    // send HWND MSG WPARAM LPARAM
void PostToWindow(const Args& args, Json& out);    // post HWND MSG WPARAM LPARAM
void SetText(const Args& args, Json& out);         // settext HWND TEXT
void ScreenInfo(const Args& args, Json& out);      // screen

// probe_listview.cpp
void ReadListView(const Args& args, Json& out);    // listview HWND

// probe_registry.cpp
void RegistryGet(const Args& args, Json& out);     // regget KEY NAME
void RegistrySet(const Args& args, Json& out);     // regset KEY NAME TYPE DATA
void RegistryDelete(const Args& args, Json& out);  // regdel KEY [NAME]
void RegistryList(const Args& args, Json& out);    // reglist KEY
void RegistrySecurity(const Args& args, Json& out);  // regsddl KEY

// probe_resources.cpp
void ExecutableInfo(const Args& args, Json& out);  // exeinfo PATH

// probe_processes.cpp
void ListProcesses(const Args& args, Json& out);   // procs
void KillProcess(const Args& args, Json& out);     // kill PID [EXE]
void KillAll(const Args& args, Json& out);         // killall EXE

}  // namespace probe
