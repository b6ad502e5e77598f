#include "platform/win32/help_viewer.h"

#include "platform/win32/wide_text.h"

namespace kz::win32 {
namespace {

constexpr UINT kDisplayTopic = 0x0000;  // HH_DISPLAY_TOPIC
constexpr UINT kCloseAll = 0x0012;      // HH_CLOSE_ALL

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
    if (!load()) return;
    const std::wstring file = Widen(folder_ + std::string(kHelpFileName));
    // The topic goes in the file name ("file::/topic"), which every viewer version reads.
    const std::wstring target = file + L"::/html\\" + Widen(topic);
    htmlHelp_(GetDesktopWindow(), target.c_str(), kDisplayTopic, 0);
}

}  // namespace kz::win32
