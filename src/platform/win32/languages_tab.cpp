#include "platform/win32/languages_tab.h"

namespace kz::win32 {
namespace {

using options::MoveCommand;

constexpr int kResetId = 601;
constexpr int kAddId = 602;
constexpr int kEditId = 603;
constexpr int kDeleteId = 604;
constexpr int kMoveId = 610;  // + the index of the move button
constexpr int MoveId(MoveCommand command) { return kMoveId + static_cast<int>(command); }

constexpr TwipsBox kListBox{120, 840, 3735, 4695};
constexpr int kButtonLeft = 3960;
constexpr int kButtonWidth = 1575;
constexpr int kButtonHeight = 495;

}  // namespace

LanguagesTab::LanguagesTab(HWND dialog, FontCache& fonts, options::OptionsDialog& model,
                           std::function<void()> edited)
    : model_(model), edited_(std::move(edited)), page_(dialog, fonts, *this) {
    page_.add({.text = L"Select the languages that you wish to use.", .box = {120, 120, 5415, 255},
               .id = -1});
    page_.add({.text = L"You can change the order of the languages, this changes the order the "
                       L"characters appear in.  To do this use the Move Up and Move Down buttons.",
               .box = {120, 360, 5415, 495}, .id = -1, .fitText = true});
    // Made after the labels, so that the tab order runs down the page.
    list_.emplace(page_.hwnd(), page_.controls(), kListBox, model.languagesPage(), edited_);
    const auto button = [this](const wchar_t* caption, int top, int id) {
        return page_.add({.windowClass = L"BUTTON", .text = caption, .style = BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP,
                          .box = {kButtonLeft, top, kButtonWidth, kButtonHeight}, .id = id});
    };
    button(L"Restore Default Settings", 840, kResetId);
    button(L"Add Language", 1590, kAddId);
    edit_ = button(L"Edit Language", 2130, kEditId);
    delete_ = button(L"Delete Language", 2670, kDeleteId);
    button(L"Move to Top", 3420, MoveId(MoveCommand::Top));
    button(L"Move Up", 3960, MoveId(MoveCommand::Up));
    button(L"Move Down", 4500, MoveId(MoveCommand::Down));
    button(L"Move to Bottom", 5040, MoveId(MoveCommand::Bottom));
}

void LanguagesTab::sync() {
    const options::LanguagesPage& languages = model_.languagesPage();
    // A button that loses its use while it has the focus would leave the focus nowhere.
    for (auto [button, on] : {std::pair{edit_, languages.editEnabled()},
                              std::pair{delete_, languages.deleteEnabled()}}) {
        if (!on && GetFocus() == button) list_->focus();
        EnableWindow(button, on);
    }
}

void LanguagesTab::onCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    options::LanguagesPage& languages = model_.languagesPage();
    switch (id) {
    case kResetId: languages.resetToDefault(); break;
    case kAddId: languages.addLanguage(); break;
    case kEditId: languages.editLanguage(); break;
    case kDeleteId: languages.deleteLanguage(); break;
    default:
        if (id < kMoveId || id > MoveId(MoveCommand::Bottom)) return;
        languages.pressMove(static_cast<MoveCommand>(id - kMoveId));
        break;
    }
    edited_();
}

LRESULT LanguagesTab::onNotify(const NMHDR& header) { return list_->onNotify(header); }

}  // namespace kz::win32
