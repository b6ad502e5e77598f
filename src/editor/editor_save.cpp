// Naming, saving and resetting the edited language.
#include "charset/language_lookup.h"
#include "charset/letter_case.h"
#include "charset/text_split.h"
#include "editor/editor_model.h"
#include "editor/editor_texts.h"
#include "settings/settings_table.h"

namespace kz::editor {
namespace {

enum Command { kOk = 0, kCancel = 1, kApply = 2 };

bool SameIgnoringCase(std::string_view a, std::string_view b) { return ToLowerText(a) == ToLowerText(b); }

}  // namespace

void EditorModel::nameChanged(std::string_view text) {
    name_ = text;
    if (loadedName_.empty()) return;
    if (name_ != loadedName_) {
        resetEnabled_ = false;
    } else if (!lookup(loadedName_, true).empty()) {
        resetEnabled_ = true;
    }
}

// Drops the stored changes of a built-in language at once, without asking, and shows the
// built-in body again. Cancelling the editor afterwards does not bring them back.
void EditorModel::resetLanguage() {
    if (!resetEnabled_) return;  // the button is disabled: no built-in language to go back to
    SettingsStore& store = links_.store;
    store.remove(settings::kUserLanguagesScope, settings::kLanguagesSection, loadedName_);
    if (!ReadUserLanguage(store, loadedName_).empty()) {
        // The store kept the value: reloading would only throw away the edits on screen.
        inform(ResetRefusedMessage(loadedName_));
        return;
    }
    lists_.clear();
    LoadLanguage(loadedName_, false);
    showKey(selectedKey_, false);
}

bool EditorModel::pressButton(int index) {
    if (index == kCancel) return true;
    if (index != kOk && index != kApply) return false;
    if (!save()) return false;
    return index == kOk;
}

// Every refusal leaves the window open with the edits as they are.
bool EditorModel::save() {
    dataText_ = readLanguageData();
    if (!validateName()) return false;
    if (name_ != loadedName_ && !TrimSpaces(lookup(name_, false)).empty() &&
        !links_.messages.askYesNo(links_.view.window(), kMessageTitle, kReplaceQuestion)) {
        links_.view.focusNameBox();
        return false;
    }
    if (!SameIgnoringCase(name_, loadedName_)) {
        loadedName_ = name_;
        resetEnabled_ = false;
    }
    const std::string body = lists_.body(ansi_);
    if (body.empty()) {
        inform(kNoCharacters);
        return false;
    }
    SettingsStore& store = links_.store;
    store.write(settings::kUserLanguagesScope, settings::kLanguagesSection, name_, body);
    // A standard user's machine-wide write may be dropped without an error: only what
    // reads back counts as saved.
    if (ReadUserLanguage(store, name_) != body) {
        inform(SaveRefusedMessage(name_));
        return false;
    }
    editedLanguageName_ = name_;
    return true;
}

bool EditorModel::validateName() {
    std::string_view problem;
    if (name_.starts_with('!')) {
        problem = kNameStartsWithExclamation;
    } else if (name_.find(';') != std::string::npos) {
        problem = kNameContainsSemicolon;
    } else if (name_.empty()) {
        problem = kNameEmpty;
    }
    if (problem.empty()) return true;
    inform(problem);
    links_.view.focusNameBox();
    return false;
}

}  // namespace kz::editor
