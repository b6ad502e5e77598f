#include "firstrun/tutorial_steps.h"

#include <algorithm>

#include "settings/setting_access.h"
#include "settings/settings_table.h"

namespace kz {

namespace {

// Texts are UTF-8; the accented letters are spelled as bytes so that no compiler's idea of
// the source file's encoding can change them.
constexpr std::string_view kHoldInstruction = "press and hold the right most Alt key (sometimes labelled Alt Gr)";
constexpr std::string_view kLetterInstruction = "now press the letter that you need an accent for";
constexpr std::string_view kLetterExamples =
    "e.g. type e for an \xC3\xA9, \xC3\xA8, \xC3\xAB, etc\n"
    "\n"
    "            or a for an \xC3\xA1, \xC3\xA0, \xC3\xA4, etc";
constexpr std::string_view kPickInstruction =
    "release both keys\n\nthen\n\nuse the arrow keys to select a character from the list and then press "
    "return\n\nor\n\ndouble click the character you want";
constexpr std::string_view kPickShortInstruction = "release both keys\n\nthen\n\nselect a character from the list";
constexpr std::string_view kDoneInstruction = "Congratulations";

// The frame stands this far outside the popup on every side, so it rings the list.
constexpr int kFrameMarginTwips = 120;

}  // namespace

TutorialSteps::TutorialSteps(Links links) : links_(std::move(links)) {
    // "0" (or nothing): never opened before; "-1": opened; "1": completed, which stays.
    if (settings::Read(links_.store, settings::kTutorial) == "0") {
        settings::Write(links_.store, settings::kTutorial, "-1");
    }
    // Until the key handler's first report the window shows where the gesture starts.
    page_.title = kTutorialTitle;
    page_.stepNumber = "1";
    page_.instruction = kHoldInstruction;
    page_.keyPicture = true;
    links_.view.show(page_);
}

void TutorialSteps::setStep(int step, std::u16string_view text) {
    if (step < 1 || step > 4) return;
    const std::string number = std::to_string(step);
    // Step 3 is shown afresh every time: the popup may have moved or changed its mode.
    if (number == page_.stepNumber && step != 3) return;
    if (number != page_.stepNumber) {
        // A message belongs to the step it was shown in.
        links_.view.stopMessageTimer();
        page_.message.clear();
    }
    page_.title = step == 3 ? kTutorialShortTitle : kTutorialTitle;
    page_.stepNumber = number;
    page_.secondary.clear();
    page_.keyPicture = false;
    page_.popupFrame = false;
    page_.typedLine.clear();
    page_.doneButtons = false;
    switch (step) {
    case 1:
        page_.instruction = kHoldInstruction;
        page_.keyPicture = true;
        break;
    case 2:
        page_.instruction = kLetterInstruction;
        page_.secondary = kLetterExamples;
        break;
    case 3:
        showStepThree();
        break;
    default:
        links_.view.bringToFront();
        page_.instruction = kDoneInstruction;
        page_.typedLine = u"You have typed \"" + std::u16string(text) + u"\"";
        page_.doneButtons = true;
        break;
    }
    links_.view.show(page_);
}

void TutorialSteps::showStepThree() {
    const PopupOutline popup = links_.popup ? links_.popup() : PopupOutline{};
    // Only the key popup is worked with the arrow keys and Enter; the all-characters
    // screen has two lists and a case choice, so it gets the shorter instruction.
    page_.instruction = popup.keyPopup ? kPickInstruction : kPickShortInstruction;
    page_.popupFrame = popup.bounds.width > 0 && popup.bounds.height > 0;
    page_.frame = platform::TwipsBox{popup.bounds.left - kFrameMarginTwips, popup.bounds.top - kFrameMarginTwips,
                            popup.bounds.width + 2 * kFrameMarginTwips,
                            popup.bounds.height + 2 * kFrameMarginTwips};
}

void TutorialSteps::displayError(std::string_view message, int milliseconds) {
    page_.message = message;
    links_.view.show(page_);
    links_.view.stopMessageTimer();
    // A message always goes away by itself, however short or odd the time asked for.
    links_.view.startMessageTimer(std::max(milliseconds, 1));
}

void TutorialSteps::messageTimerElapsed() {
    links_.view.stopMessageTimer();
    if (page_.message.empty()) return;
    page_.message.clear();
    links_.view.show(page_);
}

void TutorialSteps::recordCompleted() { settings::Write(links_.store, settings::kTutorial, "1"); }

}  // namespace kz
