#pragma once
// Which top-level windows count as the program's: the process ends when none is left on
// its thread. Every window class the program registers starts with kProgramClassPrefix.
#include <string_view>

namespace kz::win32 {

inline constexpr std::wstring_view kProgramClassPrefix = L"KelvraZavora";

bool AnyProgramWindowLeft();

}  // namespace kz::win32
