#include "platform/win32/language_list_view.h"

#include <commctrl.h>

#include <string>

#include "platform/canvas.h"
#include "platform/win32/wide_text.h"

namespace kz::win32 {
namespace {

constexpr int kScrollBarRoom = 320;  // twips left for the vertical scroll bar
constexpr UINT kUnchecked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT kChecked = INDEXTOSTATEIMAGEMASK(2);

bool IsChecked(UINT state) { return (state & LVIS_STATEIMAGEMASK) == kChecked; }

}  // namespace

LanguageListView::LanguageListView(HWND parent, ControlLayout& controls, const TwipsBox& box,
                                   options::LanguagesPage& model, std::function<void()> edited)
    : model_(model), edited_(std::move(edited)), box_(box) {
    list_ = controls.add(parent, {.windowClass = WC_LISTVIEWW,
                                  .style = LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_GROUP,
                                  .exStyle = WS_EX_CLIENTEDGE, .box = box, .id = kLanguageListId});
    if (list_ == nullptr) return;
    const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    std::wstring header = L"Languages";
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = header.data();
    column.cx = 100;
    SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

int LanguageListView::count() const {
    return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

void LanguageListView::fitColumn(int dpi) {
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, 0,
                 platform::TwipsToPixels(box_.width - kScrollBarRoom, dpi));
}

void LanguageListView::showRows() {
    if (list_ == nullptr) return;
    showing_ = true;
    const auto& rows = model_.rows();
    const int wanted = static_cast<int>(rows.size());
    // Rows are rewritten in place, so the list keeps its scroll position.
    while (count() > wanted) SendMessageW(list_, LVM_DELETEITEM, static_cast<WPARAM>(count() - 1), 0);
    const std::optional<std::size_t> focused = model_.selectedRow();
    for (int i = 0; i < wanted; ++i) {
        const auto& row = rows[static_cast<std::size_t>(i)];
        std::wstring text = Widen(row.text);
        LVITEMW item{};
        item.iItem = i;
        item.mask = LVIF_TEXT;
        item.pszText = text.data();
        if (i >= count()) {
            SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        } else {
            SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
        item.stateMask = LVIS_STATEIMAGEMASK | LVIS_SELECTED | LVIS_FOCUSED;
        item.state = (row.checked ? kChecked : kUnchecked) | (row.selected ? LVIS_SELECTED : 0u) |
                     (focused == static_cast<std::size_t>(i) ? LVIS_FOCUSED : 0u);
        SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    showing_ = false;
}

std::optional<std::size_t> LanguageListView::firstVisibleRow() const {
    if (count() == 0) return std::nullopt;
    return static_cast<std::size_t>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
}

std::optional<std::size_t> LanguageListView::lastVisibleRow() const {
    const auto top = firstVisibleRow();
    if (!top) return std::nullopt;
    const auto perPage = static_cast<std::size_t>(SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0));
    const std::size_t last = *top + (perPage > 0 ? perPage - 1 : 0);
    if (last >= static_cast<std::size_t>(count())) return std::nullopt;  // the list is not full
    return last;
}

void LanguageListView::ensureVisible(std::size_t row) {
    SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void LanguageListView::focus() { SetFocus(list_); }

// WM_SETREDRAW rather than LockWindowUpdate: the lock is meant for dragging, only one
// window of the whole desktop can hold it, and it would stop other windows' drawing too.
void LanguageListView::freezeDrawing(bool frozen) {
    SendMessageW(list_, WM_SETREDRAW, frozen ? FALSE : TRUE, 0);
    if (!frozen) InvalidateRect(list_, nullptr, TRUE);
}

LRESULT LanguageListView::onNotify(const NMHDR& header) {
    if (header.hwndFrom != list_ || showing_) return 0;
    if (header.code == LVN_ITEMCHANGED) {
        reportStateChange(*reinterpret_cast<const NMLISTVIEW*>(&header));
    }
    return 0;
}

void LanguageListView::reportStateChange(const NMLISTVIEW& change) {
    if ((change.uChanged & LVIF_STATE) == 0) return;
    const UINT changed = change.uNewState ^ change.uOldState;
    // A row that had no check box yet is a row being added, not a click.
    if ((changed & LVIS_STATEIMAGEMASK) != 0 && (change.uOldState & LVIS_STATEIMAGEMASK) != 0 &&
        change.iItem >= 0) {
        model_.rowChecked(static_cast<std::size_t>(change.iItem), IsChecked(change.uNewState));
        edited_();
        return;
    }
    if ((changed & (LVIS_SELECTED | LVIS_FOCUSED)) == 0) return;
    if (change.iItem < 0) {  // every row at once (select all, deselect all)
        for (std::size_t i = 0; i < model_.rows().size(); ++i) {
            model_.setRowSelected(i, (change.uNewState & LVIS_SELECTED) != 0);
        }
    } else {
        model_.setRowSelected(static_cast<std::size_t>(change.iItem), (change.uNewState & LVIS_SELECTED) != 0);
    }
    const LRESULT clicked = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED);
    if (clicked >= 0) model_.rowClick(static_cast<std::size_t>(clicked));
    edited_();
}

}  // namespace kz::win32
