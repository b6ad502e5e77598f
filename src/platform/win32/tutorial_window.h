#pragma once
// The tutorial window "Kelvra Zavora - Getting Started": modeless, always on top, one at a
// time. It draws the page its steps hand it and, while it is open, stands in the tutorial
// slot, so the key handler and the popup report the gesture to it and type nothing.
// Closing it destroys it and empties the slot: the gesture types again.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "firstrun/tutorial_steps.h"
#include "input/tutorial_link.h"
#include "platform/win32/font_cache.h"
#include "settings/settings_store.h"

namespace kz::win32 {

struct TutorialWindowLinks {
    HINSTANCE instance = nullptr;
    FontCache& fonts;
    SettingsStore& store;  // the progress value
    TutorialSlot& slot;
    std::function<PopupOutline()> popup;
    std::function<void(std::string_view topic)> showHelp;
};

class TutorialWindow final : private TutorialView {
public:
    explicit TutorialWindow(TutorialWindowLinks links);
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
    TwipsRect bounds() const override;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool create();
    void activate();
    void layout(int dpi);
    void placeMessage();
    void paint();
    RECT frameInClient() const;

    struct Controls;  // the child windows of one opening, with their layouts

    TutorialWindowLinks links_;
    std::optional<TutorialSteps> steps_;
    std::unique_ptr<Controls> controls_;
    TutorialPage page_;
    HWND window_ = nullptr;
    int dpi_ = 96;
};

}  // namespace kz::win32
