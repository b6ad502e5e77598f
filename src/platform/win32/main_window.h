#pragma once
// The main window of every instance, of class "KelvraZavoraMain", with its
// command box, a real EDIT superclassed as "KelvraZavoraText" so that other
// instances (and the cleaning of `CommHwds`) can recognise it by class.
#include <windows.h>

#include <deque>
#include <functional>

#include "platform/desktop.h"

namespace kz::win32 {

// WM_COPYDATA tag of a command sent by the second channel.
inline constexpr ULONG_PTR kCommandCopyDataId = 0x4B5A0001;  // "KZ", 1

class Win32MainWindow final : public platform::MainWindow {
public:
    Win32MainWindow(HINSTANCE instance, platform::MainWindowListener& listener);
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    platform::WindowHandle handle() const override;
    void setCaption(std::string_view caption) override;
    std::string caption() const override;
    void setVisible(bool visible) override;
    bool isVisible() const override;
    bool setTopmost(bool topmost) override;
    void setIcon(std::string_view resourceName, bool ownerToo) override;
    void setOuterWidthTwips(int twips) override;
    platform::WindowHandle commandBox() const override;
    std::string commandText() const override;
    void setCommandText(std::string_view text) override;
    void setCommandBoxEnabled(bool enabled) override;
    bool commandBoxEnabled() const override;
    void startTimer(unsigned intervalMs) override;
    void stopTimer() override;
    void destroy() override;

    HWND hwnd() const { return hwnd_; }

    // The class's window procedure (registered by RegisterMainWindowClasses).
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onCopyData(const COPYDATASTRUCT& data);
    void sessionNotices(bool on);
    void runLater(std::function<void()> work) override;
    bool live() const { return hwnd_ != nullptr && !destroying_; }

    HINSTANCE instance_;
    platform::MainWindowListener& listener_;
    HWND hwnd_ = nullptr;
    HWND box_ = nullptr;
    bool destroying_ = false;
    std::deque<std::function<void()>> later_;
};

// Registers the two window classes once per process.
void RegisterMainWindowClasses(HINSTANCE instance);

}  // namespace kz::win32
