#include "platform/win32/edit_language_window.h"

#include <algorithm>
#include <array>
#include <string>

#include "editor/editor_texts.h"
#include "platform/canvas.h"
#include "platform/win32/dpi.h"
#include "platform/win32/double_buffer.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/gdi_holders.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_binding.h"

namespace kz::win32 {

namespace {

constexpr wchar_t kClassName[] = L"KelvraZavoraEditLanguage";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The client area and where the controls stand, in twips.
constexpr int kClientWidth = 9375;
constexpr int kClientHeight = 6015;

enum ControlId : int {
    kTypesCaption = 100, kCharactersCaption, kNameCaption, kKeyCaption,
    kTypeList = 110, kNameBox,
    kSwapAdd = 120, kSwapRemove,
    kMoveUp = 130, kMoveDown, kMoveToTop, kMoveToBottom,
    kReset = 140,
    kOk = 150, kApply = 152,  // Cancel is IDCANCEL, so Escape presses it
    kLeftList = 160, kRightList,
    kFirstKey = 1000,
};

struct ControlPlace {
    int id;
    const wchar_t* cls;
    std::string_view text;
    DWORD style;  // WS_CHILD and WS_VISIBLE come with every control
    DWORD exStyle;
    TwipsBox box;
};

constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE;

// In tab order.
constexpr std::array<ControlPlace, 16> kControls{{
    {kNameCaption, L"STATIC", editor::kNameLabel, kLabel, 0, {4680, 165, 1335, 255}},
    {kNameBox, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {6120, 120, 3075, 285}},
    // Reaching on to the Shift key's right edge, so no face cuts the sentence short.
    {kKeyCaption, L"STATIC", editor::kKeyLabel, kLabel, 0, {4680, 600, 4575, 255}},
    {kTypesCaption, L"STATIC", editor::kTypesLabel, kLabel, 0, {120, 120, 1695, 255}},
    {kTypeList, L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE,
     {120, 420, 3615, 1425}},
    {kCharactersCaption, L"STATIC", editor::kCharactersLabel, kLabel, 0, {120, 2040, 1695, 255}},
    {kSwapAdd, L"BUTTON", editor::kAddCaption, kButton, 0, {3840, 3360, 735, 615}},
    {kSwapRemove, L"BUTTON", editor::kRemoveCaption, kButton, 0, {3840, 4320, 735, 615}},
    {kMoveToTop, L"BUTTON", editor::kMoveToTopCaption, kButton, 0, {8400, 2700, 855, 615}},
    {kMoveUp, L"BUTTON", editor::kMoveUpCaption, kButton, 0, {8400, 3360, 855, 615}},
    {kMoveDown, L"BUTTON", editor::kMoveDownCaption, kButton, 0, {8400, 4020, 855, 615}},
    {kMoveToBottom, L"BUTTON", editor::kMoveToBottomCaption, kButton, 0, {8400, 4680, 855, 615}},
    {kReset, L"BUTTON", editor::kResetCaption, kButton | WS_DISABLED, 0, {3840, 5520, 1695, 375}},
    {kOk, L"BUTTON", editor::kOkCaption, kButton, 0, {5760, 5520, 1095, 375}},
    {IDCANCEL, L"BUTTON", editor::kCancelCaption, kButton, 0, {6960, 5520, 1095, 375}},
    {kApply, L"BUTTON", editor::kApplyCaption, kButton, 0, {8160, 5520, 1095, 375}},
}};

constexpr TwipsBox kLeftListBox{150, 2430, 3315, 2835};
constexpr TwipsBox kLeftScrollBox{3480, 2430, 255, 2835};
constexpr TwipsBox kRightListBox{4710, 2430, 3315, 2835};
constexpr TwipsBox kRightScrollBox{8040, 2430, 255, 2835};

// The window size for a client area at `dpi`, with the frame metrics of that DPI where
// the system can tell them.
SIZE OuterSize(int dpi) {
    RECT r{0, 0, platform::TwipsToPixels(kClientWidth, dpi), platform::TwipsToPixels(kClientHeight, dpi)};
    using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = reinterpret_cast<AdjustForDpiFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (adjustForDpi == nullptr || !adjustForDpi(&r, kStyle, FALSE, kExStyle, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
    }
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// Centred over the owner, kept inside the owner's monitor's work area.
POINT CentredOver(HWND owner, SIZE size) {
    RECT anchor{};
    if (owner == nullptr || !GetWindowRect(owner, &anchor)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &anchor, 0);
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&anchor, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int left = (anchor.left + anchor.right - size.cx) / 2;
    const int top = (anchor.top + anchor.bottom - size.cy) / 2;
    return POINT{std::clamp(left, static_cast<int>(work.left), std::max<int>(work.left, work.right - size.cx)),
                 std::clamp(top, static_cast<int>(work.top), std::max<int>(work.top, work.bottom - size.cy))};
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

EditLanguageWindow::EditLanguageWindow(EditLanguageWindowSetup setup) : s_(setup), fonts_(setup.fonts) {
    RegisterWindowClass(s_.instance, kClassName, &EditLanguageWindow::WindowProc, 0, DialogFaceBrush());
    dpi_ = s_.owner != nullptr ? DpiOfWindow(s_.owner) : DpiAtPoint(POINT{0, 0});
    const SIZE size = OuterSize(dpi_);
    const POINT at = CentredOver(s_.owner, size);
    CreateWindowExW(kExStyle, kClassName, Widen(editor::kCaption).c_str(), kStyle, at.x, at.y, size.cx, size.cy,
                    s_.owner, nullptr, s_.instance, this);
    if (window_ == nullptr) return;
    // The monitor the window landed on decides its DPI.
    if (const int actual = DpiOfWindow(window_); actual != dpi_) {
        dpi_ = actual;
        const SIZE resized = OuterSize(dpi_);
        SetWindowPos(window_, nullptr, 0, 0, resized.cx, resized.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const auto icon = [this](int cx, int cy) {
        return reinterpret_cast<LPARAM>(LoadImageW(s_.instance, L"ICO", IMAGE_ICON, SystemMetricForDpi(cx, dpi_),
                                                   SystemMetricForDpi(cy, dpi_), LR_SHARED));
    };
    SendMessageW(window_, WM_SETICON, ICON_BIG, icon(SM_CXICON, SM_CYICON));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON, SM_CYSMICON));
    createControls();
    layout();
}

EditLanguageWindow::~EditLanguageWindow() {
    // Nothing said while the controls go reaches the model, which may be gone already.
    model_ = nullptr;
    // The lists and the keyboard let go of their controls before the window goes.
    left_.reset();
    right_.reset();
    keyboard_.reset();
    if (window_ == nullptr) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void EditLanguageWindow::createControls() {
    for (const ControlPlace& place : kControls) {
        const std::wstring text = Widen(place.text);
        HWND control = controls_.add(window_, ControlSpec{.windowClass = place.cls,
                                                          .text = text,
                                                          .style = place.style,
                                                          .exStyle = place.exStyle,
                                                          .box = place.box,
                                                          .id = place.id});
        if (place.id == kTypeList) typeList_ = control;
        if (place.id == kNameBox) nameBox_ = control;
        if (place.id == kReset) reset_ = control;
        if (place.id == kCharactersCaption) {  // the lists follow their caption in the tab order
            left_ = makeList(kLeftList, editor::ListSide::Left);
            right_ = makeList(kRightList, editor::ListSide::Right);
        }
    }
    keyboard_ = std::make_unique<EditorKeyboard>(window_, kFirstKey, fonts_);
}

// The lists report to the model; they can only be used once the window is shown, which
// is after the model is attached.
std::unique_ptr<EditorCharList> EditLanguageWindow::makeList(int id, editor::ListSide side) {
    const bool left = side == editor::ListSide::Left;
    // Runs a model handler for this list, then shows the model again.
    const auto onModel = [this](auto handler) {
        if (model_ == nullptr) return;
        handler(*model_);
        refresh();
    };
    EditorCharListEvents events{
        .mouseDown = [onModel, left](int y) {
            onModel([&](editor::EditorModel& m) { left ? m.leftListMouseDown(y) : m.rightListMouseDown(y); });
        },
        .doubleClick = [onModel, left] {
            onModel([&](editor::EditorModel& m) { left ? m.leftListDoubleClick() : m.rightListDoubleClick(); });
        },
        .keyDown = [onModel, left](editor::ListKey key) {
            onModel([&](editor::EditorModel& m) { left ? m.leftListKey(key) : m.rightListKey(key); });
        },
        .scrolled = [onModel, left](int value) {
            onModel([&](editor::EditorModel& m) { left ? m.leftScrollChanged(value) : m.rightScrollChanged(value); });
        },
        // The left bar hands the focus on to its list; the right one keeps it and its
        // list is drawn again.
        .barFocused = [this, onModel, left] {
            onModel([&](editor::EditorModel&) {
                if (left && left_) SetFocus(left_->handle());
            });
        }};
    return std::make_unique<EditorCharList>(EditorCharListSetup{.parent = window_,
                                                                .id = id,
                                                                .characters = s_.characters,
                                                                .displayUnicodeSymbol = &s_.displayUnicodeSymbol,
                                                                .fonts = &fonts_,
                                                                .events = std::move(events)});
}

void EditLanguageWindow::attach(editor::EditorModel& model) {
    model_ = &model;
    SendMessageW(typeList_, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : model.typeNames()) {
        SendMessageW(typeList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
    }
    left_->show(model.leftList());
    right_->show(model.rightList());
    refresh();
}

void EditLanguageWindow::runModal() {
    if (window_ == nullptr || model_ == nullptr) return;
    const bool ownerWasEnabled = s_.owner != nullptr && IsWindowEnabled(s_.owner);
    if (ownerWasEnabled) EnableWindow(s_.owner, FALSE);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    // The focus the model asked for while the window was hidden.
    if (pendingNameFocus_) focusNameBox();
    if (pendingListFocus_) focusList(*pendingListFocus_);

    MSG msg{};
    while (!closed_ && window_ != nullptr) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // the program's own loop ends too
            break;
        }
        if (got == -1) break;
        // The wheel scrolls the list that has the focus, wherever the pointer is.
        if (msg.message == WM_MOUSEWHEEL && belongs(msg.hwnd)) {
            onMouseWheel(GET_WHEEL_DELTA_WPARAM(msg.wParam));
            continue;
        }
        if (window_ != nullptr && IsDialogMessageW(window_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // The owner is enabled before the editor hides, so the activation returns to it.
    if (ownerWasEnabled) EnableWindow(s_.owner, TRUE);
    if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
    if (s_.owner != nullptr && IsWindowVisible(s_.owner)) SetActiveWindow(s_.owner);
}

platform::WindowHandle EditLanguageWindow::window() const {
    return reinterpret_cast<platform::WindowHandle>(window_);
}

void EditLanguageWindow::focusNameBox() {
    if (window_ == nullptr || !IsWindowVisible(window_)) {
        pendingNameFocus_ = true;
        pendingListFocus_.reset();
        return;
    }
    SetFocus(nameBox_);
}

void EditLanguageWindow::focusList(editor::ListSide side) {
    if (window_ == nullptr || !IsWindowVisible(window_)) {
        pendingListFocus_ = side;
        pendingNameFocus_ = false;
        return;
    }
    SetFocus(side == editor::ListSide::Left ? left_->handle() : right_->handle());
}

LRESULT CALLBACK EditLanguageWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchToWindowObject(window, message, wParam, lParam, &EditLanguageWindow::window_, &EditLanguageWindow::handle);
}

LRESULT EditLanguageWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_VSCROLL: {
            const auto bar = reinterpret_cast<HWND>(lParam);
            if (!left_->routeScroll(bar, wParam)) right_->routeScroll(bar, wParam);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: onPaint(); return 0;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE: close(); return 0;  // the close box writes nothing
        case WM_DESTROY:
            // Destroyed with its owner (the program is ending): the modal loop ends too.
            closed_ = true;
            return 0;
        default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void EditLanguageWindow::onCommand(int id, int code) {
    if (model_ == nullptr) return;
    if (id == kNameBox) {
        if (code == EN_CHANGE && !settingName_) {
            model_->nameChanged(Narrow(TextOf(nameBox_)));
            refresh();
        }
        return;
    }
    if (id == kTypeList) {
        if (code == LBN_SELCHANGE) {
            model_->selectType(static_cast<int>(SendMessageW(typeList_, LB_GETCURSEL, 0, 0)));
            refresh();
        }
        return;
    }
    if (code == BN_CLICKED) onButton(id);
}

void EditLanguageWindow::onButton(int id) {
    if (const auto key = keyboard_->keyOf(id)) {
        model_->selectKey(*key);
    } else if (keyboard_->isShift(id)) {
        model_->toggleShift();
    } else if (id == kSwapAdd || id == kSwapRemove) {
        model_->pressAddRemove(id - kSwapAdd);
    } else if (id >= kMoveUp && id <= kMoveToBottom) {
        model_->pressMove(id - kMoveUp);
    } else if (id == kReset) {
        model_->resetLanguage();
    } else if (id == kOk || id == IDCANCEL || id == kApply) {
        const int index = id == kOk ? 0 : id == IDCANCEL ? 1 : 2;
        if (model_->pressButton(index)) close();
    } else {
        return;  // IDOK from Enter: the window has no default button
    }
    refresh();
}

void EditLanguageWindow::onMouseWheel(int rotation) {
    if (model_ == nullptr) return;
    std::optional<editor::ListSide> focused;
    if (left_->hasFocus()) focused = editor::ListSide::Left;
    if (right_->hasFocus()) focused = editor::ListSide::Right;
    model_->MouseWheel(rotation, focused);
    refresh();
}

bool EditLanguageWindow::belongs(HWND window) const {
    return window_ != nullptr && window != nullptr && (window == window_ || IsChild(window_, window));
}

void EditLanguageWindow::layout() {
    controls_.apply(dpi_);
    left_->place(ToRect(platform::PixelsOf(kLeftListBox, dpi_)), ToRect(platform::PixelsOf(kLeftScrollBox, dpi_)),
                 dpi_);
    right_->place(ToRect(platform::PixelsOf(kRightListBox, dpi_)), ToRect(platform::PixelsOf(kRightScrollBox, dpi_)),
                  dpi_);
    if (model_ != nullptr) keyboard_->show(model_->keys(), dpi_);
    InvalidateRect(window_, nullptr, TRUE);
}

void EditLanguageWindow::onDpiChanged(int dpi, const RECT& suggested) {
    if (!TestDpiOverride() && dpi > 0) dpi_ = dpi;
    const SIZE size = OuterSize(dpi_);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
}

void EditLanguageWindow::onPaint() {
    PaintDc paint(window_);
    RECT client{};
    GetClientRect(window_, &client);
    DoubleBuffer buffer(paint.get(), client.right, client.bottom);
    {
        GdiCanvas canvas(buffer.dc(), dpi_, fonts_);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        canvas.fillRect({0, 0, client.right, client.bottom}, {GetRValue(face), GetGValue(face), GetBValue(face)});
        if (model_ != nullptr) {
            std::optional<platform::TwipsBox> shift;
            if (model_->shiftOn()) shift = model_->shiftFrame();
            EditorKeyboard::PaintFrames(canvas, model_->selectedKeyFrame(), shift);
        }
    }
    buffer.present();
}

void EditLanguageWindow::refresh() {
    if (model_ == nullptr || window_ == nullptr) return;
    keyboard_->show(model_->keys(), dpi_);
    if (!(model_->selectedKeyFrame() == shownKeyFrame_) || model_->shiftOn() != shownShift_) {
        for (const platform::TwipsBox& frame : {shownKeyFrame_, model_->selectedKeyFrame(), model_->shiftFrame()}) {
            const RECT bounds = EditorKeyboard::FrameBounds(frame, dpi_);
            InvalidateRect(window_, &bounds, FALSE);
        }
        shownKeyFrame_ = model_->selectedKeyFrame();
        shownShift_ = model_->shiftOn();
    }
    const int type = model_->selectedType().value_or(-1);
    if (SendMessageW(typeList_, LB_GETCURSEL, 0, 0) != type) SendMessageW(typeList_, LB_SETCURSEL, type, 0);
    left_->show(model_->leftList());
    right_->show(model_->rightList());
    showName();
    EnableWindow(reset_, model_->resetEnabled() ? TRUE : FALSE);
}

void EditLanguageWindow::showName() {
    const std::wstring wanted = Widen(model_->name());
    if (TextOf(nameBox_) == wanted) return;
    settingName_ = true;
    SetWindowTextW(nameBox_, wanted.c_str());
    settingName_ = false;
}

}  // namespace kz::win32
