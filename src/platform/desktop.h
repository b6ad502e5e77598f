#pragma once
// The windows of the desktop as the program sees them: its own main window (its
// caption, hidden command box, timer, show/hide, topmost, icon), lookups of the
// main windows of every instance, and the two ways commands travel between instances.
//
// Every instance registers its main windows under the same class, kMainWindowClass, and
// its command boxes under kCommandBoxClass; instances tell roles apart by caption only.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/handles.h"

namespace kz::platform {

inline constexpr std::string_view kMainWindowClass = "KelvraZavoraMain";
inline constexpr std::string_view kCommandBoxClass = "KelvraZavoraText";

// How a started process shows its first window (SW_SHOWNORMAL, SW_SHOWNOACTIVATE).
enum class ShowMode { Normal, NoActivate, Hidden };

// What the main window reports to its owner. Every call arrives on the process's one
// thread, from the message loop or from a routine that processes pending messages, so
// handlers may re-enter one another (a command can arrive in the middle of a wait).
class MainWindowListener {
public:
    virtual ~MainWindowListener() = default;
    // The command box's text changed: by WM_SETTEXT from another instance, by the
    // second channel, or by the program itself (setCommandText raises it too).
    virtual void onCommandTextChanged() = 0;
    // The user (close box, Alt+F4) or the system asked the window to close. The
    // listener decides: it destroys the window, or hides it and keeps running.
    virtual void onCloseRequested() = 0;
    // The timer started with startTimer elapsed.
    virtual void onTimer() = 0;
    // The machine resumed from sleep, or the session was unlocked or reconnected: the
    // system may have dropped the low-level hooks meanwhile.
    virtual void onSystemResumed() {}
};

// The program's main window of one process. Lengths are in twips.
class MainWindow {
public:
    virtual ~MainWindow() = default;

    virtual WindowHandle handle() const = 0;  // 0 once destroyed
    virtual void setCaption(std::string_view caption) = 0;
    virtual std::string caption() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
    // SetWindowPos with HWND_TOPMOST / HWND_NOTOPMOST, no move, no size; the call's result.
    virtual bool setTopmost(bool topmost) = 0;
    // Icon group from the executable's resources at the large and small icon sizes;
    // with ownerToo, also on the window's last owner. A missing resource changes nothing.
    virtual void setIcon(std::string_view resourceName, bool ownerToo) = 0;
    // Outer width of the window (the Options dialog's layout sets 6240).
    virtual void setOuterWidthTwips(int twips) = 0;

    // The command box: a real text box of class kCommandBoxClass whose handle is
    // what other instances write to. A disabled box ignores text sent to it from outside.
    virtual WindowHandle commandBox() const = 0;
    virtual std::string commandText() const = 0;
    virtual void setCommandText(std::string_view text) = 0;  // raises onCommandTextChanged
    virtual void setCommandBoxEnabled(bool enabled) = 0;
    virtual bool commandBoxEnabled() const = 0;

    // The instance timer: a repeating timer; starting it again restarts it with the new interval.
    virtual void startTimer(unsigned intervalMs) = 0;
    virtual void stopTimer() = 0;

    // Unloads the window at once (no onCloseRequested). The process's message loop ends
    // when no window of the process is left.
    virtual void destroy() = 0;

    // Runs `work` at the process's next message pass (a message posted to this window),
    // for what must not run inside a hook callback; dropped if the window goes first.
    virtual void runLater(std::function<void()> work) = 0;
};

struct ScreenMetrics {
    int widthPixels = 0;
    int heightPixels = 0;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Creates this process's main window, hidden, with the caption "Kelvra Zavora Loading"
    // not set yet (the caller sets every caption). The listener must outlive the window.
    virtual std::unique_ptr<MainWindow> createMainWindow(MainWindowListener& listener) = 0;

    // A main window (class kMainWindowClass) of any instance with exactly this caption; 0 when none.
    virtual WindowHandle findMainWindow(std::string_view caption) const = 0;
    // Any top-level window with exactly this caption, whatever its class (used for the
    // tutorial window "Kelvra Zavora - Getting Started"); 0 when none.
    virtual WindowHandle findWindowByCaption(std::string_view caption) const = 0;
    // Every main window of every instance, this process's included.
    virtual std::vector<WindowHandle> mainWindows() const = 0;

    // Class name and text of any window; empty when the handle names no window.
    virtual std::string className(WindowHandle window) const = 0;
    virtual std::string windowText(WindowHandle window) const = 0;
    // WM_SETTEXT to any window, delivered synchronously (the receiver's change handler,
    // and everything it does, runs before this returns). False when the window is gone.
    virtual bool sendText(WindowHandle window, std::string_view text) = 0;
    // The second command channel: hands `text` to the main window `mainWindow`, which puts
    // it into its command box when that box is enabled. Synchronous like sendText. True
    // when the receiver took the text; false when it is gone or its box is disabled.
    virtual bool sendCommand(WindowHandle mainWindow, std::string_view text) = 0;

    virtual ScreenMetrics screen() const = 0;
};

}  // namespace kz::platform
