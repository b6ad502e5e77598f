#pragma once
#include "platform/process.h"

namespace kz::win32 {

class Win32Process final : public platform::Process {
public:
    const std::string& applicationFolder() override;
    std::string commandLine() const override;
    bool start(std::string_view commandLine, platform::ShowMode show) override;
    [[noreturn]] void end() override;
    // The message loop ends once no window of the program is left on this thread: a
    // start-up that finds it so must not carry on.
    bool ended() const override;
    void processPendingMessages() override;
    void post(std::function<void()> work) override;
    void idle(unsigned maxMs) override;
    void hideFromTaskList() override;
    bool takeStartLock(unsigned maxMs) override;
    void releaseStartLock() override;

private:
    std::string folder_;
    void* startLock_ = nullptr;  // the named mutex, open while this process waits or holds it
    bool holdsStartLock_ = false;
};

// The arguments part of a whole command line: what follows the program path (quoted
// or not) and the blanks after it.
std::wstring ArgumentsOf(const wchar_t* commandLine);

// Runs the message loop until no window of the program is left on this thread.
int RunMessageLoop();

}  // namespace kz::win32
