#pragma once
// The tutorial window "Kelvra Zavora - Getting Started": modeless, always on top, one at a
// time. It draws the page its steps hand it and, while it is open, stands in the tutorial
// link, so the key handler and the popup report the gesture to it and type nothing.
// Closing it destroys it and empties the link: the gesture types again.
#include <windows.h>

#include <memory>
#include <optional>

#include "firstrun/tutorial_steps.h"
#include "platform/win32/font_cache.h"

namespace kz::win32 {

class TutorialWindow final : private TutorialView {
public:
    TutorialWindow(HINSTANCE instance, FontCache& fonts, TutorialWindowLinks links);
    ~TutorialWindow() override;
    TutorialWindow(const TutorialWindow&) = delete;
    TutorialWindow& operator=(const TutorialWindow&) = delete;

    // Opens the window, or brings the open one forward.
    void open();
    // Closes it (the Close button, the caption's close box, the program's exit).
    void close();

private:
    // TutorialView
    void show(const TutorialPage& page) override;
    void bringToFront() override;
    void startMessageTimer(int milliseconds) override;
    void stopMessageTimer() override;
    platform::TwipsBox bounds() const override;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool create();
    void activate();
    void destroyWindow();
    void layout(int dpi);
    void fitInstruction();
    void placeMessage();
    void applyPage();
    void paint();
    RECT frameInClient() const;

    struct Controls;  // the child windows of one opening, with their layouts

    HINSTANCE instance_;
    FontCache& fonts_;
    TutorialWindowLinks links_;
    std::optional<TutorialSteps> steps_;
    std::unique_ptr<Controls> controls_;
    TutorialPage page_;
    HWND window_ = nullptr;
    bool pageQueued_ = false;  // a page waits for the message loop
    int dpi_ = 96;
};

}  // namespace kz::win32
