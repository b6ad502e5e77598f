#pragma once
// UTF-8 (the program's text) <-> UTF-16 (the W functions) at the system boundary.
// Embedded NULs pass through both ways.
#include <string>
#include <string_view>

namespace kz::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace kz::win32
