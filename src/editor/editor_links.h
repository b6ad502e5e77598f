#pragma once
// What the language editor's model needs from the program and from the window that shows
// it. The Win32 window implements EditorView; tests use a recording fake.
#include <string>

#include "charset/character_table.h"
#include "platform/code_page.h"
#include "platform/handles.h"
#include "platform/message_box.h"
#include "settings/settings_store.h"

namespace kz::editor {

enum class ListSide { Left, Right };

// The window's side of the model. Focus changes may fail (the window is not shown yet
// while it loads) and are then ignored by the window.
class EditorView {
public:
    virtual ~EditorView() = default;
    // The editor window: the owner of its message boxes.
    virtual platform::WindowHandle window() const = 0;
    virtual void focusNameBox() = 0;
    virtual void focusList(ListSide side) = 0;
};

struct EditorLinks {
    SettingsStore& store;                // the user languages are written here
    const platform::CodePage& codePage;  // the system ANSI code page
    const CharacterTable& characters;    // the process's character table, already loaded
    std::string folder;                  // the application folder with the data files (UTF-8)
    std::string layoutName;              // the active keyboard layout, e.g. "00000409"
    platform::MessageBoxes& messages;
    EditorView& view;
};

}  // namespace kz::editor
