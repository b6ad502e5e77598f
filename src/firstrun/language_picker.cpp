#include "firstrun/language_picker.h"

#include "firstrun/installer_languages.h"
#include "options/language_order.h"
#include "options/options_texts.h"
#include "settings/setting_access.h"

namespace kz::firstrun {
namespace {

constexpr std::string_view kNotSaved =
    "Your choice of languages could not be saved: Windows did not allow this user account "
    "to change its settings (HKEY_CURRENT_USER\\Software\\Kelvra\\Zavora).\r\n\r\n"
    "Click Next to try again, or close this page to go on with the usual languages. You can "
    "choose your languages at any time in Kelvra Zavora Options.";

}  // namespace

LanguagePicker::LanguagePicker(LanguagePickerLinks links)
    : links_(links),
      wizard_(links.windows.find(kWizardClass, kPickerCaption)),
      list_({.store = links.store,
             .dataFolder = links.dataFolder,
             .messageBoxes = links.messageBoxes,
             .editor = noEditor_,
             .view = links.view,
             .apply = noApply_}) {}

std::optional<platform::Point> LanguagePicker::wizardTopLeft() const {
    const std::optional<platform::Rect> rect = links_.windows.screenRect(wizard_);
    if (!rect) return std::nullopt;
    return platform::Point{rect->left, rect->top};
}

void LanguagePicker::shown() { links_.windows.setVisible(wizard_, false); }

bool LanguagePicker::finish(platform::WindowHandle owner) {
    const std::string order = options::FormatLanguageOrder(list_.rows());
    const settings::Setting& languages = settings::kLanguages;
    settings::Write(links_.store, languages, order);
    // Only what reads back counts as saved. The value itself is read, not the setting with
    // its default, so that a refused empty order does not pass for a saved one.
    const auto stored = links_.store.registry().query(languages.scope, SettingsStore::keyPath(languages.section),
                                                  languages.name);
    if (!stored || stored->type != platform::ValueType::String || stored->text != order) {
        links_.messageBoxes.inform(owner, options::kProgramTitle, kNotSaved);
        return false;
    }
    KeepInstallerLanguages(links_.store, order);
    return true;
}

void LanguagePicker::unload() { links_.windows.setVisible(wizard_, true); }

}  // namespace kz::firstrun
