#pragma once
// The Options dialog's logic: the values of its controls, opening and closing (the hooks
// are off while it is open), the change handlers that enable Apply, the trigger rule, and
// `savesettings`, which writes the store and updates the running settings at once.
// The window that shows it (OptionsView) sets the controls from this model after every
// handler and reports the user's actions to the handlers below.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "options/languages_page.h"
#include "options/options_seams.h"
#include "platform/hooks.h"
#include "platform/message_box.h"
#include "settings/running_settings.h"
#include "settings/settings_store.h"

namespace kz::options {

enum class OptionsTab { None = -1, General = 0, Languages = 1, Advanced = 2 };

// The six check boxes: AutoStart, DisableOtherKeys, ShowNumbers, RememberState,
// AutoInsert, DisplayUnicodeSymbol.
enum class CheckBox { Check1 = 1, Check2, Check3, Check4, Check5, Check6 };

// The labels that stand beside the check boxes; a click flips the box beside them.
enum class CheckLabel { Label2, Label15, Label16, Label18, Label17, Label14 };
CheckBox BoxBesideLabel(CheckLabel label);

// Indexes of the `cmd` buttons.
inline constexpr int kOkButton = 0;
inline constexpr int kCancelButton = 1;
inline constexpr int kApplyButton = 2;

struct OptionsDialogServices {
    SettingsStore& store;
    RunningSettings& running;
    platform::Hooks& hooks;
    platform::MessageBoxes& messageBoxes;
    OptionsHost& host;
    OptionsView& view;
    DataFolder dataFolder;  // also gives the code page of the key-code notation
    LanguageEditor& editor;
};

class OptionsDialog final : private ApplyButton {
public:
    explicit OptionsDialog(OptionsDialogServices services);
    // The language page keeps a reference to the dialog's Apply button.
    OptionsDialog(const OptionsDialog&) = delete;
    OptionsDialog& operator=(const OptionsDialog&) = delete;

    // What the controls show.
    bool isOpen() const { return open_; }
    OptionsTab selectedTab() const { return tab_; }
    bool checked(CheckBox box) const { return checks_[Slot(box)]; }
    // Only automatic insertion (and its label) is ever disabled: by a function-key trigger.
    bool enabled(CheckBox box) const { return box != CheckBox::Check5 || autoInsertEnabled_; }
    int triggerIndex() const { return trigger_; }
    const std::string& disableKeysText() const { return disableKeys_; }
    bool applyEnabled() const { return applyEnabled_; }
    LanguagesPage& languagesPage() { return languages_; }
    const LanguagesPage& languagesPage() const { return languages_; }
    // The help topic of the selected tab, below the help file's "html\" folder.
    std::string_view helpTopic() const;

    // Opens the dialog, or reloads every control and selects General when it is open.
    void menu_options_Click();
    // Hides the dialog and turns interception back on. The close box, OK and Cancel end
    // here; the program's own shutdown does not.
    void closeDialog();
    // Writes every setting of the dialog and applies it to the running program. A
    // machine-wide setting that the store refuses is reported; its control and its
    // running value then take the stored value again.
    void savesettings(int buttonIndex);

    // The user's actions.
    void TabStrip1_Click(OptionsTab tab) { tab_ = tab; }
    void Check_Click(CheckBox box, bool checked);
    void Label_Click(CheckLabel label);
    void Combo1_Click(int index);
    void Text5_Change(std::string_view text);
    void cmd_Click(int index);
    void Command3_Click();
    void closeBoxClicked() { cmd_Click(kCancelButton); }

private:
    static std::size_t Slot(CheckBox box) { return static_cast<std::size_t>(box) - 1; }

    void enableApply() override { applyEnabled_ = true; }
    void pressApply() override { cmd_Click(kApplyButton); }
    bool dialogOpen() const override { return open_ && !s_.host.programEnding(); }

    void loadControls();
    void setCheck(CheckBox box, bool checked);
    std::vector<std::string_view> saveAdvancedPage();

    OptionsDialogServices s_;
    LanguagesPage languages_;
    bool open_ = false;
    OptionsTab tab_ = OptionsTab::General;
    std::array<bool, 6> checks_{};
    int trigger_ = 0;
    std::string disableKeys_;
    bool autoInsertEnabled_ = true;
    bool applyEnabled_ = false;
};

}  // namespace kz::options
