#include "platform/win32/about_box.h"

#include "platform/win32/dialog_keys.h"
#include "platform/win32/dpi.h"
#include "platform/win32/version_info.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_binding.h"

namespace kz::win32 {
namespace {

constexpr wchar_t kClassName[] = L"KelvraZavoraAbout";
constexpr wchar_t kCaption[] = L"About Kelvra Zavora";
constexpr int kCloseId = IDCANCEL;  // Escape closes the box too
constexpr int kClientWidth = 4800;  // twips
constexpr int kClientHeight = 2280;
constexpr TwipsBox kIconBox{240, 240, 480, 480};
constexpr TwipsBox kTitleBox{960, 240, 3600, 300};
constexpr TwipsBox kDetailsBox{960, 600, 3600, 1020};
constexpr TwipsBox kCloseBox{3480, 1740, 1095, 375};

std::wstring DetailsText(const AboutFacts& facts) {
    std::wstring version = OwnVersionText();
    if (version.empty()) version = L"unknown";
    return L"Version " + version + L"\r\n" + Widen(std::to_string(facts.languages)) +
           (facts.languages == 1 ? L" language" : L" languages") + L" in use\r\n" +
           Widen(std::to_string(facts.characters)) + (facts.characters == 1 ? L" character" : L" characters") +
           L" known";
}

}  // namespace

AboutBox::AboutBox(HINSTANCE instance, FontCache& fonts, std::function<AboutFacts()> facts)
    : instance_(instance), fonts_(fonts), facts_(std::move(facts)), controls_(fonts) {}

AboutBox::~AboutBox() { unload(); }

void AboutBox::unload() {
    if (window_ == nullptr) return;
    HWND window = std::exchange(window_, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);  // teardown messages find no object
    DestroyWindow(window);
}

void AboutBox::show() {
    if (window_ == nullptr) create();
    if (window_ == nullptr) return;
    fill();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(GetDlgItem(window_, kCloseId));
}

void AboutBox::create() {
    RegisterWindowClass(instance_, kClassName, &AboutBox::WindowProc, 0, DialogFaceBrush());
    CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClassName, kCaption,
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                    nullptr, nullptr, instance_, this);
    if (window_ == nullptr) return;
    icon_ = controls_.add(window_, {.style = SS_ICON | SS_REALSIZECONTROL, .box = kIconBox, .id = -1});
    title_ = controls_.add(window_, {.text = L"Kelvra Zavora", .style = SS_NOPREFIX, .box = kTitleBox, .id = -1});
    details_ = controls_.add(window_, {.style = SS_NOPREFIX, .box = kDetailsBox, .id = -1});
    controls_.add(window_, {.windowClass = L"BUTTON", .text = L"Close",
                            .style = BS_DEFPUSHBUTTON | WS_TABSTOP, .box = kCloseBox, .id = kCloseId});
    MarkAsDialog(window_);

    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    layout(DpiAtPoint(POINT{work.left, work.top}));
    RECT outer{};
    GetWindowRect(window_, &outer);
    SetWindowPos(window_, nullptr, (work.left + work.right - (outer.right - outer.left)) / 2,
                 (work.top + work.bottom - (outer.bottom - outer.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutBox::fill() {
    SetWindowTextW(details_, DetailsText(facts_ ? facts_() : AboutFacts{}).c_str());
}

void AboutBox::layout(int dpi) {
    dpi_ = dpi;
    SetClientSizeInTwips(window_, kClientWidth, kClientHeight, dpi);
    controls_.apply(dpi);
    // The name in a larger, bold face; the icon at the large-icon size of this DPI.
    platform::FontSpec titleFont = DialogFont();
    titleFont.heightTwips = -240;  // 12 points
    titleFont.bold = true;
    SendMessageW(title_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(titleFont, dpi)), TRUE);
    const int size = SystemMetricForDpi(SM_CXICON, dpi);
    // Shared: the system keeps the icon for as long as the module is loaded.
    auto icon = static_cast<HICON>(LoadImageW(instance_, L"ICO", IMAGE_ICON, size, size, LR_SHARED));
    SendMessageW(icon_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    const RECT box = ToRect(platform::PixelsOf(kIconBox, dpi));
    SetWindowPos(icon_, nullptr, box.left, box.top, size, size, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK AboutBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchToWindowObject(window, message, wParam, lParam, &AboutBox::window_, &AboutBox::handle);
}

LRESULT AboutBox::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto relayout = [this](int dpi) { layout(dpi); };
    if (const auto answer = AnswerDialogMessage(window_, message, wParam, lParam, kCloseId, relayout)) return *answer;
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kCloseId) ShowWindow(window_, SW_HIDE);
        return 0;
    case WM_CLOSE:
        ShowWindow(window_, SW_HIDE);  // the next opening shows the same window
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

}  // namespace kz::win32
