#pragma once
// probe.exe's commands. Each takes its arguments as UTF-8 words and returns one JSON
// value; window handles travel as decimal numbers.
#include <windows.h>

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/win32/wide_text.h"

namespace probe {

using Args = std::vector<std::string>;
using kz::win32::Narrow;  // UTF-16 to UTF-8, and back with Widen
using kz::win32::Widen;

HWND ParseHandle(const std::string& word);
long long ParseNumber(const std::string& word);

// JSON from pieces that are JSON already.
std::string Str(std::string_view utf8);
inline std::string Str(std::wstring_view text) { return Str(Narrow(text)); }
inline std::string Bool(bool flag) { return flag ? "true" : "false"; }
template <std::integral T>
std::string Num(T number) { return std::to_string(number); }
inline std::string Num(HWND window) { return Num(reinterpret_cast<std::uintptr_t>(window)); }
std::string Object(std::initializer_list<std::pair<std::string_view, std::string>> fields);
std::string Array(const std::vector<std::string>& values);

// probe_windows.cpp
std::string ListWindows(const Args&);   // windows: the top-level ones, hidden ones included
std::string ListChildren(const Args&);  // children HWND: the controls at every level
std::string WindowInfo(const Args&);    // info HWND: the window, or null once it is gone
std::string WindowText(const Args&);    // text HWND
std::string FocusInfo(const Args&);     // focus: {"foreground", "focus", "inmenu"}
std::string SendTo(const Args&);        // send HWND MSG [WPARAM LPARAM]: the answer (0 after 3 s)
std::string PostTo(const Args&);        // post HWND MSG [WPARAM LPARAM]
std::string ScreenDpi(const Args&);     // dpi
std::string ReadListView(const Args&);  // listview HWND: another process's list view

// probe_system.cpp (keys start with HKCU\ or HKLM\)
std::string ListProcesses(const Args&);     // processes EXE: [{"pid"}]
std::string KillAll(const Args&);           // kill_all EXE: how many ended
std::string RegistryGet(const Args&);       // reg_get KEY NAME: REG_SZ text or null
std::string RegistrySet(const Args&);       // reg_set KEY NAME TEXT (REG_SZ)
std::string RegistryDelete(const Args&);    // reg_delete KEY [NAME]: the value, or the key's content
std::string RegistrySecurity(const Args&);  // reg_sddl KEY: its access list as SDDL
std::string ExecutableInfo(const Args&);    // exe_info PATH: version, icon groups, manifest

}  // namespace probe
