#pragma once
// The name of a keyboard layout ("00020409") from the handle that names it for a thread.
// Only the calling thread can ask the system for its layout's name, so the layout of
// another thread (the application the user types in) is named from its handle: the low
// word of the handle is the input language, the high word the layout. A high word
// 0xFnnn is a layout variant, named through its layout id "nnn" (the `Layout Id` values
// under the system's list of keyboard layouts); 0xE... is an input method, named by the
// whole handle; any other high word is the layout's own language.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kz::platform {

// The layout name of a variant by its layout id, or nothing when the system lists none.
using LayoutIdLookup = std::function<std::optional<std::string>(unsigned layoutId)>;

std::string LayoutNameOfHandle(std::uint32_t handle, const LayoutIdLookup& lookup);

}  // namespace kz::platform
