#include "popup/popup_mouse.h"

#include "keys/virtual_keys.h"
#include "popup/all_characters_layout.h"
#include "popup/all_characters_screen.h"
#include "popup/popup_list.h"

namespace kz {
namespace {

bool Inside(const TwipsBox& box, int x, int y) {
    return x >= box.left && x < box.right() && y >= box.top && y < box.bottom();
}

struct Candidate {
    PopupControl control;
    TwipsBox box;
};

// The controls of a mode, front to back (a scroll bar overlaps its list's edge).
template <typename Visit>
void ForEachControl(int mode, int lastRow, Visit visit) {
    const PopupLayout layout = LayoutForMode(mode, lastRow);
    visit(Candidate{PopupControl::CaseLower, layout.label[0]});
    visit(Candidate{PopupControl::CaseUpper, layout.label[1]});
    if (mode == 1) {
        visit(Candidate{PopupControl::ArrowUp, layout.arrowUp});
        visit(Candidate{PopupControl::ArrowDown, layout.arrowDown});
        visit(Candidate{PopupControl::Rows, layout.rows});
        return;
    }
    const AllCharactersControls controls = AllCharactersControlLayout();
    visit(Candidate{PopupControl::OptionTypes, controls.option[0]});
    visit(Candidate{PopupControl::OptionLanguages, controls.option[1]});
    visit(Candidate{PopupControl::TopBar, controls.topBar});
    visit(Candidate{PopupControl::TopList, controls.topList});
    visit(Candidate{PopupControl::CharactersBar, controls.charactersBar});
    visit(Candidate{PopupControl::CharacterList, controls.characterList});
}

}  // namespace

ControlHit HitTestPopup(int mode, int lastRow, int xTwips, int yTwips) {
    ControlHit hit;
    ForEachControl(mode, lastRow, [&](const Candidate& candidate) {
        if (hit.control != PopupControl::None || !Inside(candidate.box, xTwips, yTwips)) return;
        hit = ControlHit{candidate.control, xTwips - candidate.box.left, yTwips - candidate.box.top};
    });
    return hit;
}

TwipsBox ControlBox(int mode, int lastRow, PopupControl control) {
    TwipsBox found;
    ForEachControl(mode, lastRow, [&](const Candidate& candidate) {
        if (candidate.control == control) found = candidate.box;
    });
    return found;
}

void PopupMouse::onMessage(PopupControl control, std::uint32_t message, int buttons, int xTwips,
                           int yTwips) {
    switch (message) {
        case mouse_message::kLeftDown:
        case mouse_message::kRightDown:
        case mouse_message::kMiddleDown: mouseDown(control, buttons, xTwips, yTwips); break;
        case mouse_message::kLeftDoubleClick: doubleClick(control); break;
        case mouse_message::kMove: mouseMove(control, buttons, xTwips, yTwips); break;
        default: break;
    }
}

void PopupMouse::onWindowMessage(std::uint32_t message, int buttons, int xPixels, int yPixels) {
    const PopupBounds& bounds = popup_.bounds();
    const ControlHit hit = HitTestPopup(popup_.mode(), popup_.lastRow(), platform::PointerTwips(xPixels, bounds.dpi),
                                        platform::PointerTwips(yPixels, bounds.dpi));
    onMessage(hit.control, message, buttons, hit.xTwips, hit.yTwips);
}

void PopupMouse::mouseDown(PopupControl control, int buttons, int xTwips, int yTwips) {
    const bool keyPopup = popup_.mode() == 1;
    switch (control) {
        case PopupControl::Rows: if (keyPopup) rowsMouseDown(yTwips); break;
        case PopupControl::ArrowUp: if (keyPopup) arrowMouseDown(0); break;
        case PopupControl::ArrowDown: if (keyPopup) arrowMouseDown(1); break;
        case PopupControl::CaseLower: caseLabelMouseDown(0); break;
        case PopupControl::CaseUpper: caseLabelMouseDown(1); break;
        default: break;
    }
    if (keyPopup || screen_ == nullptr) return;
    switch (control) {
        case PopupControl::OptionTypes: screen_->optionMouseDown(0); break;
        case PopupControl::OptionLanguages: screen_->optionMouseDown(1); break;
        case PopupControl::CharacterList: screen_->charactersListMouseDown(yTwips); break;
        case PopupControl::TopList: screen_->topListMouseDown(yTwips); break;
        case PopupControl::CharactersBar: screen_->charactersBarMouseMove(buttons, 0, xTwips, yTwips); break;
        case PopupControl::TopBar: screen_->topBarMouseMove(buttons, 0, xTwips, yTwips); break;
        default: break;
    }
}

void PopupMouse::doubleClick(PopupControl control) {
    if (control == PopupControl::Rows && popup_.mode() == 1) rowsDoubleClick();
    if (control == PopupControl::CharacterList && popup_.mode() == 2) charactersListDoubleClick();
}

void PopupMouse::mouseMove(PopupControl control, int buttons, int xTwips, int yTwips) {
    if (popup_.mode() != 2 || screen_ == nullptr) return;
    if (control == PopupControl::CharactersBar) screen_->charactersBarMouseMove(buttons, 0, xTwips, yTwips);
    if (control == PopupControl::TopBar) screen_->topBarMouseMove(buttons, 0, xTwips, yTwips);
}

void PopupMouse::rowsMouseDown(int yTwips) {
    popup_.selectRow(popup_.topRow() + yTwips / kRowHeightTwips);
}

void PopupMouse::rowsDoubleClick() { typeSelected(); }

// The down arrow shows the next candidate and keeps the selection in view (selecting the
// first visible one when nothing was selected); the up arrow the reverse.
void PopupMouse::arrowMouseDown(int index) {
    if (index == 1) {
        if (!popup_.downArrowActive()) return;
        popup_.setTopRow(popup_.topRow() + 1);
        const int selected = popup_.selected() < popup_.topRow() ? popup_.topRow() : popup_.selected();
        popup_.selectRow(selected);
    } else {
        if (!popup_.upArrowActive()) return;
        popup_.setTopRow(popup_.topRow() - 1);
        const int selected =
            popup_.selected() - popup_.topRow() > kMaxRows - 1 ? popup_.topRow() + kMaxRows - 1 : popup_.selected();
        popup_.selectRow(selected);
    }
}

void PopupMouse::caseLabelMouseDown(int index) { popup_.selectCase(index); }

// The press before the double click gave the characters list the keys.
void PopupMouse::charactersListDoubleClick() { typeSelected(); }

void PopupMouse::typeSelected() {
    int enter = vk::kReturn;
    popup_.onPopupKey(enter, 0);
}

}  // namespace kz
