#include "options/language_list_reload.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "charset/data_files.h"
#include "charset/language_lookup.h"
#include "charset/text_file.h"
#include "charset/user_languages.h"
#include "options/language_order.h"
#include "settings/setting_access.h"

namespace kz::options {
namespace {

std::string_view WithoutDisabledMark(std::string_view entry) {
    return entry.starts_with('!') ? entry.substr(1) : entry;
}

// Deletes the user language of every name in the default order, so that the built-in
// bodies come back; user languages with names of their own stay. A standard user may not
// delete machine-wide values: the names whose value is still there are added to `kept`.
void DeleteUserChangesToBuiltIns(SettingsStore& store, std::string_view defaultOrder,
                                 std::vector<std::string>& kept) {
    for (std::string_view entry : SplitOrderEntries(defaultOrder)) {
        const std::string_view name = WithoutDisabledMark(entry);
        if (name.empty()) continue;
        store.remove(settings::kUserLanguagesScope, settings::kLanguagesSection, name);
        if (!ReadUserLanguage(store, name).empty()) kept.emplace_back(name);
    }
}

bool OrderNames(std::string_view orderText, std::string_view name) {
    return ContainsIgnoringCase(orderText, ";" + std::string(name) + ";") ||
           ContainsIgnoringCase(orderText, ";!" + std::string(name) + ";");
}

// `orderText` starts and ends with ";". Known names it does not mention are appended:
// disabled after a reset, else as they are written (an order.dat entry keeps its "!").
void AppendUnmentioned(std::string& orderText, std::string_view defaultOrder,
                       std::string_view userNames, bool reset) {
    std::vector<std::string_view> known = SplitOrderEntries(defaultOrder);
    const std::vector<std::string_view> users = SplitOrderEntries(userNames);
    known.insert(known.end(), users.begin(), users.end());
    for (std::string_view name : known) {
        if (OrderNames(orderText, name)) continue;
        if (reset) orderText += '!';
        orderText += name;
        orderText += ';';
    }
}

bool HasRow(const std::vector<LanguageRow>& rows, std::string_view name) {
    return std::ranges::any_of(
        rows, [name](const LanguageRow& row) { return SameLanguageName(row.text, name); });
}

std::vector<LanguageRow> RowsFromOrder(const SettingsStore& store, std::string_view orderText,
                                       std::string_view data) {
    std::vector<LanguageRow> rows;
    for (std::string_view entry : SplitOrderEntries(orderText)) {
        const bool disabled = entry.starts_with('!');
        const std::string_view name = WithoutDisabledMark(entry);
        // A blank name would match text anywhere in data.dat; it names no language.
        if (IsBlank(name) || HasRow(rows, name)) continue;
        if (IsBlank(LookupLanguage(store, name, data, false))) continue;
        LanguageRow row;
        row.text = std::string(name);
        row.checked = !disabled;
        if (!IsBlank(LookupLanguage(store, name, data, true))) row.tag = kBuiltInTag;
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

std::vector<LanguageRow> BuildLanguageRows(SettingsStore& store, const DataFolder& files,
                                           bool reset, std::vector<std::string>* keptChanges) {
    std::string order = reset ? std::string() : settings::Read(store, settings::kLanguages);
    const std::string data =
        ReadTextFile(data_files::In(files.folder, data_files::kLanguages), files.codePage);
    const std::string defaultOrder =
        ReadTextFile(data_files::In(files.folder, data_files::kOrder), files.codePage);
    if (order.empty()) order = defaultOrder;
    std::vector<std::string> kept;
    if (reset) DeleteUserChangesToBuiltIns(store, defaultOrder, kept);
    if (keptChanges != nullptr) *keptChanges = std::move(kept);

    std::string orderText = ";" + order + ";";
    AppendUnmentioned(orderText, defaultOrder, UserLanguageNames(store.registry()), reset);
    if (reset) settings::Write(store, settings::kLanguages, orderText);

    return RowsFromOrder(store, orderText, data);
}

}  // namespace kz::options
