#include "platform/win32/tutorial_window.h"

#include <algorithm>
#include <utility>

#include "app/names.h"
#include "platform/win32/control_layout.h"
#include "platform/win32/dialog_keys.h"
#include "platform/win32/double_buffer.h"
#include "platform/win32/dpi.h"
#include "platform/win32/gdi_holders.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_binding.h"

namespace kz::win32 {

namespace {

constexpr wchar_t kClassName[] = L"KelvraZavoraTutorial";
// Escape is part of the gesture (it leaves the popup), so it does not close the window.
constexpr int kCloseId = 1000;
constexpr int kAgainId = 1001;
constexpr UINT_PTR kMessageTimer = 1;
// Help and activation happen from the message loop, never inside a key's handling (a
// step may be reported from the keyboard hook).
constexpr UINT kShowHelpMessage = WM_APP + 1;
constexpr UINT kBringToFrontMessage = WM_APP + 2;
constexpr UINT kShowPageMessage = WM_APP + 3;

// The client area and its parts, in twips. The popup sits in the lower right part of the
// window (2175 twips wide, 4920 high with five rows, 375 twips in from the right and
// about 200 up from the bottom), so the text column ends well left of it and the title
// runs above it.
constexpr int kClientWidth = 8700;
constexpr int kClientHeight = 6360;
constexpr TwipsBox kTitleBox{360, 240, 7980, 420};
constexpr TwipsBox kNumberBox{360, 840, 660, 660};
constexpr TwipsBox kInstructionBox{1200, 840, 4680, 3000};
constexpr TwipsBox kSecondaryBox{1200, 1740, 4680, 1200};
constexpr TwipsBox kKeyPictureBox{1200, 1800, 1560, 960};
constexpr TwipsBox kTypedBox{1200, 1740, 4680, 600};
constexpr TwipsBox kCloseBox{1200, 2760, 1200, 375};
constexpr TwipsBox kAgainBox{2520, 2760, 2400, 375};
constexpr int kSeparatorTop = 690;
constexpr int kMessageMargin = 480;  // between the message and its frame, every side

constexpr COLORREF kAccent = RGB(0, 99, 177);
constexpr COLORREF kKeyFace = RGB(250, 250, 250);
constexpr COLORREF kKeySide = RGB(214, 218, 224);
constexpr COLORREF kKeyEdge = RGB(120, 128, 140);
constexpr COLORREF kKeyText = RGB(40, 40, 40);
constexpr COLORREF kRule = RGB(220, 226, 234);

platform::FontSpec TextFont(double points, bool bold = false) { return platform::pointFont(points, "Arial", bold); }

// The right Alt key as a key cap seen from above: a darker base, a lighter top face, the
// legend "Alt Gr" on it.
void PaintAltGrKey(HDC dc, const RECT& box, int dpi, FontCache& fonts) {
    const auto px = [dpi](int twips) { return platform::TwipsToPixels(twips, dpi); };
    const int radius = px(150);
    SelectionGuard pen(dc, GetStockObject(DC_PEN));
    SelectionGuard brush(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, kKeyEdge);
    SetDCBrushColor(dc, kKeySide);
    RoundRect(dc, box.left, box.top, box.right, box.bottom, radius, radius);
    const RECT face{box.left + px(75), box.top + px(45), box.right - px(75), box.bottom - px(150)};
    SetDCPenColor(dc, kKeySide);
    SetDCBrushColor(dc, kKeyFace);
    RoundRect(dc, face.left, face.top, face.right, face.bottom, radius, radius);
    HFONT font = fonts.get(TextFont(12, true), dpi);
    if (font == nullptr) return;
    SelectionGuard selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kKeyText);
    RECT text = face;
    DrawTextW(dc, L"Alt Gr", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void SetIcons(HWND window, HINSTANCE instance, int dpi) {
    // Shared: the system keeps the icons for as long as the module is loaded.
    const auto load = [&](int metric) {
        const int size = SystemMetricForDpi(metric, dpi);
        return reinterpret_cast<LPARAM>(LoadImageW(instance, L"ICO", IMAGE_ICON, size, size, LR_SHARED));
    };
    SendMessageW(window, WM_SETICON, ICON_BIG, load(SM_CXICON));
    SendMessageW(window, WM_SETICON, ICON_SMALL, load(SM_CXSMICON));
}

}  // namespace

struct TutorialWindow::Controls {
    explicit Controls(FontCache& fonts)
        : title(fonts, TextFont(12, true)),
          number(fonts, TextFont(26, true)),
          body(fonts, TextFont(10)),
          typed(fonts, TextFont(16)),
          buttons(fonts) {}

    // One layout per face: each gives its controls its font at the window's DPI.
    ControlLayout title;
    ControlLayout number;
    ControlLayout body;
    ControlLayout typed;
    ControlLayout buttons;
    HWND titleLabel = nullptr;
    HWND numberLabel = nullptr;
    HWND instruction = nullptr;
    HWND secondary = nullptr;
    HWND typedLine = nullptr;  // any character: drawn by the wide-character text routine
    HWND message = nullptr;    // the message with its frame, over everything else
    HWND closeButton = nullptr;
    HWND againButton = nullptr;
};

TutorialWindow::TutorialWindow(HINSTANCE instance, FontCache& fonts, TutorialWindowLinks links)
    : instance_(instance), fonts_(fonts), links_(std::move(links)) {}

// The program's exit closes the window first; by now the link may be gone with the program.
TutorialWindow::~TutorialWindow() { destroyWindow(); }

void TutorialWindow::open() {
    if (window_ == nullptr && !create()) return;
    ShowWindow(window_, SW_SHOW);
    activate();
}

void TutorialWindow::close() {
    links_.link.set(nullptr);  // from here on the gesture types again
    destroyWindow();
}

void TutorialWindow::destroyWindow() {
    steps_.reset();
    if (window_ == nullptr) return;
    KillTimer(window_, kMessageTimer);
    pageQueued_ = false;  // a queued page goes with its window
    HWND window = std::exchange(window_, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);  // teardown messages find no object
    DestroyWindow(window);
    controls_.reset();
}

bool TutorialWindow::create() {
    RegisterWindowClass(instance_, kClassName, &TutorialWindow::WindowProc);
    const std::wstring caption = Widen(app::kCaptionTutorial);
    CreateWindowExW(WS_EX_TOPMOST | WS_EX_CONTROLPARENT, kClassName, caption.c_str(),
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                    CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance_, this);
    if (window_ == nullptr) return false;

    controls_ = std::make_unique<Controls>(fonts_);
    Controls& c = *controls_;
    constexpr DWORD kLabel = SS_NOPREFIX | WS_CLIPSIBLINGS;
    c.titleLabel = c.title.add(window_, {.text = L"", .style = kLabel, .box = kTitleBox, .id = -1});
    c.numberLabel = c.number.add(window_, {.text = L"", .style = kLabel | SS_CENTER, .box = kNumberBox, .id = -1});
    c.instruction = c.body.add(window_, {.text = L"", .style = kLabel, .box = kInstructionBox, .id = -1});
    c.secondary = c.body.add(window_, {.text = L"", .style = kLabel, .box = kSecondaryBox, .id = -1});
    c.typedLine = c.typed.add(window_, {.text = L"", .style = kLabel, .box = kTypedBox, .id = -1});
    c.closeButton = c.buttons.add(window_, {.windowClass = L"BUTTON", .text = L"Close",
                                            .style = BS_DEFPUSHBUTTON | WS_TABSTOP | WS_CLIPSIBLINGS,
                                            .box = kCloseBox, .id = kCloseId});
    c.againButton = c.buttons.add(window_, {.windowClass = L"BUTTON", .text = L"Run the tutorial again",
                                            .style = WS_TABSTOP | WS_CLIPSIBLINGS, .box = kAgainBox,
                                            .id = kAgainId});
    c.message = c.body.add(window_, {.text = L"", .style = kLabel | SS_CENTER | SS_CENTERIMAGE | WS_BORDER, .box = TwipsBox{}, .id = -1});
    SetWindowPos(c.message, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    MarkAsDialog(window_);

    // Centred in the work area of the monitor the window opens on, at that monitor's DPI.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    layout(DpiAtPoint(POINT{(work.left + work.right) / 2, (work.top + work.bottom) / 2}));
    RECT outer{};
    GetWindowRect(window_, &outer);
    SetWindowPos(window_, HWND_TOPMOST, std::max<int>(work.left, (work.left + work.right - (outer.right - outer.left)) / 2),
                 std::max<int>(work.top, (work.top + work.bottom - (outer.bottom - outer.top)) / 2), 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);

    // The page is set before the window takes the slot: a report may come at any key.
    steps_.emplace(TutorialSteps::Links{.view = *this, .store = links_.store, .popup = links_.popup});
    applyPage();  // the window opens with its first page, not empty
    links_.link.set(&*steps_);
    return true;
}

void TutorialWindow::layout(int dpi) {
    dpi_ = dpi;
    SetClientSizeInTwips(window_, kClientWidth, kClientHeight, dpi);
    Controls& c = *controls_;
    for (ControlLayout* part : {&c.title, &c.number, &c.body, &c.typed, &c.buttons}) part->apply(dpi);
    SetIcons(window_, instance_, dpi);
    fitInstruction();
    placeMessage();
    InvalidateRect(window_, nullptr, TRUE);
}

// The instruction's label is as tall as its text, so that it does not cover the key
// picture drawn below a short instruction.
void TutorialWindow::fitInstruction() {
    HWND label = controls_->instruction;
    const std::wstring text = Widen(page_.instruction);
    const RECT box = ToRect(PixelsOf(kInstructionBox, dpi_));
    RECT needed{0, 0, box.right - box.left, 0};
    {
        WindowDc screen(nullptr);
        SelectionGuard font(screen.get(), controls_->body.font(dpi_));
        DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &needed,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    SetWindowPos(label, nullptr, 0, 0, box.right - box.left,
                 std::min<int>(needed.bottom, box.bottom - box.top), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TutorialWindow::placeMessage() {
    HWND label = controls_->message;
    const std::wstring text = Widen(page_.message);
    SetWindowTextW(label, text.c_str());
    if (text.empty()) {
        ShowWindow(label, SW_HIDE);
        return;
    }
    // The text's own size, its frame 480 twips out on every side, centred in the window.
    SIZE size{};
    {
        WindowDc screen(nullptr);
        SelectionGuard font(screen.get(), controls_->body.font(dpi_));
        GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    }
    const int margin = platform::TwipsToPixels(kMessageMargin, dpi_);
    RECT client{};
    GetClientRect(window_, &client);
    const int width = std::min<int>(size.cx + 2 * margin, client.right);
    const int height = size.cy + 2 * margin;
    SetWindowPos(label, HWND_TOP, (client.right - width) / 2, (client.bottom - height) / 2, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TutorialWindow::show(const TutorialPage& page) {
    page_ = page;
    // Steps are reported from inside the keyboard hook, which must answer at once: the
    // controls follow the page from the message loop, once for any number of reports.
    if (window_ != nullptr && !pageQueued_) pageQueued_ = PostMessageW(window_, kShowPageMessage, 0, 0) != FALSE;
}

void TutorialWindow::applyPage() {
    if (window_ == nullptr || !controls_) return;
    const TutorialPage& page = page_;
    Controls& c = *controls_;
    const auto setText = [](HWND control, const std::wstring& text, bool visible) {
        SetWindowTextW(control, text.c_str());
        ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
    };
    setText(c.titleLabel, Widen(page.title), true);
    setText(c.numberLabel, Widen(page.stepNumber), true);
    setText(c.instruction, Widen(page.instruction), true);
    setText(c.secondary, Widen(page.secondary), !page.secondary.empty());
    const std::wstring typed(page.typedLine.begin(), page.typedLine.end());
    setText(c.typedLine, typed, !typed.empty());
    ShowWindow(c.closeButton, page.doneButtons ? SW_SHOWNA : SW_HIDE);
    ShowWindow(c.againButton, page.doneButtons ? SW_SHOWNA : SW_HIDE);
    fitInstruction();
    placeMessage();
    InvalidateRect(window_, nullptr, TRUE);  // the key picture and the popup's frame
    // The application the learner practises in may have come up over the window. While the
    // popup is hidden (every step but 3) the window goes back above it, without the focus.
    if (page.stepNumber != "3") {
        SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TutorialWindow::bringToFront() {
    if (window_ != nullptr) PostMessageW(window_, kBringToFrontMessage, 0, 0);
}

void TutorialWindow::activate() {
    if (window_ == nullptr) return;
    if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window_);
}

void TutorialWindow::startMessageTimer(int milliseconds) {
    if (window_ != nullptr) SetTimer(window_, kMessageTimer, static_cast<UINT>(milliseconds), nullptr);
}

void TutorialWindow::stopMessageTimer() {
    if (window_ != nullptr) KillTimer(window_, kMessageTimer);
}

platform::TwipsBox TutorialWindow::bounds() const {
    RECT r{};
    if (window_ == nullptr || !GetWindowRect(window_, &r)) return {};
    // At the primary monitor's scale, the one the popup's placement counts in.
    const int dpi = DpiAtPoint(POINT{0, 0});
    const int left = platform::FirstTwipsOfPixel(r.left, dpi);
    const int top = platform::FirstTwipsOfPixel(r.top, dpi);
    return platform::TwipsBox{left, top, platform::FirstTwipsOfPixel(r.right, dpi) - left,
                              platform::FirstTwipsOfPixel(r.bottom, dpi) - top};
}

RECT TutorialWindow::frameInClient() const {
    const int dpi = DpiAtPoint(POINT{0, 0});
    const platform::TwipsBox& f = page_.frame;
    POINT corners[2] = {{platform::PixelHolding(f.left, dpi), platform::PixelHolding(f.top, dpi)},
                        {platform::PixelHolding(f.right(), dpi), platform::PixelHolding(f.bottom(), dpi)}};
    MapWindowPoints(nullptr, window_, corners, 2);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void TutorialWindow::paint() {
    PaintDc paint(window_);
    RECT client{};
    GetClientRect(window_, &client);
    DoubleBuffer buffer(paint.get(), client.right, client.bottom);
    HDC dc = buffer.dc();
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const auto px = [this](int twips) { return platform::TwipsToPixels(twips, dpi_); };
    SetDCBrushColor(dc, kRule);
    const RECT rule{px(kTitleBox.left), px(kSeparatorTop), px(kTitleBox.left + kTitleBox.width),
                    px(kSeparatorTop) + std::max(1, px(15))};
    FillRect(dc, &rule, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    if (page_.keyPicture) PaintAltGrKey(dc, ToRect(PixelsOf(kKeyPictureBox, dpi_)), dpi_, fonts_);
    if (page_.popupFrame) {
        // A ring around the popup, which sits over the window: it points at the list.
        RECT ring = frameInClient();
        SetDCBrushColor(dc, kAccent);
        const int thickness = std::max(2, px(30));
        for (int i = 0; i < thickness; ++i) {
            FrameRect(dc, &ring, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            InflateRect(&ring, -1, -1);
        }
    }
    buffer.present();
}

LRESULT CALLBACK TutorialWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchToWindowObject(window, message, wParam, lParam, &TutorialWindow::window_,
                                  &TutorialWindow::handle);
}

LRESULT TutorialWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    // Enter means Close only while Close is there.
    const int defaultId = page_.doneButtons ? kCloseId : 0;
    const auto relayout = [this](int dpi) { layout(dpi); };
    if (const auto answer = AnswerDialogMessage(window_, message, wParam, lParam, defaultId, relayout)) return *answer;
    if (message == DialogKeyMessage()) {
        const MSG& key = *reinterpret_cast<const MSG*>(lParam);
        if (key.message != WM_KEYDOWN || key.wParam != VK_F1) return 0;
        PostMessageW(window_, kShowHelpMessage, 0, 0);
        return 1;
    }
    switch (message) {
    case kShowPageMessage:
        pageQueued_ = false;
        applyPage();
        return 0;
    case kBringToFrontMessage:
        activate();
        return 0;
    case kShowHelpMessage:
        if (links_.showHelp) links_.showHelp("usingzavora.htm");
        return 0;
    case WM_COMMAND:
        // The window goes at the next turn of the loop, not inside its button's click.
        if (LOWORD(wParam) == kCloseId) PostMessageW(window_, WM_CLOSE, 0, 0);
        else if (LOWORD(wParam) == kAgainId && steps_) steps_->runAgain();
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    case WM_TIMER:
        if (wParam == kMessageTimer && steps_) steps_->messageTimerElapsed();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint();
        return 0;
    case WM_CTLCOLORSTATIC: {
        auto dc = reinterpret_cast<HDC>(wParam);
        const bool isMessage = controls_ && reinterpret_cast<HWND>(lParam) == controls_->message;
        const bool isNumber = controls_ && reinterpret_cast<HWND>(lParam) == controls_->numberLabel;
        SetTextColor(dc, isNumber ? kAccent : GetSysColor(isMessage ? COLOR_INFOTEXT : COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(isMessage ? COLOR_INFOBK : COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(isMessage ? COLOR_INFOBK : COLOR_WINDOW));
    }
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

}  // namespace kz::win32
