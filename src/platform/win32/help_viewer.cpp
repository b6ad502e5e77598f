#include "platform/win32/help_viewer.h"

#include <utility>

#include "platform/win32/wide_text.h"

namespace kz::win32 {
namespace {

constexpr UINT kDisplayTopic = 0x0000;  // HH_DISPLAY_TOPIC
constexpr UINT kCloseAll = 0x0012;      // HH_CLOSE_ALL

// The text of the message waiting to be shown, and whether a message is open.
struct Report {
    std::wstring text;
    bool open = false;
};
Report& PendingReport() {
    static Report report;
    return report;
}

void CALLBACK ShowReport(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Report& report = PendingReport();
    if (report.open || report.text.empty()) return;
    const std::wstring text = std::exchange(report.text, {});
    report.open = true;
    MessageBoxW(nullptr, text.c_str(), L"Kelvra Zavora", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
    report.open = false;
}

// Help is also asked for from inside the keyboard hook (F1 in the popup), which must
// return at once: the message waits for the message loop, and one is shown at a time.
void ReportLater(std::wstring text) {
    Report& report = PendingReport();
    if (report.open || !report.text.empty()) return;
    report.text = std::move(text);
    SetTimer(nullptr, 0, 0, &ShowReport);
}

}  // namespace

HelpViewer::~HelpViewer() {
    if (htmlHelp_ != nullptr) htmlHelp_(nullptr, nullptr, kCloseAll, 0);
    // The viewer's windows are gone; only now may its code go.
    if (module_ != nullptr) FreeLibrary(module_);
}

bool HelpViewer::load() {
    if (tried_) return htmlHelp_ != nullptr;
    tried_ = true;
    module_ = LoadLibraryW(L"hhctrl.ocx");
    if (module_ == nullptr) return false;
    htmlHelp_ = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(module_, "HtmlHelpW")));
    return htmlHelp_ != nullptr;
}

void HelpViewer::show(std::string_view topic) {
    const std::wstring file = Widen(folder_ + std::string(kHelpFileName));
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return ReportLater(L"The help file could not be found:\r\n\r\n" + file);
    }
    if (!load()) {
        return ReportLater(L"Help cannot be shown: the HTML Help viewer of Windows (hhctrl.ocx) "
                           L"is missing.");
    }
    // The topic goes in the file name ("file::/topic"), which every viewer version reads.
    const std::wstring target = file + L"::/html\\" + Widen(topic);
    htmlHelp_(GetDesktopWindow(), target.c_str(), kDisplayTopic, 0);
}

}  // namespace kz::win32
