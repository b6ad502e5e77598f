#pragma once
// Building the language list's rows from the store and the data files
// (`reloadLanguagesList` without its effect on the selection).
#include <string>
#include <vector>

#include "options/language_row.h"
#include "platform/code_page.h"
#include "settings/settings_store.h"

namespace kz::options {

// Where the data files lie and how they are decoded.
struct DataFolder {
    std::string folder;
    const platform::CodePage& codePage;
};

// The rows in language order: the stored `Languages` order (order.dat's when the setting
// is empty), then every known language it does not name, enabled. With `reset` the
// stored order is ignored, the user's changes to built-in languages are deleted, the
// other user languages follow disabled and the new order is written at once; the names
// whose changes the store kept (it refused the deletion) go to `keptChanges`.
// No row is selected.
std::vector<LanguageRow> BuildLanguageRows(SettingsStore& store, const DataFolder& data,
                                           bool reset,
                                           std::vector<std::string>* keptChanges = nullptr);

}  // namespace kz::options
