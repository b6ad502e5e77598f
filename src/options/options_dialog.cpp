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
    case CheckLabel::AutoStart: return CheckBox::AutoStart;
    case CheckLabel::ShowNumbers: return CheckBox::ShowNumbers;
    case CheckLabel::RememberState: return CheckBox::RememberState;
    case CheckLabel::DisplayUnicodeSymbol: return CheckBox::DisplayUnicodeSymbol;
    case CheckLabel::AutoInsert: return CheckBox::AutoInsert;
    case CheckLabel::DisableOtherKeys: return CheckBox::DisableOtherKeys;
    }
    return CheckBox::AutoStart;
}

OptionsDialog::OptionsDialog(OptionsDialogLinks links)
    : links_(links),
      languages_({links_.store, links_.dataFolder, links_.messageBoxes, links_.editor, links_.view, *this}) {}

std::string_view OptionsDialog::helpTopic() const {
    switch (tab_) {
    case OptionsTab::General: return "options\\general.htm";
    case OptionsTab::Languages: return "options\\languages.htm";
    case OptionsTab::Advanced: return "options\\advanced.htm";
    case OptionsTab::None: break;
    }
    return "intro.htm";
}

void OptionsDialog::open() {
    links_.program.setOptionsOpen(true);
    // Nothing typed into the dialog may be intercepted.
    links_.program.savePopupState();
    links_.hooks.removeMouseHook();
    links_.hooks.removeKeyboardHook();

    tab_ = OptionsTab::General;
    languages_.reloadLanguagesList(false);
    loadControls();
    applyEnabled_ = false;  // loading raised the change handlers

    links_.view.showDialog();
    open_ = true;
}

void OptionsDialog::closeDialog() {
    open_ = false;
    links_.program.closeOptions();
}

void OptionsDialog::savesettings(int buttonIndex) {
    using namespace settings;
    Write(links_.store, kLanguages, FormatLanguageOrder(languages_.rows()));
    links_.program.rebuildKeyTable();

    WriteFlag(links_.store, kAutoStart, checked(CheckBox::AutoStart));

    Write(links_.store, kTrigger, std::to_string(trigger_));
    links_.running.trigger = static_cast<std::int16_t>(trigger_);
    links_.program.clearRecentFunctionKey();

    const std::vector<std::string_view> refused = saveAdvancedPage();
    WriteFlag(links_.store, kShowNumbers, checked(CheckBox::ShowNumbers));
    links_.running.showNumbers = checked(CheckBox::ShowNumbers);
    WriteFlag(links_.store, kRememberState, checked(CheckBox::RememberState));
    links_.running.rememberState = checked(CheckBox::RememberState);
    WriteFlag(links_.store, kAutoInsert, checked(CheckBox::AutoInsert));
    links_.running.autoInsert = checked(CheckBox::AutoInsert);
    WriteFlag(links_.store, kDisplayUnicodeSymbol, checked(CheckBox::DisplayUnicodeSymbol));
    links_.running.displayUnicodeSymbol = checked(CheckBox::DisplayUnicodeSymbol);

    if (buttonIndex == kApplyButton) applyEnabled_ = false;
    if (!refused.empty()) {
        links_.messageBoxes.inform(links_.view.dialogWindow(), kProgramTitle, SettingsRefusedMessage(refused));
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
    if (!WriteAndReadBack(links_.store, kDisableKeys, disableKeys_)) {
        disableKeys_ = Read(links_.store, kDisableKeys);
        refused.push_back(kDisableKeysName);
    }
    links_.running.disableKeys = ExpandKeyCodes(disableKeys_, links_.dataFolder.codePage);

    if (!WriteAndReadBack(links_.store, kDisableOtherKeys, checked(CheckBox::DisableOtherKeys) ? kYes : kNo)) {
        checks_[Slot(CheckBox::DisableOtherKeys)] = ReadFlag(links_.store, kDisableOtherKeys);
        refused.push_back(kDisableOtherKeysName);
    }
    links_.running.disableOtherKeys = checked(CheckBox::DisableOtherKeys);
    return refused;
}

void OptionsDialog::boxClicked(CheckBox box, bool value) {
    if (!enabled(box)) return;
    setCheck(box, value);
}

void OptionsDialog::labelClicked(CheckLabel label) {
    const CheckBox box = BoxBesideLabel(label);
    if (!enabled(box)) return;  // a greyed label takes no clicks
    setCheck(box, !checked(box));
}

void OptionsDialog::selectTrigger(int index) {
    if (index < 0 || index > kLastTrigger) return;
    trigger_ = index;
    enableApply();
    autoInsertEnabled_ = AllowsAutoInsert(index);
}

void OptionsDialog::disableKeysChanged(std::string_view text) {
    disableKeys_ = std::string(text);
    enableApply();
}

void OptionsDialog::pressButton(int index) {
    if (index == kOkButton || (index == kApplyButton && applyEnabled_)) savesettings(index);
    if (index == kOkButton || index == kCancelButton) closeDialog();
}

void OptionsDialog::pressHelp() { links_.program.showHelp(helpTopic()); }

void OptionsDialog::loadControls() {
    using namespace settings;
    // Each value goes through its control's change handler, as when the user sets it, so
    // the trigger rule follows the loaded trigger.
    setCheck(CheckBox::AutoStart, ReadFlag(links_.store, kAutoStart));
    selectTrigger(TriggerIndexOf(Read(links_.store, kTrigger)));
    disableKeysChanged(Read(links_.store, kDisableKeys));
    setCheck(CheckBox::DisableOtherKeys, ReadFlag(links_.store, kDisableOtherKeys));
    setCheck(CheckBox::ShowNumbers, ReadFlag(links_.store, kShowNumbers));
    setCheck(CheckBox::RememberState, ReadFlag(links_.store, kRememberState));
    setCheck(CheckBox::AutoInsert, ReadFlag(links_.store, kAutoInsert));
    setCheck(CheckBox::DisplayUnicodeSymbol, ReadFlag(links_.store, kDisplayUnicodeSymbol));
}

void OptionsDialog::setCheck(CheckBox box, bool value) {
    checks_[Slot(box)] = value;
    enableApply();
}

}  // namespace kz::options
