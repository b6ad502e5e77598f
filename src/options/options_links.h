#pragma once
// What the Options dialog's logic asks of the rest of the program and of the window that
// shows it. The program implements RunningProgram with its key handler, popup, key table
// and help; the Win32 dialog implements OptionsView; tests use recording fakes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/handles.h"

namespace kz::options {

class RunningProgram {
public:
    virtual ~RunningProgram() = default;
    // The options-open flag that the key handler consults first.
    virtual void setOptionsOpen(bool open) = 0;
    // The popup keeps the all-characters screen's selections before the hooks go.
    virtual void savePopupState() = 0;
    virtual void makePopupTopmost() = 0;
    // Closes the dialog as every close of the main window that is not an exit does: the
    // window hidden, the options-open flag cleared, the popup topmost again and the
    // keyboard hook back in place. The application core owns that sequence.
    virtual void closeOptions() = 0;
    // The program's exit sequence has begun: the dialog's pending edits are dropped.
    virtual bool programEnding() const = 0;
    // Rebuilds the key table from the store, so the popup uses the saved languages at once.
    virtual void rebuildKeyTable() = 0;
    // Clears the key handler's memory of a recent function-key trigger (`fkeyRecent`).
    virtual void clearRecentFunctionKey() = 0;
    // Opens the help file at "html\" followed by `topic`.
    virtual void showHelp(std::string_view topic) = 0;
};

// The language editor, shown modally over the dialog. Each call returns the edited
// language name: the name under which the editor saved a language, empty when nothing
// was saved.
class LanguageEditor {
public:
    virtual ~LanguageEditor() = default;
    virtual std::string addLanguage() = 0;
    // Loads the language `name` (its first key selected), then shows the editor.
    virtual std::string editLanguage(std::string_view name) = 0;
};

// The language list view as the language page drives it. Rows are counted from 0.
class LanguageListView {
public:
    virtual ~LanguageListView() = default;
    // The window that owns the page's message boxes (the dialog).
    virtual platform::WindowHandle dialogWindow() const = 0;
    // The rows, their check boxes or their selection changed: the list view shows the
    // page's rows again before it is asked anything else.
    virtual void rowsChanged() = 0;
    virtual void focusList() = 0;
    // Stops and restarts the list's drawing while several rows move.
    virtual void freezeDrawing(bool frozen) = 0;
    // The rows under the points (20, 2) and (20, list height - 120), in twips from the
    // list's top left corner: the first and last visible rows; none where no row lies.
    virtual std::optional<std::size_t> rowNearTop() const = 0;
    virtual std::optional<std::size_t> rowNearBottom() const = 0;
    virtual void ensureVisible(std::size_t row) = 0;
};

// The dialog window: the language list plus showing and hiding the whole dialog.
class OptionsView : public LanguageListView {
public:
    // Lays out and shows the dialog (column width, centred on the primary screen, page
    // backgrounds, the example badge) with the page of the selected tab visible.
    virtual void showDialog() = 0;
};

}  // namespace kz::options
