#include "platform/win32/options_window.h"

#include <commctrl.h>

#include <array>

#include "platform/win32/dialog_keys.h"
#include "platform/win32/dpi.h"

namespace kz::win32 {
namespace {

using options::OptionsTab;

constexpr int kHelpId = IDHELP;
constexpr int kApplyId = 0x3021;         // Apply; OK and Cancel are IDOK and IDCANCEL
constexpr int kTabId = 700;

constexpr int kOuterWidth = 6240;
constexpr int kClientHeight = 6855;
constexpr TwipsBox kTabBox{120, 120, 5895, 6135};
constexpr TwipsBox kPageBox{240, 480, 5655, 5655};
constexpr int kButtonTop = 6360;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;

constexpr std::array<const wchar_t*, 3> kTabCaptions{L"General", L"Languages", L"Advanced"};

}  // namespace

OptionsWindow::~OptionsWindow() { detach(); }

void OptionsWindow::detach() {
    if (main_ == nullptr) return;
    subclass_.detach();
    main_ = nullptr;
}

void OptionsWindow::build(HWND mainWindow, options::OptionsDialog& model) {
    if (main_ != nullptr || mainWindow == nullptr) return;
    main_ = mainWindow;
    model_ = &model;
    dpi_ = DpiAtPoint(POINT{0, 0});

    tab_ = controls_.add(main_, {.windowClass = WC_TABCONTROLW, .style = WS_CLIPSIBLINGS | WS_TABSTOP,
                                 .box = kTabBox, .id = kTabId});
    for (int i = 0; i < static_cast<int>(kTabCaptions.size()); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(kTabCaptions[static_cast<std::size_t>(i)]);
        SendMessageW(tab_, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    const auto edited = [this] { syncControls(); };
    general_ = std::make_unique<GeneralTab>(main_, fonts_, model, edited);
    languages_ = std::make_unique<LanguagesTab>(main_, fonts_, model, edited);
    advanced_ = std::make_unique<AdvancedTab>(main_, fonts_, model, edited);

    const auto button = [this](const wchar_t* caption, int left, int id, DWORD style) {
        return controls_.add(main_, {.windowClass = L"BUTTON", .text = caption,
                                     .style = style | WS_TABSTOP,
                                     .box = {left, kButtonTop, kButtonWidth, kButtonHeight}, .id = id});
    };
    button(L"Help", 120, kHelpId, BS_PUSHBUTTON);
    button(L"OK", 2520, IDOK, BS_DEFPUSHBUTTON);
    button(L"Cancel", 3720, IDCANCEL, BS_PUSHBUTTON);
    apply_ = button(L"Apply", 4920, kApplyId, BS_PUSHBUTTON);
    // The pages stand over the tab control's body: the tab control goes below them.
    SetWindowPos(tab_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    subclass_.attach(main_, [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
        return handle(message, wParam, lParam);
    });
    MarkAsDialog(main_);
    layout(dpi_);
    syncControls();
}

// --- what the dialog's logic asks of the window ---

platform::WindowHandle OptionsWindow::dialogWindow() const {
    return reinterpret_cast<platform::WindowHandle>(main_);
}

void OptionsWindow::rowsChanged() {
    if (!built()) return;
    languages_->list().showRows();
    languages_->sync();
}

void OptionsWindow::focusList() {
    if (built()) languages_->list().focus();
}

void OptionsWindow::freezeDrawing(bool frozen) {
    if (built()) languages_->list().freezeDrawing(frozen);
}

std::optional<std::size_t> OptionsWindow::rowNearTop() const {
    return built() ? languages_->list().firstVisibleRow() : std::nullopt;
}

std::optional<std::size_t> OptionsWindow::rowNearBottom() const {
    return built() ? languages_->list().lastVisibleRow() : std::nullopt;
}

void OptionsWindow::ensureVisible(std::size_t row) {
    if (built()) languages_->list().ensureVisible(row);
}

void OptionsWindow::showDialog() {
    if (!built()) return;
    const int dpi = DpiAtPoint(POINT{0, 0});  // it opens on the primary screen
    layout(dpi);
    syncControls();
    centreOnPrimaryScreen();
    ShowWindow(main_, SW_SHOW);
    SetForegroundWindow(main_);
    showSelectedPage();
    if (HWND first = GetNextDlgTabItem(main_, nullptr, FALSE)) SetFocus(first);
}

// --- layout ---

void OptionsWindow::layout(int dpi) {
    dpi_ = dpi;
    RECT outer{};
    RECT client{};
    GetWindowRect(main_, &outer);
    GetClientRect(main_, &client);
    const int frameHeight = (outer.bottom - outer.top) - client.bottom;
    SetWindowPos(main_, nullptr, 0, 0, platform::TwipsToPixels(kOuterWidth, dpi),
                 platform::TwipsToPixels(kClientHeight, dpi) + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.apply(dpi);
    for (OptionsPage* page : {&general_->page(), &languages_->page(), &advanced_->page()}) {
        page->layout(kPageBox, dpi);
    }
    languages_->list().fitColumn(dpi);
}

void OptionsWindow::centreOnPrimaryScreen() {
    RECT outer{};
    GetWindowRect(main_, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(main_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void OptionsWindow::syncControls() {
    if (!built()) return;
    general_->sync();
    advanced_->sync();
    languages_->sync();
    const bool apply = model_->applyEnabled();
    if (!apply && GetFocus() == apply_) SetFocus(GetDlgItem(main_, IDOK));
    EnableWindow(apply_, apply);
    const int tab = static_cast<int>(model_->selectedTab());
    if (SendMessageW(tab_, TCM_GETCURSEL, 0, 0) != tab) {
        SendMessageW(tab_, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        showSelectedPage();
    }
}

void OptionsWindow::showSelectedPage() {
    const OptionsTab tab = model_->selectedTab();
    general_->page().show(tab == OptionsTab::General);
    languages_->page().show(tab == OptionsTab::Languages);
    advanced_->page().show(tab == OptionsTab::Advanced);
}

// --- messages ---

LRESULT OptionsWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = main_;
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0 || LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            if (onCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
        }
        break;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.hwndFrom == tab_ && header.code == TCN_SELCHANGE) {
            onTabChanged();
            return 0;
        }
        break;
    }
    case DM_GETDEFID:
        return MAKELONG(IDOK, DC_HASDEFID);
    case WM_NEXTDLGCTL:
        MoveDialogFocus(window, wParam, lParam);
        return 0;
    case WM_CLOSE:
        // The close box is Cancel while the dialog is open.
        if (model_->isOpen()) {
            model_->closeBoxClicked();
            return 0;
        }
        break;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_NCDESTROY:
        detach();
        return DefSubclassProc(window, message, wParam, lParam);
    default:
        if (message == DialogKeyMessage()) return onDialogKey(*reinterpret_cast<const MSG*>(lParam)) ? 1 : 0;
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Ctrl+Tab and Ctrl+Page Down go to the next page, with Shift or Page Up to the previous
// one, as in every tabbed dialog of the system.
bool OptionsWindow::onDialogKey(const MSG& key) {
    if (key.message != WM_KEYDOWN || (GetKeyState(VK_CONTROL) & 0x8000) == 0) return false;
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    int step = 0;
    if (key.wParam == VK_TAB) step = shift ? -1 : 1;
    if (key.wParam == VK_NEXT) step = 1;
    if (key.wParam == VK_PRIOR) step = -1;
    if (step == 0) return false;
    const int count = static_cast<int>(kTabCaptions.size());
    const auto current = static_cast<int>(SendMessageW(tab_, TCM_GETCURSEL, 0, 0));
    SendMessageW(tab_, TCM_SETCURSEL, static_cast<WPARAM>((current + step + count) % count), 0);
    onTabChanged();
    return true;
}

bool OptionsWindow::onCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDOK: model_->pressButton(options::kOkButton); break;
    case IDCANCEL: model_->pressButton(options::kCancelButton); break;
    case kApplyId: model_->pressButton(options::kApplyButton); break;
    case kHelpId: model_->pressHelp(); break;
    default: return false;
    }
    syncControls();
    return true;
}

void OptionsWindow::onTabChanged() {
    const auto selected = static_cast<int>(SendMessageW(tab_, TCM_GETCURSEL, 0, 0));
    model_->selectTab(selected < 0 ? OptionsTab::None : static_cast<OptionsTab>(selected));
    showSelectedPage();
    if (model_->selectedTab() == OptionsTab::Languages) {
        languages_->list().focus();
    } else if (HWND focus = GetFocus(); focus != nullptr && !IsWindowVisible(focus)) {
        SetFocus(tab_);  // the focus was on the page just hidden
    }
}

void OptionsWindow::onDpiChanged(int dpi, const RECT& suggested) {
    if (TestDpiOverride()) return;  // the forced value stays
    SetWindowPos(main_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layout(dpi > 0 ? dpi : dpi_);
}

}  // namespace kz::win32
