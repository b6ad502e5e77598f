#include "popup/all_characters_screen.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "charset/hex_number.h"
#include "charset/language_lookup.h"
#include "charset/letter_case.h"
#include "charset/text_split.h"
#include "charset/utf8.h"
#include "keys/virtual_keys.h"
#include "popup/popup_list.h"
#include "settings/leading_number.h"
#include "settings/setting_access.h"
#include "settings/settings_table.h"

namespace kz {
namespace {

constexpr int kCharacterRowsBelowTop = kCharacterListRows - 1;  // 6
constexpr int kTopRowsBelowTop = kTopListRows - 1;               // 4
constexpr int kTopRowTwips = kTopListRowBasePixels * platform::kTwipsPerBasePixel;
constexpr std::size_t kMaxSearchLength = 64;

int LastIndex(const auto& list) { return static_cast<int>(list.size()) - 1; }

// Scrolls `bar` so that `entry` lies within the `below` + 1 rows from its value.
void BringIntoView(ScrollBarModel& bar, int entry, int below) {
    const int top = bar.value();
    if (entry < top) bar.setValue(entry);
    if (entry > top + below) bar.setValue(entry - below);
}

// A stored number such as `OptionSel` or `CharSel`, rounded to a whole number.
long StoredNumber(const SettingsStore& store, const settings::Setting& setting) {
    const double value = LeadingNumber(settings::Read(store, setting));
    if (!(std::abs(value) < 1e9)) return 0;
    return std::lround(value);
}

}  // namespace

int FindInList(const std::vector<std::string>& list, std::string_view text) {
    const std::string wanted = ToLowerText(text);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (ToLowerText(list[i]) == wanted) return static_cast<int>(i);
    }
    return 0;
}

AllCharacters::AllCharacters(Links links) : links_(std::move(links)) {
    // The starting values of the two bars.
    charactersBar_.setMax(10);
    charactersBar_.setLargeChange(kCharacterListRows);
    topBar_.setMax(5);
    topBar_.setLargeChange(kTopListRows);
    // The user's scrolling moves the keys to the scrolled list; the program's own changes
    // of a bar's value only repaint, so refilling the characters list while the top list
    // has the keys leaves the keys where they are.
    charactersBar_.onChange([this] { links_.view.redrawList(); });
    charactersBar_.onScroll([this] {
        links_.view.redrawList();
        links_.popup.setFocusList(2);
    });
    topBar_.onChange([this] { links_.view.redrawTopList(); });
    topBar_.onScroll([this] {
        links_.view.redrawTopList();
        links_.popup.setFocusList(1);
    });
}

void AllCharacters::prepare() {
    Prepared next{.data = links_.loadData ? links_.loadData() : AllCharactersData{}, .search = {}};
    next.search.index(links_.characters);
    prepared_ = std::move(next);
}

void AllCharacters::load() {
    // An index of another character table (the languages were reloaded since) would name
    // records that are not there.
    if (!prepared_ || prepared_->search.size() != links_.characters.size()) prepare();
    types_ = std::move(prepared_->data.types);
    dataText_ = std::move(prepared_->data.dataText);
    languageNames_ = std::move(prepared_->data.languageNames);
    search_ = std::move(prepared_->search);
    prepared_.reset();
    // The next opening shows the files and settings as they are after this one.
    if (links_.runLater) {
        links_.runLater([this] {
            if (!prepared_) prepare();
        });
    }
    // Room for the longest result up front: a search keystroke then allocates nothing.
    gridChars_.reserve(std::max(links_.characters.size(), kMaxScreenEntries));
    searchText_.reserve(kMaxSearchLength);
    searchText_.clear();
    readState();
}

void AllCharacters::readState() {
    long option = 0;
    std::string typeName = "0";
    std::string languageName = "0";
    long code = 0;
    if (links_.settings.rememberState) {
        option = StoredNumber(links_.store, settings::kOptionSel);
        typeName = settings::Read(links_.store, settings::kSelectedType);
        languageName = settings::Read(links_.store, settings::kSelectedLanguage);
        code = StoredNumber(links_.store, settings::kCharSel);
    }
    option_ = option == 1 ? 1 : 0;
    links_.view.captionsChanged();
    groupSel_ = FindInList(types_.names, typeName);
    languageSel_ = FindInList(languageNames_, languageName);
    setTopBarFor(topSel());
    links_.view.redrawTopList();
    fillCharacters();

    gridSel_ = 0;
    if (code > 0 && code <= 0xFFFF) {
        if (const CharacterRecord* record = links_.characters.find(static_cast<char16_t>(code))) {
            const int index = static_cast<int>(record - links_.characters.records().data());
            const auto it = std::find(gridChars_.begin(), gridChars_.end(), index);
            if (it != gridChars_.end()) gridSel_ = static_cast<int>(it - gridChars_.begin());
        }
    }
    if (gridSel_ != 0) {
        BringIntoView(charactersBar_, gridSel_, kCharacterRowsBelowTop);
        redrawCharacterList();
    }
}

void AllCharacters::writeState() {
    settings::Write(links_.store, settings::kOptionSel, option_ == 0 ? "0" : "1");
    // A value the screen cannot name (an empty list) keeps what was stored.
    if (groupSel_ >= 0 && groupSel_ < static_cast<int>(types_.names.size())) {
        settings::Write(links_.store, settings::kSelectedType, types_.names[static_cast<std::size_t>(groupSel_)]);
    }
    if (languageSel_ >= 0 && languageSel_ < static_cast<int>(languageNames_.size())) {
        settings::Write(links_.store, settings::kSelectedLanguage,
                        languageNames_[static_cast<std::size_t>(languageSel_)]);
    }
    if (gridSel_ >= 0 && gridSel_ < static_cast<int>(gridChars_.size())) {
        const auto& record = links_.characters.records()[static_cast<std::size_t>(gridChars_[static_cast<std::size_t>(gridSel_)])];
        settings::Write(links_.store, settings::kCharSel, std::to_string(static_cast<int>(record.code)));
    }
}

void AllCharacters::fillCharacters() {
    if (option_ == 0) {
        listCharactersOfType();
    } else {
        listCharactersOfLanguage();
    }
}

void AllCharacters::listCharactersOfType() {
    clearSearch();
    gridChars_.clear();
    if (groupSel_ >= 0 && groupSel_ < static_cast<int>(types_.typeNumbers.size())) {
        const int type = types_.typeNumbers[static_cast<std::size_t>(groupSel_)];
        const auto& records = links_.characters.records();
        for (std::size_t i = 0; i < records.size() && gridChars_.size() < kMaxScreenEntries; ++i) {
            if (records[i].typeNumber == type) gridChars_.push_back(static_cast<int>(i));
        }
    }
    finishFill(groupSel_ + 1, static_cast<int>(gridChars_.size()) - kCharacterListRows);
}

void AllCharacters::listCharactersOfLanguage() {
    clearSearch();
    gridChars_.clear();
    std::string body;
    if (languageSel_ >= 0 && languageSel_ < static_cast<int>(languageNames_.size())) {
        body = LookupLanguage(links_.store, languageNames_[static_cast<std::size_t>(languageSel_)],
                              dataText_, false);
    }
    // One text of codes per key character; a later line for the same key replaces it.
    std::array<std::string_view, 256> keys{};
    for (std::string_view line : SplitText(body, "\r\n")) {
        std::size_t next = 0;
        if (line.empty()) continue;
        const char32_t first = utf8::Decode(line, next);
        if (line.size() <= next + 1 || line[next] != ' ') continue;
        const std::optional<std::uint8_t> key = links_.ansi.code(first);
        if (key) keys[*key] = line.substr(next + 1);
    }
    for (int c = 'a'; c <= 'z'; ++c) doAddLanguageChars(keys[static_cast<std::size_t>(c)]);
    for (int c = 0; c < 'a'; ++c) doAddLanguageChars(keys[static_cast<std::size_t>(c)]);
    for (int c = 'z' + 1; c < 256; ++c) doAddLanguageChars(keys[static_cast<std::size_t>(c)]);
    finishFill(languageSel_ + 1, std::max(static_cast<int>(gridChars_.size()) - kCharacterListRows, 0));
}

// A character that several keys carry is listed once, at its first key.
void AllCharacters::doAddLanguageChars(std::string_view codes) {
    const auto* base = links_.characters.records().data();
    for (std::size_t pos = 0; pos < codes.size() && gridChars_.size() < kMaxScreenEntries; pos += 4) {
        const std::optional<char16_t> code = ReadHexGroup(codes.substr(pos, 4));
        if (!code) continue;
        const CharacterRecord* record = links_.characters.find(*code);
        if (record == nullptr) continue;  // a code the character table does not know
        const int index = static_cast<int>(record - base);
        if (std::find(gridChars_.begin(), gridChars_.end(), index) == gridChars_.end()) {
            gridChars_.push_back(index);
        }
    }
}

void AllCharacters::finishFill(int key, int maximum) {
    charactersBar_.setMin(0);
    charactersBar_.setMax(maximum);
    charactersBar_.setValue(0);
    if (listKey_ != key) {
        gridSel_ = 0;
        redrawCharacterList();
    }
    listKey_ = key;
    // The same position in a list of another option may lie beyond its end.
    gridSel_ = std::clamp(gridSel_, 0, std::max(LastIndex(gridChars_), 0));
}

void AllCharacters::setTopBarFor(int selection) {
    topBar_.setMin(0);
    // The last entry can be scrolled into view and selected (its maximum is the last
    // index less the rows below the first).
    topBar_.setMax(LastIndex(topList()) - kTopRowsBelowTop);
    topBar_.setValue(0);
    BringIntoView(topBar_, selection, kTopRowsBelowTop);
}

void AllCharacters::optionMouseDown(int index) {
    option_ = index == 1 ? 1 : 0;
    links_.view.captionsChanged();
    fillCharacters();
    setTopBarFor(topSel());
    links_.view.redrawTopList();
    redrawCharacterList();
    links_.popup.setFocusList(1);
}

void AllCharacters::charactersListKeyDown(int keyCode, int) {
    int step = 0;
    if (keyCode == vk::kDown) step = 1;
    if (keyCode == vk::kUp) step = -1;
    if (keyCode == vk::kNext) step = kCharacterListRows;
    if (keyCode == vk::kPrior) step = -kCharacterListRows;
    if (step == 0) return;
    gridSel_ += step;
    // The bar's maximum stops at 0 for a short language, so the list's end stops too.
    gridSel_ = std::min({gridSel_, charactersBar_.max() + kCharacterRowsBelowTop, LastIndex(gridChars_)});
    gridSel_ = std::max(gridSel_, 0);
    BringIntoView(charactersBar_, gridSel_, kCharacterRowsBelowTop);
    redrawCharacterList();
}

void AllCharacters::topListKeyDown(int keyCode, int) {
    int step = 0;
    if (keyCode == vk::kDown) step = 1;
    if (keyCode == vk::kUp) step = -1;
    if (keyCode == vk::kNext) step = kTopListRows;
    if (keyCode == vk::kPrior) step = -kTopListRows;
    if (step == 0) return;
    int s = topSel() + step;
    s = std::min(s, topBar_.max() + kTopRowsBelowTop);
    s = std::max(s, 0);
    BringIntoView(topBar_, s, kTopRowsBelowTop);
    topSel() = s;
    links_.view.redrawTopList();
    fillCharacters();
}

void AllCharacters::charactersListMouseDown(int yTwips) {
    gridSel_ = charactersBar_.value() + std::max(yTwips, 0) / kCharacterRowTwips;
    gridSel_ = std::max(std::min(gridSel_, LastIndex(gridChars_)), 0);
    redrawCharacterList();
    links_.popup.setFocusList(2);
}

void AllCharacters::topListMouseDown(int yTwips) {
    links_.popup.setFocusList(1);
    const int s = topBar_.value() + std::max(yTwips, 0) / kTopRowTwips;
    const bool searching = !searchText_.empty();
    if (topList().empty() || (s == topSel() && !searching)) return;
    topSel() = std::min(s, LastIndex(topList()));
    links_.view.redrawTopList();
    if (searching) listKey_ = 0;  // back from a search: the list starts at its top again
    fillCharacters();
}

void AllCharacters::charactersBarMouseMove(int button, int, int, int yTwips) {
    links_.popup.setFocusList(2);
    dragThumb(charactersBar_, button, yTwips);
}

void AllCharacters::topBarMouseMove(int button, int, int, int yTwips) {
    links_.popup.setFocusList(1);
    dragThumb(topBar_, button, yTwips);
}

void AllCharacters::dragThumb(ScrollBarModel& bar, int button, int yTwips) {
    if ((button & 1) == 0) return;
    const std::optional<int> value =
        ThumbDragValue(platform::TwipsToPixels(yTwips, links_.popup.bounds().dpi), bar.heightPixels(), bar.min(), bar.max(), bar.largeChange());
    if (value) bar.scrollTo(*value);
}

std::optional<char16_t> AllCharacters::chosenCharacter(int caseSel) const {
    if (gridSel_ < 0 || gridSel_ >= static_cast<int>(gridChars_.size())) return std::nullopt;
    const auto& record = links_.characters.records()[static_cast<std::size_t>(gridChars_[static_cast<std::size_t>(gridSel_)])];
    return record.upperCode == 0 || caseSel == 0 ? record.code : record.upperCode;
}

void AllCharacters::redrawCharacterList() { links_.view.redrawList(); }

// Letters, digits and spaces build the search text; Backspace takes its last character
// back while there is one (an empty search leaves Backspace to close the screen).
bool AllCharacters::searchKey(int keyCode, unsigned char typed) {
    if (keyCode == vk::kBack) {
        if (searchText_.empty()) return false;
        searchText_.pop_back();
        if (!searchText_.empty()) {
            runSearch();
            return true;
        }
        links_.view.captionsChanged();
        listKey_ = 0;  // the chosen list again, from its first character
        fillCharacters();
        return true;
    }
    if (!IsSearchCharacter(typed)) return false;
    if (typed == ' ' && searchText_.empty()) return true;  // a search starts with a word
    if (searchText_.size() >= kMaxSearchLength) return true;
    searchText_.push_back(static_cast<char>(typed >= 'A' && typed <= 'Z' ? typed + ('a' - 'A') : typed));
    runSearch();
    return true;
}

void AllCharacters::runSearch() {
    search_.find(searchText_, gridChars_);
    gridSel_ = 0;
    listKey_ = 0;
    charactersBar_.setMin(0);
    charactersBar_.setMax(static_cast<int>(gridChars_.size()) - kCharacterListRows);
    charactersBar_.setValue(0);
    links_.popup.setFocusList(2);
    links_.view.captionsChanged();
    redrawCharacterList();
}

void AllCharacters::clearSearch() {
    if (searchText_.empty()) return;
    searchText_.clear();
    links_.view.captionsChanged();
}

const std::vector<std::string>& AllCharacters::topList() const {
    return option_ == 0 ? types_.names : languageNames_;
}

int& AllCharacters::topSel() { return option_ == 0 ? groupSel_ : languageSel_; }

std::string_view AllCharacters::optionCaption(int index) {
    return index == 1 ? "Languages" : "Character Types";
}

std::string AllCharacters::topCaption() const { return std::string(optionCaption(option_)) + ":"; }

std::string AllCharacters::charactersCaption() const {
    if (searchText_.empty()) return "Characters:";
    return "Search: " + searchText_;
}

TextListDrawState AllCharacters::topListDrawState() const {
    return TextListDrawState{.list = topList(),
                             .sel = option_ == 0 ? groupSel_ : languageSel_,
                             .top = topBar_.value()};
}

CharacterListDrawState AllCharacters::characterListDrawState() const {
    return CharacterListDrawState{.list = gridChars_,
                                  .sel = gridSel_,
                                  .top = charactersBar_.value(),
                                  .caseSel = links_.popup.caseSel(),
                                  .displayUnicodeSymbol = links_.settings.displayUnicodeSymbol,
                                  .characters = &links_.characters};
}

}  // namespace kz
