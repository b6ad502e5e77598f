#include "options/options_dialog.h"

#include "charset/key_codes.h"
#include "options/language_order.h"
#include "options/options_texts.h"
#include "settings/setting_access.h"
#include "settings/trigger.h"

namespace kz::options {
namespace {

constexpr int kLastTrigger = static_cast<int>(kTriggerEntries.size()) - 1;

// Alt Gr and Ctrl + Alt are held while the letter is pressed; a function-key trigger is
// tapped first, so a single character would be typed without the user seeing a choice.
bool AllowsAutoInsert(int trigger) { return trigger == 0 || trigger == 1; }

// True when the store kept what was written.
bool WriteAndReadBack(SettingsStore& store, const settings::Setting& setting, std::string_view text) {
    settings::Write(store, setting, text);
    return settings::Read(store, setting) == text;
}

// A `Trigger` that is no number, or a number with no entry, shows the first entry.
int TriggerIndexOf(std::string_view stored) {
    const int value = ParseTrigger(stored);
    return value >= 0 && value <= kLastTrigger ? value : 0;
}

}  // namespace

CheckBox BoxBesideLabel(CheckLabel label) {
    switch (label) {
    case CheckLabel::Label2: return CheckBox::Check1;
    case CheckLabel::Label15: return CheckBox::Check3;
    case CheckLabel::Label16: return CheckBox::Check4;
    case CheckLabel::Label18: return CheckBox::Check6;
    case CheckLabel::Label17: return CheckBox::Check5;
    case CheckLabel::Label14: return CheckBox::Check2;
    }
    return CheckBox::Check1;
}

OptionsDialog::OptionsDialog(OptionsDialogServices services)
    : s_(services),
      languages_({s_.store, s_.dataFolder, s_.messageBoxes, s_.editor, s_.view, *this}) {}

std::string_view OptionsDialog::helpTopic() const {
    switch (tab_) {
    case OptionsTab::General: return "options\\general.htm";
    case OptionsTab::Languages: return "options\\languages.htm";
    case OptionsTab::Advanced: return "options\\advanced.htm";
    case OptionsTab::None: break;
    }
    return "intro.htm";
}

void OptionsDialog::menu_options_Click() {
    s_.host.setOptionsOpen(true);
    // Nothing typed into the dialog may be intercepted.
    s_.host.savePopupState();
    s_.hooks.removeMouseHook();
    s_.hooks.removeKeyboardHook();

    tab_ = OptionsTab::General;
    languages_.reloadLanguagesList(false);
    loadControls();
    applyEnabled_ = false;  // loading raised the change handlers

    s_.view.showDialog();
    open_ = true;
}

void OptionsDialog::closeDialog() {
    open_ = false;
    s_.host.closeOptions();
}

void OptionsDialog::savesettings(int buttonIndex) {
    using namespace settings;
    Write(s_.store, kLanguages, FormatLanguageOrder(languages_.rows()));
    s_.host.rebuildKeyTable();

    WriteFlag(s_.store, kAutoStart, checked(CheckBox::Check1));

    Write(s_.store, kTrigger, std::to_string(trigger_));
    s_.running.trigger = static_cast<std::int16_t>(trigger_);
    s_.host.clearRecentFunctionKey();

    const std::vector<std::string_view> refused = saveAdvancedPage();
    WriteFlag(s_.store, kShowNumbers, checked(CheckBox::Check3));
    s_.running.showNumbers = checked(CheckBox::Check3);
    WriteFlag(s_.store, kRememberState, checked(CheckBox::Check4));
    s_.running.rememberState = checked(CheckBox::Check4);
    WriteFlag(s_.store, kAutoInsert, checked(CheckBox::Check5));
    s_.running.autoInsert = checked(CheckBox::Check5);
    WriteFlag(s_.store, kDisplayUnicodeSymbol, checked(CheckBox::Check6));
    s_.running.displayUnicodeSymbol = checked(CheckBox::Check6);

    if (buttonIndex == kApplyButton) applyEnabled_ = false;
    if (!refused.empty()) {
        s_.messageBoxes.inform(s_.view.dialogWindow(), kProgramTitle, SettingsRefusedMessage(refused));
    }
}

// Both settings are machine-wide, which a standard user may not change; Windows may drop
// such a write without an error, so each is read back. A refused one is reported, and its
// control and running value go back to what is stored, so that neither pretends to a
// change that the next start would not see. Returns the names of the refused settings.
std::vector<std::string_view> OptionsDialog::saveAdvancedPage() {
    using namespace settings;
    std::vector<std::string_view> refused;
    // Stored as typed; the running copy has the key-code notation expanded.
    if (!WriteAndReadBack(s_.store, kDisableKeys, disableKeys_)) {
        disableKeys_ = Read(s_.store, kDisableKeys);
        refused.push_back(kDisableKeysName);
    }
    s_.running.disableKeys = ExpandKeyCodes(disableKeys_, s_.dataFolder.codePage);

    if (!WriteAndReadBack(s_.store, kDisableOtherKeys, checked(CheckBox::Check2) ? kYes : kNo)) {
        checks_[Slot(CheckBox::Check2)] = ReadFlag(s_.store, kDisableOtherKeys);
        refused.push_back(kDisableOtherKeysName);
    }
    s_.running.disableOtherKeys = checked(CheckBox::Check2);
    return refused;
}

void OptionsDialog::Check_Click(CheckBox box, bool value) {
    if (!enabled(box)) return;
    setCheck(box, value);
}

void OptionsDialog::Label_Click(CheckLabel label) {
    const CheckBox box = BoxBesideLabel(label);
    if (!enabled(box)) return;  // a greyed label takes no clicks
    setCheck(box, !checked(box));
}

void OptionsDialog::Combo1_Click(int index) {
    if (index < 0 || index > kLastTrigger) return;
    trigger_ = index;
    enableApply();
    autoInsertEnabled_ = AllowsAutoInsert(index);
}

void OptionsDialog::Text5_Change(std::string_view text) {
    disableKeys_ = std::string(text);
    enableApply();
}

void OptionsDialog::cmd_Click(int index) {
    if (index == kOkButton || (index == kApplyButton && applyEnabled_)) savesettings(index);
    if (index == kOkButton || index == kCancelButton) closeDialog();
}

void OptionsDialog::Command3_Click() { s_.host.showHelp(helpTopic()); }

void OptionsDialog::loadControls() {
    using namespace settings;
    // Each value goes through its control's change handler, as when the user sets it, so
    // the trigger rule follows the loaded trigger.
    setCheck(CheckBox::Check1, ReadFlag(s_.store, kAutoStart));
    Combo1_Click(TriggerIndexOf(Read(s_.store, kTrigger)));
    Text5_Change(Read(s_.store, kDisableKeys));
    setCheck(CheckBox::Check2, ReadFlag(s_.store, kDisableOtherKeys));
    setCheck(CheckBox::Check3, ReadFlag(s_.store, kShowNumbers));
    setCheck(CheckBox::Check4, ReadFlag(s_.store, kRememberState));
    setCheck(CheckBox::Check5, ReadFlag(s_.store, kAutoInsert));
    setCheck(CheckBox::Check6, ReadFlag(s_.store, kDisplayUnicodeSymbol));
}

void OptionsDialog::setCheck(CheckBox box, bool value) {
    checks_[Slot(box)] = value;
    enableApply();
}

}  // namespace kz::options
