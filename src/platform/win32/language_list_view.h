#pragma once
// The language list as a real list view (report view, check boxes, several rows
// selectable, one column "Languages"), showing a language list's rows and reporting the
// user's clicks, selections and check boxes to it. The Options dialog's Languages page and
// the first-run picker show the same list.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <optional>

#include "options/languages_page.h"
#include "platform/win32/control_layout.h"

namespace kz::win32 {

inline constexpr int kLanguageListId = 500;

class LanguageListView {
public:
    // Made in `parent` at `box`, where `controls` keeps it at every DPI. `edited` runs
    // after every change the user makes in the list.
    LanguageListView(HWND parent, ControlLayout& controls, const TwipsBox& box, options::LanguagesPage& model,
                     std::function<void()> edited);

    HWND hwnd() const { return list_; }
    // Shows the model's rows: texts, check boxes, selection and the focused row. The
    // scroll position stays.
    void showRows();
    // The single column as wide as the list less room for the vertical scroll bar.
    void fitColumn(int dpi);

    std::optional<std::size_t> firstVisibleRow() const;
    std::optional<std::size_t> lastVisibleRow() const;
    void ensureVisible(std::size_t row);
    void focus();
    void freezeDrawing(bool frozen);

    // LVN_ITEMCHANGED and the clicks of the list, from the page.
    LRESULT onNotify(const NMHDR& header);

private:
    int count() const;
    void reportStateChange(const NMLISTVIEW& change);

    options::LanguagesPage& model_;
    std::function<void()> edited_;
    TwipsBox box_;
    HWND list_ = nullptr;
    bool showing_ = false;  // changes made by showRows() are not the user's
};

}  // namespace kz::win32
