#pragma once
// Building the key table from the language set. The build reloads the character table,
// then merges the enabled languages of the order, in rank order, into the 256 key
// entries: each body line appends its characters to its key's entry unless the entry
// already holds them, so a character keeps the first place it was given. The space key
// always holds one placeholder (a space) that opens the all-characters screen. Under the
// United States-International and United Kingdom layouts the key "4" offers the euro
// sign first.
//
//   KeyTable table = BuildKeyTable({store, codePage, keyboard, folder}, characters);
//
// Names in the order that no lookup resolves, and disabled names, contribute nothing.
#include <string>
#include <functional>
#include <string_view>

#include "charset/ansi_table.h"
#include "charset/character_table.h"
#include "charset/key_table.h"
#include "platform/code_page.h"
#include "platform/keyboard.h"
#include "settings/settings_store.h"

namespace kz {

inline constexpr std::uint8_t kSpaceKey = 32;
inline constexpr std::uint8_t kEuroKey = '4';
inline constexpr char16_t kEuroSign = 0x20AC;

// What a build reads: the store (the order setting and the user languages), the system
// code page, the active keyboard layout and the application folder with the data files.
struct LanguageSources {
    const SettingsStore& store;
    const platform::CodePage& codePage;
    const platform::Keyboard& keyboard;
    std::string folder;
};

// True for the layouts that put the euro sign first on the key 4: "00020409" (United
// States-International) and "00000809" (United Kingdom). Only the first eight characters
// of the layout name count.
bool IsEuroLayout(std::string_view layoutName);

// The body of a language by name (CR LF lines), empty when there is none.
using LanguageLookup = std::function<std::string(std::string_view name)>;

// The merge alone: pure, given the order text and a lookup.
KeyTable MergeLanguages(std::string_view orderText, const LanguageLookup& lookup,
                        const AnsiTable& ansi, bool euroFirst);

// The whole build: reloads `characters` from characters.dat, then merges.
KeyTable BuildKeyTable(const LanguageSources& sources, CharacterTable& characters);

}  // namespace kz
