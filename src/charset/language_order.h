#pragma once
// The language order: names separated by ";", in rank order; a name preceded by "!" is
// disabled. It is the per-user setting `Languages`; when that is empty or blank, the text
// of order.dat (the shipped default order and enabled set) takes its place.
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "settings/settings_store.h"

namespace kz {

struct LanguageOrderEntry {
    std::string name;  // without the "!"
    bool enabled = true;
};

// Every non-empty entry, in order (duplicates kept: the first one decides for a caller
// that lists names; the merge ignores the later ones anyway).
std::vector<LanguageOrderEntry> ParseLanguageOrder(std::string_view orderText);

// The text of order.dat in `folder` (empty when missing).
std::string ReadDefaultOrder(const std::string& folder, const platform::CodePage& codePage);

// The `Languages` setting, or the default order when the setting is blank.
std::string ReadLanguageOrder(const SettingsStore& store, const std::string& folder,
                              const platform::CodePage& codePage);

}  // namespace kz
