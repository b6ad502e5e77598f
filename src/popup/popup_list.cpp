#include "popup/popup_list.h"

#include <algorithm>
#include <cctype>

#include "keys/output.h"
#include "keys/virtual_keys.h"

namespace kz {

PopupList::PopupList(Links links) : links_(std::move(links)) {
    keyChars_.reserve(64);  // opening a key popup then copies without allocating
    bounds_.heightTwips = layout().height;
}

PopupDrawState PopupList::drawState() const {
    return PopupDrawState{.mode = mode_,
                          .topRow = topRow_,
                          .selected = selected_,
                          .lastRow = lastRow_,
                          .caseSel = caseSel_,
                          .rowText = rowText_,
                          .upArrowActive = upArrowActive_,
                          .downArrowActive = downArrowActive_,
                          .showNumbers = links_.settings.showNumbers,
                          .displayUnicodeSymbol = links_.settings.displayUnicodeSymbol,
                          .characters = &links_.characters};
}

void PopupList::setWidth(int twips) {
    const bool wasShown = shown();
    width_ = std::max(twips, 0);
    if (!shown()) {
        if (wasShown) links_.view.hide();
        return;
    }
    resize(width_, bounds_.heightTwips);
    if (!wasShown) links_.view.show();
}

void PopupList::resize(int widthTwips, int heightTwips) {
    bounds_ = BoundsAt(bounds_.leftTwips, bounds_.topTwips, widthTwips, heightTwips, bounds_.dpi);
    if (shown()) links_.view.place(bounds_);
}

void PopupList::selectRow(int index) {
    lastRow_ = tutorialOpen() ? 4 : 5;
    if (mode_ == 1) {  // six rows, or five beside the tutorial
        links_.view.layoutChanged();
        const int height = layout().height;
        if (bounds_.heightTwips != height) resize(bounds_.widthTwips, height);
    }
    const int n = count();
    int s = std::max(index, 0);
    selected_ = index == kNothingSelected ? kNothingSelected : s;
    if (s >= n) {
        s = n - 1;
        selected_ = n - 1;
    }
    if (s - topRow_ > lastRow_) topRow_ = s - lastRow_;
    if (s - topRow_ < 0) topRow_ = s;
    upArrowActive_ = topRow_ != 0;
    downArrowActive_ = !(topRow_ >= n - 1 - lastRow_);
    for (int r = 0; r < kMaxRows; ++r) {
        const int candidate = topRow_ + r;
        const bool empty = r > lastRow_ || n <= r || candidate < 0 || candidate >= n;
        rowText_[r] = empty ? u'\0' : keyChars_[candidate];
    }
    links_.view.redraw();
}

void PopupList::selectCase(int c) {
    caseSel_ = c == 0 ? 0 : 1;
    if (mode_ == 1) {
        links_.view.redraw();
    } else if (links_.allCharacters) {
        links_.allCharacters->redrawCharacterList();
    }
}

int PopupList::DefaultWidth() {
    if (links_.ensureServiceRunning) links_.ensureServiceRunning();
    const int width = mode_ == 1 ? kKeyPopupWidthTwips : kAllCharactersWidthTwips;
    links_.view.layoutChanged();
    if (mode_ != 1) resize(bounds_.widthTwips, kAllCharactersHeightTwips);
    if (mode_ == 2) {
        if (links_.allCharacters) links_.allCharacters->load();
        focusList_ = 2;
    }
    links_.view.setTopmost();
    place(width);
    if (count() == 1 && (links_.settings.trigger == 0 || links_.settings.trigger == 1) &&
        mode_ == 1 && links_.settings.autoInsert && !tutorialOpen()) {
        autoInsert();
        return 0;
    }
    return width;
}

void PopupList::place(int width) {
    const int height = bounds_.heightTwips;
    const Tutorial* tutorial = links_.tutorial.get();
    const ScreenLayout screen = links_.screen.screenLayout();
    bounds_ = tutorial ? PlacePopupInTutorial(screen, tutorial->bounds(), width, height)
                       : PlacePopup(screen, width, height);
    if (shown()) links_.view.place(bounds_);
}

void PopupList::autoInsert() {
    autoInserting_ = true;
    selected_ = 0;
    int enter = vk::kReturn;
    onPopupKey(enter, 0);
    autoInserting_ = false;
}

int PopupList::findCandidateOfType(std::string_view typeName) const {
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    for (int i = 0; i < count(); ++i) {
        const CharacterRecord* record = links_.characters.find(keyChars_[i]);
        if (!record) continue;
        const std::string& name = record->name;
        const auto hit = std::search(name.begin(), name.end(), typeName.begin(), typeName.end(),
                                     [&](char a, char b) { return lower(a) == lower(b); });
        if (hit != name.end() || typeName.empty()) return i;
    }
    return -1;
}

void PopupList::hidePopup() {
    ReleaseTriggerKeys(links_.input);
    setWidth(0);
    closeMouseHook();
}

void PopupList::closeMouseHook() {
    if (mode_ == 2 && links_.allCharacters) links_.allCharacters->saveState();
    if (links_.mouseHook) links_.mouseHook->remove();
}

void PopupList::installMouseHook() {
    if (links_.mouseHook) links_.mouseHook->install();
}

void PopupList::onDpiChanged(int dpi, platform::Point topLeft) {
    if (dpi <= 0) return;
    bounds_ = BoundsAt(platform::FirstTwipsOfPixel(topLeft.x, dpi), platform::FirstTwipsOfPixel(topLeft.y, dpi),
                       bounds_.widthTwips, bounds_.heightTwips, dpi);
    if (shown()) links_.view.place(bounds_);
}

void PopupList::letPendingEventsRun() {
    if (links_.letPendingEventsRun) links_.letPendingEventsRun();
}

}  // namespace kz
