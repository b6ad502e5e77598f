#pragma once
// The two facts about the trigger that the key handler keeps and the popup reads.
namespace kz {

struct GestureFlags {
    bool triggerHeld = false;      // the trigger keys are down
    bool triggerReleased = false;  // a trigger key went up since the key popup opened
};

}  // namespace kz
