#include "editor/editor_model.h"

#include <algorithm>

#include "charset/data_files.h"
#include "charset/group_file.h"
#include "charset/language_lookup.h"
#include "charset/text_file.h"
#include "editor/editor_texts.h"

namespace kz::editor {
namespace {

const CandidateList kEmptyKeyList;

}  // namespace

EditorModel::EditorModel(EditorLinks links)
    : links_(std::move(links)), ansi_(links_.codePage), keys_(DesignKeyboard()) {
    typeNames_ = LoadGroupNames(links_.folder, links_.codePage);
    if (!typeNames_.empty()) selectType(0);
    AdaptToLayout(keys_, links_.layoutName);
    selectKey(kFirstKey);
}

void EditorModel::LoadLanguage(std::string_view name, bool firstKey) {
    dataText_ = readLanguageData();
    name_ = name;
    loadedName_ = name;
    if (!lookup(name, true).empty()) resetEnabled_ = true;
    lists_.addBody(lookup(name, false), ansi_);
    setAllBoldStates();
    if (firstKey) selectKey(kFirstKey);
}

void EditorModel::selectKey(int key) {
    if (key < 0 || key >= kKeyCount) return;
    showKey(key, false);
}

// Shows the key's characters in the right list. While an edit reloads the list, the
// selection is the edit's to set.
void EditorModel::showKey(int key, bool keepSelection) {
    selectedKey_ = key;
    std::vector<ListEntry> entries;
    for (char16_t c : selectedKeyList()) {
        ListEntry entry{c, std::nullopt};
        if (const CharacterRecord* record = links_.characters.find(c)) {
            entry.record = static_cast<std::size_t>(record - links_.characters.records().data());
        }
        entries.push_back(entry);
    }
    right_.setEntries(std::move(entries));
    if (!keepSelection) right_.setSelection(0);
    links_.view.focusList(ListSide::Right);
}

void EditorModel::toggleShift() {
    shiftOn_ = !shiftOn_;
    for (KeyButton& key : keys_) {
        if (!key.shiftedCaption.empty()) {
            std::swap(key.caption, key.shiftedCaption);
        } else {
            key.enabled = !shiftOn_;
        }
    }
    setAllBoldStates();
    if (!keys_[selectedKey_].enabled) selectedKey_ = kFirstKey;
    showKey(selectedKey_, false);
}

void EditorModel::selectType(int type) {
    if (type < 0 || static_cast<std::size_t>(type) >= typeNames_.size()) return;
    std::vector<ListEntry> entries;
    const auto& records = links_.characters.records();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].typeNumber == type + 1) entries.push_back({records[i].code, i});
    }
    left_.setEntries(std::move(entries));
    if (previousType_ != type) left_.setSelection(0);
    previousType_ = type;
}

void EditorModel::pressAddRemove(int index) {
    if (index == 0) add();
    if (index == 1) remove();
}

void EditorModel::add() {
    CandidateList* list = editableKeyList();
    if (list == nullptr || left_.entries().empty()) return;
    const char16_t c = drawnCode(left_.entries()[left_.selection()]);
    if (std::find(list->begin(), list->end(), c) != list->end()) {
        inform(kDuplicateCharacter);
    } else {
        const std::size_t selection = InsertAfter(*list, right_.selection(), c);
        showKey(selectedKey_, true);
        right_.setSelection(selection);
    }
    setButtonBoldState(selectedKey_);
}

void EditorModel::remove() {
    CandidateList* list = editableKeyList();
    if (list == nullptr || list->empty()) return;
    const std::size_t selection = RemoveAt(*list, right_.selection());
    showKey(selectedKey_, true);
    right_.setSelection(selection);
    setButtonBoldState(selectedKey_);
}

void EditorModel::pressMove(int index) {
    CandidateList* list = editableKeyList();
    if (list == nullptr || index < 0 || index > 3) return;
    const std::size_t selection = MoveUnit(*list, right_.selection(), static_cast<Move>(index));
    showKey(selectedKey_, true);
    right_.setSelection(selection);
}

void EditorModel::leftListDoubleClick() {
    add();
    links_.view.focusList(ListSide::Left);
}

void EditorModel::rightListDoubleClick() {
    remove();
    links_.view.focusList(ListSide::Right);
}

void EditorModel::MouseWheel(int rotation, std::optional<ListSide> focused) {
    if (focused == ListSide::Left) left_.wheel(rotation);
    if (focused == ListSide::Right) right_.wheel(rotation);
}

void EditorModel::setButtonBoldState(int key) {
    KeyButton& button = keys_[key];
    const auto code = KeyCodeOf(button.caption, ansi_);
    button.hasCharacters = code && !lists_[*code].empty();
    button.bold = button.hasCharacters && IsBoldSymbol(button.caption);
}

void EditorModel::setAllBoldStates() {
    for (int key = 0; key < kKeyCount; ++key) setButtonBoldState(key);
}

char16_t EditorModel::drawnCode(const ListEntry& entry) const {
    const CharacterRecord* record = recordOf(entry);
    return record ? record->code : entry.code;
}

const CharacterRecord* EditorModel::recordOf(const ListEntry& entry) const {
    const auto& records = links_.characters.records();
    return entry.record && *entry.record < records.size() ? &records[*entry.record] : nullptr;
}

std::optional<std::uint8_t> EditorModel::selectedKeyCode() const {
    return KeyCodeOf(keys_[selectedKey_].caption, ansi_);
}

const CandidateList& EditorModel::selectedKeyList() const {
    const auto code = selectedKeyCode();
    return code ? lists_[*code] : kEmptyKeyList;
}

CandidateList* EditorModel::editableKeyList() {
    const auto code = selectedKeyCode();
    return code ? &lists_[*code] : nullptr;
}

void EditorModel::inform(std::string_view text) {
    links_.messages.inform(links_.view.window(), kMessageTitle, text);
}

std::string EditorModel::readLanguageData() const {
    return ReadTextFile(data_files::In(links_.folder, data_files::kLanguages), links_.codePage);
}

std::string EditorModel::lookup(std::string_view name, bool builtInOnly) const {
    return LookupLanguage(links_.store, name, dataText_, builtInOnly);
}

}  // namespace kz::editor
