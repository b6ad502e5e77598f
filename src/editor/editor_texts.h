#pragma once
// The language editor's own texts: its caption, the title of its message boxes and the
// messages it shows. They are the program's words and are used exactly as written here.
#include <string>
#include <string_view>

namespace kz::editor {

inline constexpr std::string_view kCaption = "Edit Language";
inline constexpr std::string_view kMessageTitle = "Kelvra Zavora";

inline constexpr std::string_view kNameStartsWithExclamation =
    "Language names cannot start with an exclamation mark!";
inline constexpr std::string_view kNameContainsSemicolon = "Language names cannot contain a \";\"";
inline constexpr std::string_view kNameEmpty = "You must enter a name for this language!";
inline constexpr std::string_view kReplaceQuestion =
    "A language with this name already exists!  Do you want to replace the existing language?";
inline constexpr std::string_view kNoCharacters =
    "You haven't added any characters to this language yet.";
inline constexpr std::string_view kDuplicateCharacter =
    "This character is already in this character list";

// Shown when the store did not keep what the editor wrote: on Windows a standard user
// may not change machine-wide values, and the system may drop such a write silently.
std::string SaveRefusedMessage(std::string_view languageName);
// Shown when "Reset Language" could not delete the stored changes for the same reason.
std::string ResetRefusedMessage(std::string_view languageName);

}  // namespace kz::editor

namespace kz::editor {

// Captions of the window's buttons and labels. The two-line Move captions are set when
// the window loads.
inline constexpr std::string_view kTypesLabel = "Character Types:";
inline constexpr std::string_view kCharactersLabel = "Characters:";
inline constexpr std::string_view kNameLabel = "Language Name:";
inline constexpr std::string_view kKeyLabel = "Keyboard key: (the location of the key doesn't matter)";
inline constexpr std::string_view kAddCaption = "  Add    -->";
inline constexpr std::string_view kRemoveCaption = "Remove <--";
inline constexpr std::string_view kMoveUpCaption = "Move\r\nUp";
inline constexpr std::string_view kMoveDownCaption = "Move\r\nDown";
inline constexpr std::string_view kMoveToTopCaption = "Move to Top";
inline constexpr std::string_view kMoveToBottomCaption = "Move to Bottom";
inline constexpr std::string_view kShiftCaption = "Shift";
inline constexpr std::string_view kResetCaption = "Reset Language";
inline constexpr std::string_view kOkCaption = "OK";
inline constexpr std::string_view kCancelCaption = "Cancel";
inline constexpr std::string_view kApplyCaption = "Apply";

}  // namespace kz::editor
