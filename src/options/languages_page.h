#pragma once
// The Languages page of the Options dialog: the language list (the editing copy of the
// `Languages` setting) and its commands. The page holds what the list view shows; the
// list view reports the user's clicks and selections to it and shows its rows again
// whenever it hears rowsChanged. Rows are counted from 0.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "options/language_moves.h"
#include "options/language_list_reload.h"
#include "options/language_row.h"
#include "options/options_links.h"
#include "platform/message_box.h"
#include "settings/settings_store.h"

namespace kz::options {

// The dialog's Apply button as the page uses it.
class ApplyButton {
public:
    virtual ~ApplyButton() = default;
    virtual void enableApply() = 0;
    // Saves as Apply does when Apply is enabled; does nothing when it is disabled.
    virtual void pressApply() = 0;
    // False once the dialog has closed or the program has begun to end.
    virtual bool dialogOpen() const = 0;
};

struct LanguagesPageLinks {
    SettingsStore& store;
    DataFolder dataFolder;
    platform::MessageBoxes& messageBoxes;
    LanguageEditor& editor;
    LanguageListView& view;
    ApplyButton& apply;
};

class LanguagesPage {
public:
    explicit LanguagesPage(LanguagesPageLinks links) : links_(links) {}

    const std::vector<LanguageRow>& rows() const { return rows_; }
    // The row the commands act on (the list's focused row); none when nothing is selected.
    std::optional<std::size_t> selectedRow() const;
    bool editEnabled() const { return editEnabled_; }
    bool deleteEnabled() const { return deleteEnabled_; }

    // Rebuilds the rows from the store; the first row is then selected, as a list view
    // selects the first row added to it.
    void reloadLanguagesList(bool reset);

    // The user changed the selection in the list view (click, Shift or Ctrl click, keys).
    void setRowSelected(std::size_t row, bool selected);
    // Row click: Edit is enabled exactly when one row is selected, Delete when that is
    // also true and the clicked row is a user language.
    void rowClick(std::size_t row);
    // The user toggled a row's check box: Apply is enabled and the row is selected alone,
    // with Edit and Delete following it as after a click.
    void rowChecked(std::size_t row, bool checked);

    void pressMove(MoveCommand command);
    // Deletes the selected user language at once; a shipped language is never deleted.
    // A deletion or reset that the store refuses is reported, and the rows keep showing
    // what is stored.
    void deleteLanguage();
    void resetToDefault();
    void addLanguage();
    void editLanguage();

private:
    void reload(bool reset, std::vector<std::string>* keptChanges);
    void inform(std::string_view text);
    void selectOnly(std::size_t row);
    void updateEditAndDelete(std::optional<std::size_t> clicked);
    // Add and Edit: the editor, then Apply, the rebuilt list and the target row in view.
    void runEditor(const std::function<std::string()>& showEditor);

    LanguagesPageLinks links_;
    std::vector<LanguageRow> rows_;
    std::optional<std::size_t> focused_;
    bool editEnabled_ = false;
    bool deleteEnabled_ = false;
};

}  // namespace kz::options
