#include "platform/win32/all_characters_panel.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/double_buffer.h"
#include "platform/win32/dpi.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/gdi_holders.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_binding.h"
#include "popup/all_characters_draw.h"
#include "popup/all_characters_layout.h"

namespace kz::win32 {

namespace {

constexpr wchar_t kClassName[] = L"KelvraZavoraAllCharacters";
// The panel in the popup window, twips.
constexpr TwipsBox kPanelBox{360, 1320, 3735, 5245};
constexpr platform::Rgb kFrameColor{128, 128, 128};

// The captions and option buttons: a plain control font, as the screen's other texts.
platform::FontSpec ControlFont() { return platform::pointFont(8.25, "Arial", false); }

bool IsMouseMessage(UINT message) {
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP: return true;
        default: return false;
    }
}

}  // namespace

AllCharactersPanel::AllCharactersPanel(HINSTANCE instance, PopupWindow& popup)
    : popup_(popup), instance_(instance) {
    RegisterWindowClass(instance, kClassName, &AllCharactersPanel::WindowProc);
    // Hidden until the popup shows the screen; its children are clipped out of its paint.
    CreateWindowExW(WS_EX_NOACTIVATE, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, popup_.handle(),
                    nullptr, instance, this);
    if (window_ == nullptr) return;
    constexpr DWORD kOption = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON;
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i] = makeChild(L"BUTTON", kOption);
        SetWindowTextW(options_[i], Widen(AllCharacters::optionCaption(static_cast<int>(i))).c_str());
        optionSubclasses_[i].attach(options_[i], [this, i](HWND option, UINT message, WPARAM wParam, LPARAM lParam) {
            return onOptionMessage(static_cast<int>(i), option, message, wParam, lParam);
        });
    }
    topCaption_ = makeChild(L"STATIC", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX);
    charactersCaption_ = makeChild(L"STATIC", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX);
}

AllCharactersPanel::~AllCharactersPanel() {
    topPress_.reset();
    charactersPress_.reset();
    topBar_.reset();
    charactersBar_.reset();
    if (window_ == nullptr) return;
    for (WindowSubclass& subclass : optionSubclasses_) subclass.detach();
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

HWND AllCharactersPanel::makeChild(const wchar_t* className, DWORD style) {
    return CreateWindowExW(0, className, L"", style, 0, 0, 0, 0, window_, nullptr, instance_, nullptr);
}

void AllCharactersPanel::attach(AllCharacters& screen, PopupMouse& mouse) {
    screen_ = &screen;
    mouse_ = &mouse;
    if (window_ == nullptr) return;
    topBar_ = std::make_unique<ScrollBar>(window_, screen.topBar(), RECT{});
    charactersBar_ = std::make_unique<ScrollBar>(window_, screen.charactersBar(), RECT{});
    topPress_ = std::make_unique<ScrollBarPress>(*topBar_, screen.topBar());
    charactersPress_ = std::make_unique<ScrollBarPress>(*charactersBar_, screen.charactersBar());
    layout();
}

void AllCharactersPanel::setVisible(bool visible) {
    if (window_ == nullptr) return;
    if (!visible) {
        // A drag cut short by the screen closing leaves no press behind.
        if (topPress_) topPress_->reset();
        if (charactersPress_) charactersPress_->reset();
    }
    // Every key popup asks the hidden panel to stay hidden; that must cost nothing.
    // Its own flag, not IsWindowVisible: a child of the hidden popup never counts as visible.
    const bool flagged = (GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (flagged != visible) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

RECT AllCharactersPanel::local(const TwipsBox& box) const {
    return ToRect(platform::PixelsOf({box.left - kPanelBox.left, box.top - kPanelBox.top, box.width, box.height}, dpi_));
}

void AllCharactersPanel::layout() {
    if (window_ == nullptr) return;
    dpi_ = popup_.dpi();
    const platform::Rect panel = platform::PixelsOf(kPanelBox, dpi_);
    SetWindowPos(window_, nullptr, panel.left, panel.top, panel.width(), panel.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const AllCharactersControls controls = AllCharactersControlLayout();
    const auto place = [](HWND child, const RECT& r) {
        if (child != nullptr) MoveWindow(child, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    };
    for (std::size_t i = 0; i < options_.size(); ++i) place(options_[i], local(controls.option[i]));
    // The caption's box reaches a pixel into the frame below it; the frame's line stays.
    RECT topCaption = local(controls.topCaption);
    topCaption.bottom = std::min(topCaption.bottom, local(controls.topFrame).top);
    place(topCaption_, topCaption);
    place(charactersCaption_, local(controls.charactersCaption));
    if (topBar_) topBar_->move(local(controls.topBar));
    if (charactersBar_) charactersBar_->move(local(controls.charactersBar));
    const HFONT font = popup_.fonts().get(ControlFont(), dpi_);
    for (HWND child : {options_[0], options_[1], topCaption_, charactersCaption_})
        if (child != nullptr) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    captionsChanged();
    syncBars();
    InvalidateRect(window_, nullptr, FALSE);
}

void AllCharactersPanel::syncBars() {
    if (topBar_) topBar_->sync();
    if (charactersBar_) charactersBar_->sync();
}

// A list repaints with its bar: the bar's range or value may have changed with it.
void AllCharactersPanel::redrawTopList() {
    syncBars();
    if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void AllCharactersPanel::redrawList() {
    syncBars();
    if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
    // The case markers ("abc" / "ABC") belong to the popup's own paint.
    popup_.redraw();
}

void AllCharactersPanel::captionsChanged() {
    if (screen_ == nullptr || window_ == nullptr) return;
    for (std::size_t i = 0; i < options_.size(); ++i) {
        const bool chosen = screen_->optionIndex() == static_cast<int>(i);
        SendMessageW(options_[i], BM_SETCHECK, chosen ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    SetWindowTextW(topCaption_, Widen(screen_->topCaption()).c_str());
    SetWindowTextW(charactersCaption_, Widen(screen_->charactersCaption()).c_str());
}

LRESULT CALLBACK AllCharactersPanel::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchToWindowObject(window, message, wParam, lParam, &AllCharactersPanel::window_, &AllCharactersPanel::handle);
}

LRESULT AllCharactersPanel::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsMouseMessage(message)) {
        onMouse(message, wParam, lParam);
        return 0;
    }
    switch (message) {
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: onPaint(); return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            // The captions and option buttons sit on the panel's white.
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, RGB(255, 255, 255));
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        }
        case WM_VSCROLL: {
            // Keyboard or system scrolling of a bar; its presses never get this far.
            const HWND bar = reinterpret_cast<HWND>(lParam);
            if (topBar_ && bar == topBar_->handle()) topBar_->onScroll(wParam);
            if (charactersBar_ && bar == charactersBar_->handle()) charactersBar_->onScroll(wParam);
            return 0;
        }
        default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void AllCharactersPanel::onPaint() {
    PaintDc paint(window_);
    RECT client{};
    GetClientRect(window_, &client);
    DoubleBuffer buffer(paint.get(), client.right, client.bottom);
    {
        GdiCanvas canvas(buffer.dc(), dpi_, popup_.fonts());
        canvas.fillRect(platform::Rect{0, 0, client.right, client.bottom}, platform::kWhite);
        const AllCharactersControls controls = AllCharactersControlLayout();
        const platform::Rgb window = canvas.systemColor(platform::SystemColor::Window);
        for (const TwipsBox& frame : {controls.topFrame, controls.charactersFrame}) {
            const RECT r = local(frame);
            canvas.fillRect(FromRect(r), kFrameColor);
            canvas.fillRect(platform::Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, window);
        }
        if (screen_ != nullptr) {
            const RECT top = local(controls.topList);
            {
                platform::ScopedArea area(canvas, FromRect(top));
                DrawTextList(canvas, screen_->topListDrawState(), top.right - top.left, top.bottom - top.top);
            }
            const RECT list = local(controls.characterList);
            platform::ScopedArea area(canvas, FromRect(list));
            DrawCharacterList(canvas, screen_->characterListDrawState(), list.right - list.left,
                              list.bottom - list.top);
        }
    }
    buffer.present();
}

// Clicks on the lists: in the popup window's pixels, where the popup's mouse handlers
// find the control under the pointer.
void AllCharactersPanel::onMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    if (mouse_ == nullptr) return;
    const platform::Rect panel = platform::PixelsOf(kPanelBox, dpi_);
    const int x = static_cast<short>(LOWORD(lParam)) + panel.left;
    const int y = static_cast<short>(HIWORD(lParam)) + panel.top;
    mouse_->onWindowMessage(message, static_cast<int>(wParam), x, y);
}

LRESULT AllCharactersPanel::onOptionMessage(int index, HWND option, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        // The button's own press would take the focus (and activate the popup); the screen
        // chooses the option and checks the button itself.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
            onOptionPress(index, message, wParam);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP: return 0;
        default: return DefSubclassProc(option, message, wParam, lParam);
    }
}

void AllCharactersPanel::onOptionPress(int index, UINT message, WPARAM wParam) {
    if (mouse_ == nullptr || message == WM_LBUTTONDBLCLK) return;
    const PopupControl control = index == 0 ? PopupControl::OptionTypes : PopupControl::OptionLanguages;
    mouse_->onMessage(control, message, static_cast<int>(wParam), 0, 0);
}

}  // namespace kz::win32
