#pragma once
// The program's version as its own executable's version resource states it, so the
// version is written in one place only (the project version in CMakeLists.txt).
#include <string>

namespace kz::win32 {

// "major.minor.patch" of the product version; empty when the resource cannot be read.
std::wstring OwnVersionText();

}  // namespace kz::win32
