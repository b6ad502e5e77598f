#pragma once
// The language editor as the Options dialog opens it ("Add Language", "Edit Language"):
// each call loads a fresh editor window and model, shows it modally over the dialog and
// returns the name under which it saved a language (empty when it saved nothing).
#include <windows.h>

#include <functional>

#include "options/options_links.h"
#include "platform/code_page.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/message_box.h"
#include "settings/running_settings.h"
#include "settings/settings_store.h"

namespace kz::win32 {

struct LanguageEditorLinks {
    HINSTANCE instance = nullptr;
    FontCache& fonts;  // the run's fonts, shared by every window of the program
    SettingsStore& store;
    const platform::CodePage& codePage;
    std::string applicationFolder;  // UTF-8, with the data files
    const RunningSettings& settings;
    std::function<HWND()> owner;  // the Options dialog's window, the editor's owner
};

class Win32LanguageEditor final : public options::LanguageEditor {
public:
    explicit Win32LanguageEditor(LanguageEditorLinks links) : links_(std::move(links)) {}

    std::string addLanguage() override;
    std::string editLanguage(std::string_view name) override;

private:
    std::string run(const std::string* name);

    LanguageEditorLinks links_;
    SystemMessageBoxes messages_;
};

}  // namespace kz::win32
