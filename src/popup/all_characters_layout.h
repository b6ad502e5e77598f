#pragma once
// Where the controls of the all-characters screen sit, in twips from the popup window's
// top left corner (the panel that holds them is at 360, 1320).
#include <array>

#include "popup/popup_render_layout.h"

namespace kz {

struct AllCharactersControls {
    std::array<TwipsBox, 2> option;  // Option1(0) "Character Types", Option1(1) "Languages"
    TwipsBox topCaption;             // Label2
    TwipsBox topFrame;               // Text2, the frame behind the top list
    TwipsBox topList;                // Picture2
    TwipsBox topBar;                 // ScrollbarPlus2
    TwipsBox charactersCaption;      // Label3, or the search text
    TwipsBox charactersFrame;        // Text1
    TwipsBox characterList;          // Picture1
    TwipsBox charactersBar;          // ScrollbarPlus1
};

constexpr AllCharactersControls AllCharactersControlLayout() {
    constexpr int x = 360;
    constexpr int y = 1320;
    return AllCharactersControls{
        .option = {TwipsBox{x + 120, y + 120, 1695, 255}, TwipsBox{x + 1920, y + 120, 1695, 255}},
        .topCaption = {x + 0, y + 480, 1695, 255},
        .topFrame = {x + 0, y + 720, 3615, 1110},
        .topList = {x + 30, y + 750, 3315, 1050},
        .topBar = {x + 3330, y + 750, 255, 1050},
        .charactersCaption = {x + 0, y + 1980, 3615, 255},
        .charactersFrame = {x + 0, y + 2280, 3615, 2895},
        .characterList = {x + 30, y + 2310, 3315, 2835},
        .charactersBar = {x + 3330, y + 2310, 255, 2835},
    };
}

}  // namespace kz
