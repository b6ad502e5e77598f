#pragma once
// The help routine: the compiled help file "zavorahelp.chm" in the application folder,
// opened at "html\" followed by a topic, with the system's HTML Help viewer. The viewer
// (hhctrl.ocx) is loaded when help is first asked for. A missing file or viewer is told in
// a short message titled "Kelvra Zavora" and never stops the program.
#include <windows.h>

#include <string>
#include <string_view>

namespace kz::win32 {

inline constexpr std::string_view kHelpFileName = "zavorahelp.chm";

class HelpViewer {
public:
    explicit HelpViewer(std::string applicationFolder) : folder_(std::move(applicationFolder)) {}
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // Shows `topic` (for example "intro.htm" or "options\general.htm").
    void show(std::string_view topic);

private:
    using HtmlHelpFn = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);
    bool load();

    std::string folder_;
    HMODULE module_ = nullptr;
    HtmlHelpFn htmlHelp_ = nullptr;
    bool tried_ = false;
};

}  // namespace kz::win32
