#pragma once
// What the key handler and the popup ask of the tutorial window while it is open in this
// process. The tutorial sets the slot when its window opens and clears it when it closes;
// an empty slot means "no tutorial window", and every report is then skipped.
#include <string>
#include <string_view>

#include "platform/geometry.h"

namespace kz {

class Tutorial {
public:
    virtual ~Tutorial() = default;
    // The text of the step-number label ("1" to "4").
    virtual std::string shownStep() const = 0;
    // `setStep`: `text` is the typed character for step 4 and ignored otherwise.
    virtual void setStep(int step, std::u16string_view text) = 0;
    // `displayError`: shows `message` for `milliseconds`.
    virtual void displayError(std::string_view message, int milliseconds) = 0;
    // The window's outer rectangle in twips, for placing the popup in its lower right part.
    virtual platform::TwipsBox bounds() const = 0;
    // The user typed a character through the popup: the progress value `Tutorial` becomes "1".
    virtual void recordCompleted() = 0;
};

class TutorialLink {
public:
    Tutorial* get() const { return open_; }
    void set(Tutorial* tutorial) { open_ = tutorial; }

private:
    Tutorial* open_ = nullptr;
};

}  // namespace kz
