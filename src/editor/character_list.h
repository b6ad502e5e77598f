#pragma once
// One of the editor's two drawn lists (the characters of the chosen type on the left,
// those of the chosen key on the right): its entries, its selection and its scroll bar,
// and how the mouse, the arrow and page keys and the wheel move them. Seven rows of 400
// twips show at a time; the scroll bar's value is the entry in the top row and its
// maximum lets the last entry reach the bottom row.
#include <cstddef>
#include <optional>
#include <vector>

namespace kz::editor {

inline constexpr int kVisibleRows = 7;
inline constexpr int kRowHeight = 400;  // twips

struct ListEntry {
    char16_t code = 0;                  // the character as the key list holds it
    std::optional<std::size_t> record;  // its `CharacterTable` index, if it has a record
};

enum class ListKey { Up, Down, PageUp, PageDown };

class CharacterList {
public:
    // An empty list draws nothing; its selection stays 0.
    const std::vector<ListEntry>& entries() const { return entries_; }
    std::size_t selection() const { return selection_; }
    int scrollValue() const { return scrollValue_; }
    int scrollMaximum() const { return scrollMaximum_; }
    std::size_t lastIndex() const { return entries_.empty() ? 0 : entries_.size() - 1; }

    // New entries; the scroll bar goes back to the top. The selection is the caller's.
    void setEntries(std::vector<ListEntry> entries);
    void setSelection(std::size_t selection) { selection_ = selection; }
    // The scroll bar moved (by the user or the program), kept within its range.
    void setScrollValue(int value);

    // A click at `y` twips below the list's top selects the row there, or the last entry
    // when the click lies below it.
    void mouseDown(int y);
    // Down and Up move by one, Page Down and Page Up by seven; the selection stays in the
    // list and the list scrolls just enough to show it.
    void keyDown(ListKey key);
    // One notch away from the user (rotation 0 or more) scrolls 3 rows up, towards the
    // user 4 rows down: the steps differ on purpose.
    void wheel(int rotation);

private:
    std::vector<ListEntry> entries_;
    std::size_t selection_ = 0;
    int scrollValue_ = 0;
    int scrollMaximum_ = 0;
};

}  // namespace kz::editor
