#include "platform/win32/language_picker_window.h"

#include <utility>

#include "platform/file_bytes.h"
#include "platform/win32/dialog_keys.h"
#include "platform/win32/dpi.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_binding.h"

namespace kz::win32 {
namespace {

using options::MoveCommand;

constexpr wchar_t kClassName[] = L"KelvraZavoraSetup";
constexpr wchar_t kIconGroup[] = L"SETUP";

// Lengths in twips, from the client area's top left corner.
constexpr int kClientWidth = 7200;
constexpr int kClientHeight = 5535;
constexpr int kBandHeight = 855;  // the white heading band, as on the installer's pages
constexpr TwipsBox kHeadingBox{240, 150, 5880, 240};
constexpr TwipsBox kSubheadingBox{360, 405, 5760, 405};
constexpr TwipsBox kIconBox{6480, 180, 480, 480};
constexpr TwipsBox kBandLineBox{0, kBandHeight, kClientWidth, 30};
constexpr TwipsBox kPositionBox{360, 1020, 6480, 405};
constexpr TwipsBox kAdviceBox{360, 1500, 6480, 225};
constexpr TwipsBox kListBox{360, 1845, 4650, 2790};
constexpr int kMoveLeft = 5175;
constexpr int kMoveWidth = 1665;
constexpr int kMoveHeight = 375;
constexpr TwipsBox kBottomLineBox{0, 4860, kClientWidth, 30};
constexpr int kButtonTop = 5040;
constexpr int kButtonWidth = 1125;
constexpr int kButtonHeight = 345;

// Back, Next and Cancel, then the four moves. Escape's IDCANCEL is not among
// them: "Cancel" cannot be pressed here, so Escape does nothing either.
constexpr int kBackId = 801;
constexpr int kNextId = 802;
constexpr int kCancelId = 803;
constexpr int kMoveId = 810;  // + the move command
constexpr int MoveId(MoveCommand command) { return kMoveId + static_cast<int>(command); }

constexpr wchar_t kSubheading[] =
    L"Please select the languages that you want to use.\r\n"
    L"(You can change your choices at any time in Kelvra Zavora Options)";

}  // namespace

LanguagePickerWindow::LanguagePickerWindow(const LanguagePickerLinks& links)
    : instance_(links.instance),
      model_({.store = links.store,
              .dataFolder = {links.applicationFolder, links.codePage},
              .messageBoxes = messageBoxes_,
              .windows = otherWindows_,
              .view = *this}),
      controls_(fonts_) {
    // The model has looked for the wizard already; only now may a window with its caption exist.
    create(model_.wizardTopLeft());
    if (window_ == nullptr) return;
    model_.loadList();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    list_->focus();
    model_.shown();
}

LanguagePickerWindow::~LanguagePickerWindow() {
    if (window_ == nullptr) return;
    HWND window = std::exchange(window_, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);  // teardown messages find no object
    DestroyWindow(window);
    model_.unload();
}

void LanguagePickerWindow::create(std::optional<platform::Point> topLeft) {
    RegisterWindowClass(instance_, kClassName, &LanguagePickerWindow::WindowProc, 0, DialogFaceBrush());

    // Made at its place, so that the system gives it the DPI of the wizard's monitor.
    const POINT at = topLeft ? POINT{topLeft->x, topLeft->y} : POINT{0, 0};
    CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, kClassName,
                    Widen(firstrun::kPickerCaption).c_str(),
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, at.x, at.y, 100, 100,
                    nullptr, nullptr, instance_, this);
    if (window_ == nullptr) return;
    const auto icon = [this](int cx, int cy) {
        return reinterpret_cast<LPARAM>(LoadImageW(instance_, kIconGroup, IMAGE_ICON, SystemMetricForDpi(cx, dpi_),
                                                   SystemMetricForDpi(cy, dpi_), LR_SHARED));
    };
    dpi_ = DpiOfWindow(window_);
    SendMessageW(window_, WM_SETICON, ICON_BIG, icon(SM_CXICON, SM_CYICON));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON, SM_CYSMICON));
    createControls();
    MarkAsDialog(window_);
    layout(dpi_);
    if (topLeft) return;
    // Started by hand: no wizard to cover, so the page stands in the middle of the screen.
    RECT outer{};
    GetWindowRect(window_, &outer);
    SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LanguagePickerWindow::createControls() {
    heading_ = controls_.add(window_, {.text = L"Languages", .style = SS_NOPREFIX, .box = kHeadingBox, .id = -1});
    subheading_ = controls_.add(window_, {.text = kSubheading, .style = SS_NOPREFIX, .box = kSubheadingBox,
                                          .id = -1, .fitText = true, .growTwips = 60});
    icon_ = controls_.add(window_, {.style = SS_ICON | SS_REALSIZECONTROL, .box = kIconBox, .id = -1});
    controls_.add(window_, {.style = SS_ETCHEDHORZ, .box = kBandLineBox, .id = -1});
    controls_.add(window_, {.text = L"The position of a language in this list determines the position of the "
                                    L"language's characters on the character lists.",
                            .style = SS_NOPREFIX, .box = kPositionBox, .id = -1, .fitText = true, .growTwips = 60});
    controls_.add(window_, {.text = L"You should place the languages you use most at the top of this list.",
                            .style = SS_NOPREFIX, .box = kAdviceBox, .id = -1, .fitText = true, .growTwips = 60});
    list_.emplace(window_, controls_, kListBox, model_.list(), [] {});
    const auto button = [this](const wchar_t* caption, TwipsBox box, int id, DWORD style = BS_PUSHBUTTON) {
        return controls_.add(window_, {.windowClass = L"BUTTON", .text = caption, .style = style | WS_TABSTOP,
                                       .box = box, .id = id});
    };
    const auto move = [&](const wchar_t* caption, int top, MoveCommand command) {
        button(caption, {kMoveLeft, top, kMoveWidth, kMoveHeight}, MoveId(command));
    };
    move(L"Move Up", 1845, MoveCommand::Up);
    move(L"Move Down", 2295, MoveCommand::Down);
    move(L"Move to Top", 2880, MoveCommand::Top);
    move(L"Move to Bottom", 3330, MoveCommand::Bottom);
    controls_.add(window_, {.style = SS_ETCHEDHORZ, .box = kBottomLineBox, .id = -1});
    // The installer's own buttons, where its pages have them; only "Next >" can be pressed.
    const int cancelLeft = kClientWidth - 120 - kButtonWidth;
    const int nextLeft = cancelLeft - 120 - kButtonWidth;
    EnableWindow(button(L"< Back", {nextLeft - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight}, kBackId), FALSE);
    button(L"Next >", {nextLeft, kButtonTop, kButtonWidth, kButtonHeight}, kNextId, BS_DEFPUSHBUTTON);
    EnableWindow(button(L"Cancel", {cancelLeft, kButtonTop, kButtonWidth, kButtonHeight}, kCancelId), FALSE);
}

void LanguagePickerWindow::layout(int dpi) {
    dpi_ = dpi;
    RECT outer{};
    RECT client{};
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    SetWindowPos(window_, nullptr, 0, 0,
                 platform::TwipsToPixels(kClientWidth, dpi) + (outer.right - outer.left) - client.right,
                 platform::TwipsToPixels(kClientHeight, dpi) + (outer.bottom - outer.top) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.apply(dpi);
    platform::FontSpec bold = DialogFont();
    bold.bold = true;
    SendMessageW(heading_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(bold, dpi)), TRUE);
    const int size = SystemMetricForDpi(SM_CXICON, dpi);
    // Shared: the system keeps the icon for as long as the module is loaded.
    auto icon = static_cast<HICON>(LoadImageW(instance_, kIconGroup, IMAGE_ICON, size, size, LR_SHARED));
    SendMessageW(icon_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    const platform::Rect box = platform::PixelsOf(kIconBox, dpi);
    SetWindowPos(icon_, nullptr, box.left, box.top, size, size, SWP_NOZORDER | SWP_NOACTIVATE);
    list_->fitColumn(dpi);
    InvalidateRect(window_, nullptr, TRUE);
}

// --- what the shared language list asks of the window ---

platform::WindowHandle LanguagePickerWindow::dialogWindow() const {
    return reinterpret_cast<platform::WindowHandle>(window_);
}

void LanguagePickerWindow::rowsChanged() {
    if (list_) list_->showRows();
}

void LanguagePickerWindow::focusList() {
    if (list_) list_->focus();
}

void LanguagePickerWindow::freezeDrawing(bool frozen) {
    if (list_) list_->freezeDrawing(frozen);
}

std::optional<std::size_t> LanguagePickerWindow::rowNearTop() const {
    return list_ ? list_->firstVisibleRow() : std::nullopt;
}

std::optional<std::size_t> LanguagePickerWindow::rowNearBottom() const {
    return list_ ? list_->lastVisibleRow() : std::nullopt;
}

void LanguagePickerWindow::ensureVisible(std::size_t row) {
    if (list_) list_->ensureVisible(row);
}

// --- messages ---

LRESULT CALLBACK LanguagePickerWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchToWindowObject(window, message, wParam, lParam, &LanguagePickerWindow::window_,
                                  &LanguagePickerWindow::handle);
}

void LanguagePickerWindow::onCommand(int id) {
    if (id >= kMoveId && id <= MoveId(MoveCommand::Bottom)) {
        model_.list().pressMove(static_cast<MoveCommand>(id - kMoveId));
        return;
    }
    // Every button of the row finishes the page; "< Back" and "Cancel" are never enabled.
    if ((id == kNextId || id == kBackId || id == kCancelId) && model_.finish(dialogWindow())) {
        DestroyWindow(window_);
    }
}

LRESULT LanguagePickerWindow::headingColours(HDC dc, HWND control) {
    if (control != heading_ && control != subheading_ && control != icon_) {
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));  // a system brush: never deleted
}

void LanguagePickerWindow::paintBackground(HDC dc) {
    RECT client{};
    GetClientRect(window_, &client);
    RECT band = client;
    band.bottom = platform::TwipsToPixels(kBandHeight, dpi_);
    FillRect(dc, &band, GetSysColorBrush(COLOR_WINDOW));
    client.top = band.bottom;
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT LanguagePickerWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto relayout = [this](int dpi) { layout(dpi); };
    if (const auto answer = AnswerDialogMessage(window_, message, wParam, lParam, kNextId, relayout)) return *answer;
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) onCommand(LOWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return list_ ? list_->onNotify(*reinterpret_cast<const NMHDR*>(lParam)) : 0;
    case WM_CTLCOLORSTATIC:
        return headingColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
        paintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_CLOSE:  // the close box: nothing is written
        DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        model_.unload();
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

}  // namespace kz::win32
