#pragma once
// The first-run language picker: the one page the program shows during installation, on
// which the user ticks the languages to use and puts them in order. It lies over the
// installer's wizard window, which is hidden meanwhile, so that it reads as a page of the
// installer. "Next >" writes the choice to `Languages`; closing the window writes
// nothing. Either way the wizard comes back and the process ends.
//
// The list, its check boxes, its selection and its four moves are the Options dialog's
// language list; the picker adds no rule of its own to them.
#include <optional>
#include <string>
#include <string_view>

#include "options/languages_page.h"
#include "platform/canvas.h"
#include "platform/message_box.h"
#include "platform/other_windows.h"
#include "settings/settings_store.h"

namespace kz::firstrun {

// The installer's wizard window; the picker's own window bears the same caption.
inline constexpr std::string_view kWizardClass = "#32770";
inline constexpr std::string_view kPickerCaption = "Setup - Kelvra Zavora";

struct LanguagePickerLinks {
    SettingsStore& store;
    options::DataFolder dataFolder;
    platform::MessageBoxes& messageBoxes;
    platform::OtherWindows& windows;
    options::LanguageListView& view;
};

class LanguagePicker {
public:
    // Looks for the wizard at once: after the picker's own window exists, a look-up by
    // caption could find that window instead.
    explicit LanguagePicker(LanguagePickerLinks links);
    LanguagePicker(const LanguagePicker&) = delete;
    LanguagePicker& operator=(const LanguagePicker&) = delete;

    // Where the picker's window goes: the wizard's top left corner in screen pixels; none
    // when the program was started with "/setup" by hand.
    std::optional<platform::Point> wizardTopLeft() const;

    // Every language in the stored order (the shipped one when there is none), the used
    // ones ticked, the first row selected.
    void loadList() { list_.reloadLanguagesList(false); }
    options::LanguagesPage& list() { return list_; }

    // The picker's window is up: the wizard goes out of sight.
    void shown();
    // "Next >": writes the rows as `Languages`. True when the picker may close; when the
    // setting did not land the user is told (in a box owned by `owner`) and the picker
    // stays, with the choice still on screen.
    bool finish(platform::WindowHandle owner);
    // The picker's window closes, after "Next >" or by its close box: the wizard comes back.
    void unload();

private:
    // The picker has neither the language editor nor an Apply button: the list it shares
    // with the Options dialog calls them only from commands the picker does not offer.
    class NoEditor final : public options::LanguageEditor {
        std::string addLanguage() override { return {}; }
        std::string editLanguage(std::string_view) override { return {}; }
    };
    class NoApplyButton final : public options::ApplyButton {
        void enableApply() override {}
        void pressApply() override {}
        bool dialogOpen() const override { return true; }  // for as long as the picker is up
    };

    LanguagePickerLinks links_;
    platform::WindowHandle wizard_ = 0;
    NoEditor noEditor_;
    NoApplyButton noApply_;
    options::LanguagesPage list_;
};

}  // namespace kz::firstrun
