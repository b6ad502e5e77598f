#pragma once
// The Options dialog's logic: the values of its controls, opening and closing (the hooks
// are off while it is open), the change handlers that enable Apply, the trigger rule, and
// saving, which writes the store and updates the running settings at once.
// The window that shows it (OptionsView) sets the controls from this model after every
// handler and reports the user's actions to the handlers below.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "options/languages_page.h"
#include "options/options_links.h"
#include "platform/hooks.h"
#include "platform/message_box.h"
#include "settings/running_settings.h"
#include "settings/settings_store.h"

namespace kz::options {

enum class OptionsTab { None = -1, General = 0, Languages = 1, Advanced = 2 };

// The six check boxes, one per setting; their values number the boxes' control ids.
enum class CheckBox { AutoStart = 1, DisableOtherKeys, ShowNumbers, RememberState, AutoInsert, DisplayUnicodeSymbol };

// The labels that stand beside the check boxes; a click flips the box beside them.
enum class CheckLabel { AutoStart, ShowNumbers, RememberState, DisplayUnicodeSymbol, AutoInsert, DisableOtherKeys };
CheckBox BoxBesideLabel(CheckLabel label);

// Indexes of the OK, Cancel and Apply buttons.
inline constexpr int kOkButton = 0;
inline constexpr int kCancelButton = 1;
inline constexpr int kApplyButton = 2;

struct OptionsDialogLinks {
    SettingsStore& store;
    RunningSettings& running;
    platform::Hooks& hooks;
    platform::MessageBoxes& messageBoxes;
    RunningProgram& program;
    OptionsView& view;
    DataFolder dataFolder;  // also gives the code page of the key-code notation
    LanguageEditor& editor;
};

class OptionsDialog final : private ApplyButton {
public:
    explicit OptionsDialog(OptionsDialogLinks links);
    // The language page keeps a reference to the dialog's Apply button.
    OptionsDialog(const OptionsDialog&) = delete;
    OptionsDialog& operator=(const OptionsDialog&) = delete;

    // What the controls show.
    bool isOpen() const { return open_; }
    OptionsTab selectedTab() const { return tab_; }
    bool checked(CheckBox box) const { return checks_[Slot(box)]; }
    // Only automatic insertion (and its label) is ever disabled: by a function-key trigger.
    bool enabled(CheckBox box) const { return box != CheckBox::AutoInsert || autoInsertEnabled_; }
    int triggerIndex() const { return trigger_; }
    const std::string& disableKeysText() const { return disableKeys_; }
    bool applyEnabled() const { return applyEnabled_; }
    LanguagesPage& languagesPage() { return languages_; }
    const LanguagesPage& languagesPage() const { return languages_; }
    // The help topic of the selected tab, below the help file's "html\" folder.
    std::string_view helpTopic() const;

    // Opens the dialog, or reloads every control and selects General when it is open.
    void open();
    // Hides the dialog and turns interception back on. The close box, OK and Cancel end
    // here; the program's own shutdown does not.
    void closeDialog();
    // Writes every setting of the dialog and applies it to the running program. A
    // machine-wide setting that the store refuses is reported; its control and its
    // running value then take the stored value again.
    void savesettings(int buttonIndex);

    // The user's actions.
    void selectTab(OptionsTab tab) { tab_ = tab; }
    void boxClicked(CheckBox box, bool checked);
    void labelClicked(CheckLabel label);
    void selectTrigger(int index);
    void disableKeysChanged(std::string_view text);
    void pressButton(int index);
    void pressHelp();
    void closeBoxClicked() { pressButton(kCancelButton); }

private:
    static std::size_t Slot(CheckBox box) { return static_cast<std::size_t>(box) - 1; }

    void enableApply() override { applyEnabled_ = true; }
    void pressApply() override { pressButton(kApplyButton); }
    bool dialogOpen() const override { return open_ && !links_.program.programEnding(); }

    void loadControls();
    void setCheck(CheckBox box, bool checked);
    std::vector<std::string_view> saveAdvancedPage();

    OptionsDialogLinks links_;
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
