#pragma once
// The window captioned "Edit Language": the language editor's window on Windows,
// modal over the Options dialog. Its controls are real ones where the window has them
// (labels, the type list, the name box, push buttons, scroll bars); the on-screen
// keyboard and the two character lists have their own files. Every user action runs the
// model's handler of the same name and then shows the model again. Lengths are twips,
// converted at the DPI of the window's monitor and again on WM_DPICHANGED.
#include <windows.h>

#include <memory>
#include <optional>

#include "charset/character_table.h"
#include "editor/editor_model.h"
#include "editor/editor_links.h"
#include "platform/win32/control_layout.h"
#include "platform/win32/editor_char_list.h"
#include "platform/win32/editor_keyboard_buttons.h"
#include "platform/win32/font_cache.h"

namespace kz::win32 {

struct EditLanguageWindowSetup {
    HINSTANCE instance = nullptr;
    FontCache& fonts;  // the run's fonts, shared by every window of the program
    HWND owner = nullptr;  // the Options dialog: disabled while the editor is shown
    const CharacterTable* characters = nullptr;
    bool displayUnicodeSymbol = false;
};

class EditLanguageWindow final : public editor::EditorView {
public:
    // Creates the window hidden, centred over the owner, with every control.
    explicit EditLanguageWindow(EditLanguageWindowSetup setup);
    ~EditLanguageWindow() override;
    EditLanguageWindow(const EditLanguageWindow&) = delete;
    EditLanguageWindow& operator=(const EditLanguageWindow&) = delete;

    // The model is made after the window (it needs the view); from here on the window
    // shows it and reports the user's actions to it.
    void attach(editor::EditorModel& model);
    // Shows the window with the owner disabled and returns once it has closed (OK,
    // Cancel, Escape or the close box).
    void runModal();

    // EditorView
    platform::WindowHandle window() const override;
    void focusNameBox() override;
    void focusList(editor::ListSide side) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    std::unique_ptr<EditorCharList> makeList(int id, editor::ListSide side);
    void layout();
    void onCommand(int id, int code);
    void onButton(int id);
    void onDpiChanged(int dpi, const RECT& suggested);
    void onPaint();
    void onMouseWheel(int rotation);
    bool belongs(HWND window) const;
    void close() { closed_ = true; }
    // Shows the model's state in every control.
    void refresh();
    void showName();

    EditLanguageWindowSetup s_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    FontCache& fonts_;
    // The window's own captions in the keys' face, whose width the caption boxes fit.
    ControlLayout controls_{fonts_, platform::pointFont(8.25, "Arial", false)};
    editor::EditorModel* model_ = nullptr;
    bool closed_ = false;
    bool settingName_ = false;  // the name box is being set from the model
    std::optional<editor::ListSide> pendingListFocus_;  // asked for while hidden
    bool pendingNameFocus_ = false;
    platform::TwipsBox shownKeyFrame_{};
    bool shownShift_ = false;

    HWND typeList_ = nullptr;
    HWND nameBox_ = nullptr;
    HWND reset_ = nullptr;
    std::unique_ptr<EditorKeyboard> keyboard_;
    std::unique_ptr<EditorCharList> left_;
    std::unique_ptr<EditorCharList> right_;
};

}  // namespace kz::win32
