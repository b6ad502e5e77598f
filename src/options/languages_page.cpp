#include "options/languages_page.h"

#include <algorithm>

#include "charset/language_lookup.h"
#include "options/language_list_reload.h"
#include "options/language_order.h"
#include "options/options_texts.h"
#include "settings/settings_table.h"

namespace kz::options {

std::optional<std::size_t> LanguagesPage::selectedRow() const {
    if (focused_ && *focused_ < rows_.size() && rows_[*focused_].selected) return focused_;
    const auto first = std::ranges::find_if(rows_, &LanguageRow::selected);
    if (first == rows_.end()) return std::nullopt;
    return static_cast<std::size_t>(first - rows_.begin());
}

void LanguagesPage::reloadLanguagesList(bool reset) { reload(reset, nullptr); }

void LanguagesPage::reload(bool reset, std::vector<std::string>* keptChanges) {
    rows_ = BuildLanguageRows(links_.store, links_.dataFolder, reset, keptChanges);
    focused_.reset();
    if (!rows_.empty()) {
        rows_.front().selected = true;
        focused_ = 0;
    }
    updateEditAndDelete(focused_);
    links_.view.rowsChanged();
}

void LanguagesPage::setRowSelected(std::size_t row, bool selected) {
    if (row < rows_.size()) rows_[row].selected = selected;
}

void LanguagesPage::rowClick(std::size_t row) {
    if (row >= rows_.size()) return;
    focused_ = row;
    updateEditAndDelete(row);
}

void LanguagesPage::rowChecked(std::size_t row, bool checked) {
    if (row >= rows_.size()) return;
    rows_[row].checked = checked;
    links_.apply.enableApply();
    selectOnly(row);
    // The selection changed under Edit and Delete, which must follow it: Delete left on
    // from a user language would otherwise delete the stored changes of this row.
    updateEditAndDelete(row);
    links_.view.rowsChanged();
}

void LanguagesPage::pressMove(MoveCommand command) {
    links_.apply.enableApply();
    links_.view.freezeDrawing(true);
    MoveSelectedRows(rows_, command, [this](std::size_t movedTo) {
        focused_ = movedTo;
        links_.view.rowsChanged();
        links_.view.ensureVisible(movedTo);
    });
    links_.view.rowsChanged();
    links_.view.focusList();
    links_.view.freezeDrawing(false);
}

void LanguagesPage::deleteLanguage() {
    links_.view.focusList();
    const std::optional<std::size_t> row = selectedRow();
    // Only a user language is deleted. A shipped language's row stands for data.dat, and
    // deleting its user value would silently drop the user's changes to it.
    if (!row || !rows_[*row].isUserLanguage()) return;
    const std::string name = rows_[*row].text;
    if (!links_.messageBoxes.askYesNo(links_.view.dialogWindow(), kProgramTitle, DeleteQuestion(name))) {
        return;
    }
    // The user language goes at once; `Languages` keeps naming it until the next save,
    // which is harmless because a name without a body gets no row.
    links_.store.remove(settings::kUserLanguagesScope, settings::kLanguagesSection, name);
    if (!ReadUserLanguage(links_.store, name).empty()) {
        // The store kept it: the row stays, as the language does.
        inform(DeleteRefusedMessage(name));
        return;
    }
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*row));
    focused_.reset();
    if (!rows_.empty()) {
        const std::size_t next = *row == 0 ? 0 : *row - 1;
        rows_[next].selected = true;
        focused_ = next;
    }
    updateEditAndDelete(focused_);
    links_.view.rowsChanged();
}

void LanguagesPage::resetToDefault() {
    links_.view.focusList();
    if (!links_.messageBoxes.askYesNo(links_.view.dialogWindow(), kProgramTitle, kResetQuestion)) return;
    // The rows are rebuilt from the store, so they show what the reset really did.
    std::vector<std::string> kept;
    reload(true, &kept);
    if (!kept.empty()) inform(ResetRefusedMessage(kept));
}

void LanguagesPage::addLanguage() {
    runEditor([this] { return links_.editor.addLanguage(); });
}

void LanguagesPage::editLanguage() {
    const std::optional<std::size_t> row = selectedRow();
    if (!row) return;
    const std::string name = rows_[*row].text;
    runEditor([this, &name] { return links_.editor.editLanguage(name); });
}

void LanguagesPage::inform(std::string_view text) {
    links_.messageBoxes.inform(links_.view.dialogWindow(), kProgramTitle, text);
}

void LanguagesPage::selectOnly(std::size_t row) {
    for (LanguageRow& each : rows_) each.selected = false;
    rows_[row].selected = true;
    focused_ = row;
}

void LanguagesPage::updateEditAndDelete(std::optional<std::size_t> clicked) {
    const auto selectedCount = std::ranges::count_if(rows_, &LanguageRow::selected);
    editEnabled_ = selectedCount == 1;
    deleteEnabled_ = selectedCount == 1 && clicked && *clicked < rows_.size() &&
                     rows_[*clicked].isUserLanguage();
}

void LanguagesPage::runEditor(const std::function<std::string()>& showEditor) {
    const std::size_t remembered = selectedRow().value_or(0);
    links_.view.focusList();
    const std::string edited = showEditor();
    // The editor's loop also ends when the program closes under it (a "close" from
    // another instance, Exit in the tray menu). The list's pending edits were never
    // confirmed then, and pressing Apply for them would write them.
    if (!links_.apply.dialogOpen()) return;

    // The rows in view before the rebuild, so the list does not jump.
    const std::size_t firstVisible = links_.view.rowNearTop().value_or(0);
    std::optional<std::size_t> lastVisible = links_.view.rowNearBottom();
    if (!lastVisible && !rows_.empty()) lastVisible = rows_.size() - 1;

    // Pending list edits reach the store before the list is read back from it.
    links_.apply.pressApply();
    reloadLanguagesList(false);
    if (rows_.empty()) return;

    const std::size_t lastRow = rows_.size() - 1;
    std::size_t target = std::min(remembered, lastRow);
    if (!edited.empty()) {
        const auto found = std::ranges::find_if(rows_, [&edited](const LanguageRow& row) {
            return SameLanguageName(row.text, edited);
        });
        if (found != rows_.end()) target = static_cast<std::size_t>(found - rows_.begin());
    }
    if (lastVisible) lastVisible = std::min(*lastVisible, lastRow);

    for (const std::optional<std::size_t> row : {std::optional(firstVisible), lastVisible,
                                                 std::optional(target)}) {
        if (row && *row <= lastRow) links_.view.ensureVisible(*row);
    }

    rows_[target].selected = true;
    if (target != 0) rows_.front().selected = false;
    rowClick(target);
    links_.view.rowsChanged();
}

}  // namespace kz::options
