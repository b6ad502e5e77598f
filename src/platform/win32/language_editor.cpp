#include "platform/win32/language_editor.h"

#include <memory>

#include "charset/character_file.h"
#include "editor/editor_model.h"
#include "platform/file_bytes.h"
#include "platform/win32/edit_language_window.h"
#include "platform/win32/keyboard.h"

namespace kz::win32 {

std::string Win32LanguageEditor::addLanguage() { return run(nullptr); }

std::string Win32LanguageEditor::editLanguage(std::string_view name) {
    const std::string loaded(name);
    return run(&loaded);
}

std::string Win32LanguageEditor::run(const std::string* name) {
    // Read afresh at each opening, like the type list, so the editor shows the data files
    // as they are now.
    const std::string& folder = links_.applicationFolder;
    auto characters = std::make_unique<CharacterTable>();
    LoadCharacterTable(*characters, folder, links_.codePage);
    const Win32Keyboard keyboard;

    EditLanguageWindow window(EditLanguageWindowSetup{.instance = links_.instance,
                                                      .fonts = links_.fonts,
                                                      .owner = links_.owner ? links_.owner() : nullptr,
                                                      .characters = characters.get(),
                                                      .displayUnicodeSymbol = links_.settings.displayUnicodeSymbol});
    editor::EditorModel model(editor::EditorLinks{.store = links_.store,
                                                    .codePage = links_.codePage,
                                                    .characters = *characters,
                                                    .folder = folder,
                                                    .layoutName = keyboard.layoutName(),
                                                    .messages = messages_,
                                                    .view = window});
    if (name != nullptr) model.LoadLanguage(*name, true);
    window.attach(model);
    window.runModal();
    return model.editedLanguageName();
}

}  // namespace kz::win32
