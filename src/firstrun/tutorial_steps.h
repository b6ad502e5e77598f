#pragma once
// The tutorial's steps: what its window shows at each point of the one gesture it teaches
// (hold the right Alt, press a letter, release, pick a character) and the progress value
// it keeps. The key handler and the popup report through the Tutorial interface while the
// window is open; the window only draws the page this object hands it.
#include <functional>
#include <string>
#include <string_view>

#include "keys/tutorial_link.h"
#include "settings/settings_store.h"

namespace kz {

// What the window shows. Rectangles are in screen twips.
struct TutorialPage {
    std::string title;
    std::string stepNumber;    // "1" to "4": the step the handler reads back
    std::string instruction;
    std::string secondary;     // the line under the instruction; hidden when empty
    bool keyPicture = false;   // the right Alt key (step 1)
    bool popupFrame = false;   // a frame around the popup (step 3)
    platform::TwipsBox frame;  // where, when popupFrame
    std::u16string typedLine;  // "You have typed "x"" (step 4), any character; hidden when empty
    bool doneButtons = false;  // "Close" and "Run the tutorial again" (step 4)
    std::string message;       // a short message over the window; hidden when empty
};

// Where the popup is and in which mode, read when step 3 is shown.
struct PopupOutline {
    bool keyPopup = true;  // the key popup; false for the all-characters screen
    platform::TwipsBox bounds;  // screen twips
};

// The window as the steps see it.
class TutorialView {
public:
    virtual ~TutorialView() = default;
    virtual void show(const TutorialPage& page) = 0;
    virtual void bringToFront() = 0;
    // Starts the message's timer, restarting it when it runs already; stopMessageTimer
    // stops it.
    virtual void startMessageTimer(int milliseconds) = 0;
    virtual void stopMessageTimer() = 0;
    // The window's outer rectangle in screen twips.
    virtual platform::TwipsBox bounds() const = 0;
};

// What the tutorial window needs of the program.
struct TutorialWindowLinks {
    SettingsStore& store;  // the progress value
    TutorialLink& link;    // the window stands in it while it is open
    std::function<PopupOutline()> popup;
    std::function<void(std::string_view topic)> showHelp;
};

inline constexpr std::string_view kTutorialTitle = "Typing accents with Kelvra Zavora is really easy";
inline constexpr std::string_view kTutorialShortTitle = "Typing accents...";
inline constexpr std::string_view kNoCharactersMessage = "There are no characters associated with that key";

class TutorialSteps final : public Tutorial {
public:
    struct Links {
        TutorialView& view;
        SettingsStore& store;
        std::function<PopupOutline()> popup;
    };

    // Opening the window: the progress value records that the tutorial was seen, and the
    // page shows step 1 until the key handler's first report.
    explicit TutorialSteps(Links links);

    // Tutorial
    std::string shownStep() const override { return page_.stepNumber; }
    void setStep(int step, std::u16string_view text) override;
    void displayError(std::string_view message, int milliseconds) override;
    platform::TwipsBox bounds() const override { return links_.view.bounds(); }
    void recordCompleted() override;

    // The message's time is up.
    void messageTimerElapsed();
    // "Run the tutorial again".
    void runAgain() { setStep(1, u"yes"); }

    const TutorialPage& page() const { return page_; }

private:
    void showStepThree();

    Links links_;
    TutorialPage page_;
};

}  // namespace kz
