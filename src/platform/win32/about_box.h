#pragma once
// The about box: a small modeless window with the program's name and icon, its
// version from the executable's version resource, how many languages are in use and how
// many characters are known, and a Close button. Opening it while it is open brings the
// same window forward; closing hides it until the next opening.
#include <windows.h>

#include <functional>
#include <string>

#include "app/program_windows.h"
#include "platform/win32/control_layout.h"

namespace kz::win32 {

using AboutFacts = app::AboutFacts;

class AboutBox {
public:
    AboutBox(HINSTANCE instance, FontCache& fonts, std::function<AboutFacts()> facts);
    ~AboutBox();
    AboutBox(const AboutBox&) = delete;
    AboutBox& operator=(const AboutBox&) = delete;

    void show();
    // Destroys the window (the program's exit: no window may be left behind).
    void unload();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void create();
    void fill();
    void layout(int dpi);

    HINSTANCE instance_;
    FontCache& fonts_;
    std::function<AboutFacts()> facts_;
    ControlLayout controls_;
    HWND window_ = nullptr;
    HWND icon_ = nullptr;
    HWND title_ = nullptr;
    HWND details_ = nullptr;
    int dpi_ = 96;
};

}  // namespace kz::win32
